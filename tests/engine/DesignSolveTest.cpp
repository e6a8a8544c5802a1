// A solve built from a design value: the same inputs as the window's fields
// give, and the window's refusals, each naming the field at fault.
#include <gtest/gtest.h>

#include "engine/DesignSolve.h"
#include "files/DesignKeys.h"
#include "tests/support/Designs.h"

using namespace kestrel;

namespace {

TEST(DesignSolve, StartUpDesignGivesTheStartUpSolve) {
    const auto got = solveInputFromDesign(Design{});
    ASSERT_TRUE(got.input) << got.why;
    const SolveInput want = reference::initialDesign();
    EXPECT_EQ(got.input->rfStart, want.rfStart);
    EXPECT_EQ(got.input->rfStop, want.rfStop);
    EXPECT_EQ(got.input->numSteps, want.numSteps);
    EXPECT_EQ(got.input->loFreq, want.loFreq);
    EXPECT_EQ(got.input->ifStart, want.ifStart);
    EXPECT_EQ(got.input->ifStop, want.ifStop);
    EXPECT_EQ(got.input->mMax, want.mMax);
    EXPECT_EQ(got.input->nMax, want.nMax);
    EXPECT_FALSE(got.input->trackingLO);
}

TEST(DesignSolve, FieldsAreReadAsTheirTextShowsThem) {
    Design d;
    d.rfStart = 0.1f; // the field shows "0.1", which the window reads as the double 0.1
    d.offsetChecked = true;
    d.loOffset = 2.5f;
    const auto got = solveInputFromDesign(d);
    ASSERT_TRUE(got.input) << got.why;
    EXPECT_EQ(got.input->rfStart, 0.1);
    ASSERT_TRUE(got.input->loOffset);
    EXPECT_EQ(got.input->loOffset(), 2.5);
}

TEST(DesignSolve, FirstFieldWithoutANumberIsNamed) {
    const auto texts = [] {
        SolveFieldTexts t{"12.5", "16.5", "10", "24", "30", "50", false, "38.5", "8", "8"};
        return t;
    };
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
        SolveFieldTexts t = texts();
        c.change(t);
        const DesignSolveInput got = solveInputFromTexts(t);
        EXPECT_EQ(got.field, c.field);
        EXPECT_EQ(got.input.has_value(), *c.field == 0) << c.field;
        if (got.input && got.input->trackingLO) {
            EXPECT_EQ(got.input->loOffset(), 2.5);
        }
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
        {{{"txtRFPower", "3e38"}},
         "\"RF Power\" in \"RF Input Parameters\" gives spur levels beyond the single range"},
        {{{"txtConversionLoss", "3e38"}},
         "\"Conversion Loss (db)\" in \"Mixer Parameters\" gives spur levels beyond the single range"},
    };
    for (const Case& c : cases) {
        Design d;
        for (const auto& [name, value] : c.values)
            ASSERT_FALSE(designfile::setValue(d, name, value)) << name;
        const DesignReport report = reportFromDesign(d);
        EXPECT_EQ(report.why, c.why) << c.values.front().first;
        EXPECT_TRUE(report.rows.empty());
    }
}

TEST(DesignSolve, WantedOutputFollowsTheFinderChoice) {
    struct Case {
        const char* wanted;
        float marker1, marker2;
        ProductFamily family;
    };
    // Middle step: RF 14.5, LO 24, so the sum is 38.5 and the difference 9.5.
    const Case cases[] = {
        {"Automatic (from the markers)", 37, 40, ProductFamily::Sum},
        {"Automatic (from the markers)", 9, 10, ProductFamily::Difference},
        {"|LO - RF|", 37, 40, ProductFamily::Difference},
        {"LO + RF", 9, 10, ProductFamily::Sum},
    };
    for (const Case& c : cases) {
        Design d;
        d.wanted = c.wanted;
        d.marker1 = c.marker1;
        d.marker2 = c.marker2;
        const DesignReport report = reportFromDesign(d);
        ASSERT_TRUE(report.why.empty()) << report.why;
        EXPECT_EQ(report.wanted, c.family) << c.wanted << " " << c.marker1;
        EXPECT_EQ(report.steps, 11);
    }
}

} // namespace
