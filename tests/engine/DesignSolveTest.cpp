// A solve built from a design value: the window's reading of its fields and
// its refusals, each naming the field at fault.
#include <gtest/gtest.h>

#include "engine/DesignSolve.h"
#include "files/DesignKeys.h"

using namespace kestrel;

namespace {

TEST(DesignSolve, FieldsAreReadAsTheirTextShowsThem) {
    Design d;
    d.rfStart = 0.1f; // the field shows "0.1", which the window reads as the double 0.1
    d.offsetChecked = true;
    d.loOffset = 2.5f;
    const auto got = solveInputFromDesign(d);
    ASSERT_TRUE(got.input) << got.why;
    EXPECT_EQ(got.input->rfStart, 0.1);
    EXPECT_EQ(got.input->loOffset(), 2.5);
}

TEST(DesignSolve, FirstFieldWithoutANumberIsNamed) {
    struct Case {
        void (*change)(SolveFieldTexts&);
        const char* field; // "" when accepted
    };
    const Case cases[] = {
        {[](SolveFieldTexts& t) { t.rfStart = "12,5"; }, "txtRFStart"},
        {[](SolveFieldTexts& t) { t.rfStop = "1e39"; }, "txtRFStop"}, // a double, not a single
        {[](SolveFieldTexts& t) { t.ifStop = ""; t.loFreq = "x"; }, "txtLOFreq"},
        {[](SolveFieldTexts& t) { t.rfHarmonics = "eight"; }, "cboRFHar"},
        {[](SolveFieldTexts& t) { t.steps = "99999"; }, "cboSteps"},
        // The offset is read up to its first non-number, as the window always has.
        {[](SolveFieldTexts& t) { t.trackingLO = true; t.loOffset = "2.5 GHz"; }, ""},
    };
    for (const Case& c : cases) {
        SolveFieldTexts t{"12.5", "16.5", "10", "24", "30", "50", false, "38.5", "8", "8"};
        c.change(t);
        const DesignSolveInput got = solveInputFromTexts(t);
        EXPECT_EQ(got.field, c.field);
        EXPECT_EQ(got.input.has_value(), *c.field == 0) << c.field;
    }
}

TEST(DesignSolve, RefusalsNameTheField) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> values;
        std::string why;
    };
    const std::vector<Case> cases = {
        {{{"txtIFStart", "-3e38"}, {"txtIFStop", "3e38"}},
         "\"Stop\" in \"Spectrum Analyzer\" takes the solve beyond the single range"},
        {{{"chkOffset", "1"}, {"txtLoOffset", "3.4e38"}, {"txtRFStop", "3.4e38"}},
         "\"Enter +/- Frequency Offset for Locked LO\" in \"Local Oscillator Input\" takes the solve "
         "beyond the single range"},
        {{{"txtConversionLoss", "3e38"}},
         "\"Conversion Loss (db)\" in \"Mixer Parameters\" gives spur levels beyond the single range"},
    };
    for (const Case& c : cases) {
        Design d;
        for (const auto& [name, value] : c.values) ASSERT_FALSE(designfile::setValue(d, name, value)) << name;
        const DesignReport report = reportFromDesign(d);
        EXPECT_EQ(report.why, c.why) << c.values.front().first;
        EXPECT_TRUE(report.rows.empty());
    }
}

TEST(DesignSolve, WantedOutputFollowsTheFinderChoice) {
    // Middle step: RF 14.5, LO 24, so the sum is 38.5 and the difference 9.5.
    const std::tuple<const char*, float, ProductFamily> cases[] = {
        {"Automatic (from the markers)", 37, ProductFamily::Sum},
        {"Automatic (from the markers)", 9, ProductFamily::Difference},
        {"|LO - RF|", 37, ProductFamily::Difference},
        {"LO + RF", 9, ProductFamily::Sum},
    };
    for (const auto& [wanted, marker1, family] : cases) {
        Design d;
        d.wanted = wanted;
        d.marker1 = marker1;
        d.marker2 = marker1 + 3;
        const DesignReport report = reportFromDesign(d);
        EXPECT_EQ(report.wanted, family) << wanted << " " << marker1;
        EXPECT_EQ(report.steps, 11);
    }
}

} // namespace
