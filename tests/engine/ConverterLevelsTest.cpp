#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <memory>

#include "engine/DesignSolve.h"
#include "engine/FastAttenuation.h"
#include "engine/LimitLine.h"
#include "engine/NeededOrder.h"
#include "engine/ReportSteps.h"

using namespace kestrel;

namespace {

const SpurTableRow* find(const DesignReport& r, int step, int m, int n, ProductFamily f) {
    for (const SpurTableRow& row : r.rows)
        if (row.step == step && row.m == m && row.n == n && row.family == f) return &row;
    return nullptr;
}

bool sameBits(const std::optional<double>& a, const std::optional<double>& b) {
    return a.has_value() == b.has_value() && (!a || std::memcmp(&*a, &*b, sizeof(double)) == 0);
}

// The rows as the export built them before the converter: the same solve,
// the levels of the model in use.
std::vector<SpurTableRow> unfilteredRows(const Design& d) {
    const SolvableDesign s = solvableDesign(d);
    auto matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    solveSpurMatrix(*s.input, state, *matrix);
    const LastSolve solve{s.input->mMax, s.input->nMax, s.input->trackingLO};
    const auto markers = designMarkers(d);
    return spurTableRows(*matrix, state, solve, &*s.levels, markers,
                         defaultWantedProduct(*matrix, state, solve, markers));
}

TEST(ConverterLevels, WithoutFiltersEveryLevelKeepsItsBits) {
    struct Case {
        const char* what;
        void (*change)(Design&);
    };
    const Case cases[] = {
        {"fixed LO", [](Design&) {}},
        {"tracking LO", [](Design& d) { d.offsetChecked = true; }},
        // Equal drives give -0 for the pairs without suppression.
        {"equal drives, -0 levels", [](Design& d) { d.loPower = d.rfPower; }},
        {"spur table", [](Design& d) {
             d.useIMT = true;
             d.imt.setCell(2, 3, -71.3);
         }},
    };
    for (const Case& c : cases) {
        Design d;
        c.change(d);
        const DesignReport report = reportFromDesign(d);
        ASSERT_TRUE(report.why.empty()) << report.why;
        const auto today = unfilteredRows(d);
        ASSERT_EQ(report.rows.size(), today.size()) << c.what;
        for (std::size_t i = 0; i < today.size(); ++i) {
            const SpurTableRow& r = report.rows[i];
            EXPECT_TRUE(sameBits(r.level, today[i].level)) << c.what << " row " << i;
            EXPECT_TRUE(sameBits(r.mixerLevel, today[i].level)) << c.what << " row " << i;
            EXPECT_EQ(r.aRf + r.aLo + r.aIf, 0) << c.what;
            EXPECT_FALSE(r.outsideFilterData);
        }
    }
}

// Preselector 12..17 (Butterworth 3, 1 dB), LO low-pass 30 (order 2,
// 0.5 dB), IF band-pass 36..41 (order 5, 2 dB, floor 60); figures worked
// out from the formulas by hand for step 0 (RF 12.5, LO 24, wanted sum
// 36.5) and step 10 (RF 16.5, wanted 40.5).
TEST(ConverterLevels, FiltersLowerTheDrivesAndActAtEachFrequency) {
    Design d;
    d.rfFilter = {"Band-pass", "Butterworth", "12", "17", "3", "0.1", "1", "80", {}, {}};
    d.loFilter = {"Low-pass", "Butterworth", "", "30", "2", "0.1", "0.5", "80", {}, {}};
    d.ifFilter = {"Band-pass", "Butterworth", "36", "41", "5", "0.1", "2", "60", {}, {}};
    const DesignReport report = reportFromDesign(d);
    ASSERT_TRUE(report.why.empty()) << report.why;
    using F = ProductFamily;
    struct Case {
        int step, m, n;
        F family;
        double aRf, aLo, aIf, mixer, dbc, dbm;
    };
    const Case cases[] = {
        {0, 0, 3, F::Sum, 1.7877057953518651, 1.9909589106797274, 2.0002203954834483, -55.59349376934428,
         -55.2117724261461, -72.38141996017958},
        {0, 1, 0, F::Sum, 1.7877057953518651, 1.9909589106797274, 62, -4.203253115327861, -63.82131137664624,
         -80.99095891067974},
        {0, 1, 1, F::Difference, 1.7877057953518651, 1.9909589106797274, 62, 0, -59.618058261318374,
         -76.78770579535186},
        {10, 2, 1, F::Difference, 2.207539906817492, 1.9909589106797274, 50.73410011704074, -35,
         -83.22931765271889, -100.94164002385823},
    };
    for (const Case& c : cases) {
        const SpurTableRow* r = find(report, c.step, c.m, c.n, c.family);
        ASSERT_NE(r, nullptr);
        const double got[] = {r->aRf, r->aLo, r->aIf, *r->mixerLevel, *r->level, *r->levelDbm};
        const double want[] = {c.aRf, c.aLo, c.aIf, c.mixer, c.dbc, c.dbm};
        for (int k = 0; k < 6; ++k) EXPECT_NEAR(got[k], want[k], 1e-9) << c.m << "x" << c.n << " value " << k;
    }
    // The wanted output stays at 0 dBc, its absolute level the step's.
    const SpurTableRow* wanted = find(report, 0, 1, 1, F::Sum);
    EXPECT_EQ(*wanted->level, 0);
    EXPECT_NEAR(*wanted->levelDbm, -17.169647534033492, 1e-9);
}

// The shortcut far from the passband gives what the filter gives, bit for bit.
TEST(ConverterLevels, FastAttenuationIsTheFiltersOwn) {
    std::vector<Filter> filters;
    for (FilterShape shape : {FilterShape::BandPass, FilterShape::LowPass, FilterShape::HighPass})
        for (FilterResponse response : {FilterResponse::Butterworth, FilterResponse::Chebyshev})
            for (int order : {1, 2, 7, 15})
                for (double ripple : {0.01, 3.0})
                    filters.push_back({shape, response, 36, 41, order, ripple, 1.5, order == 7 ? 150.0 : 20.0, {}});
    Filter measured;
    measured.shape = FilterShape::Measured;
    measured.points = {{30, 40}, {36, 1.5}, {41, 0.5}, {45, 30}};
    filters.push_back(measured);
    for (const Filter& f : filters) {
        const FastAttenuation fast(f);
        for (double x = -1; x < 2000; x = x < 0.001 ? x + 0.25 : x * 1.0137) {
            const Attenuation a = f.attenuation(x), b = fast(x);
            ASSERT_TRUE(a.db == b.db && a.outsideData == b.outsideData)
                << int(f.shape) << " N=" << f.order << " at " << x << ": " << a.db << " vs " << b.db;
        }
    }
}

TEST(ConverterLevels, FilterFieldsAreJudgedWhereTheShapeUsesThem) {
    struct Case {
        DesignFilter block;
        const char* why; // empty: accepted
    };
    const Case cases[] = {
        {{"None", "x", "x", "x", "x", "x", "x", "x", {}, {}}, ""},
        {{"Low-pass", "Butterworth", "junk", "30", "2", "junk", "0", "80", {}, {}}, ""},
        {{"Band-pass", "Butterworth", "40", "37", "5", "0.1", "0", "80", {}, {}},
         "\"Low edge\" in \"IF filter\" must be below \"High edge\" in \"IF filter\""},
        {{"High-pass", "Butterworth", "0", "", "5", "0.1", "0", "80", {}, {}},
         "\"Low edge\" in \"IF filter\" must hold a frequency above 0"},
        {{"Band-pass", "Chebyshev", "37", "40", "5", "5", "0", "80", {}, {}},
         "\"Ripple\" in \"IF filter\" must hold a number from 0.01 to 3"},
        {{"Band-pass", "Butterworth", "37", "40", "16", "0.1", "0", "80", {}, {}},
         "\"Order\" in \"IF filter\" must hold a whole number from 1 to 15"},
        {{"Measured (Touchstone)", "Butterworth", "", "", "5", "0.1", "0", "80", {}, {}},
         "\"Shape\" in \"IF filter\" is measured but holds no data"},
    };
    for (const Case& c : cases) {
        std::string why;
        const auto filter = filterFromBlock(c.block, "IF", why);
        EXPECT_EQ(why, c.why) << c.block.shape;
        EXPECT_EQ(filter.has_value(), why.empty());
    }
}

// Rows at one step whose wanted output is at -15 dBm; the display band 30
// to 50. Line: up to 38 at -60 dBc, from 38 at -80 dBm (-65 dBc), 40 to 45
// at -70 dBc.
struct LimitCase {
    float f;
    std::optional<double> level;
    bool inBand;
    ProductRole role;
    std::optional<double> limit;
};

std::vector<SpurTableRow> heldRows(const std::vector<LimitCase>& cases) {
    std::vector<SpurTableRow> rows(cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SpurTableRow& r = rows[i];
        std::tie(r.step, r.m, r.n, r.family) = std::tuple(2, int(i) + 1, 2, ProductFamily::Difference);
        std::tie(r.frequency, r.level, r.inBand, r.role) = std::tie(cases[i].f, cases[i].level, cases[i].inBand, cases[i].role);
    }
    return rows;
}

TEST(LimitLine, LowestLimitOfTheRowsHoldingTheFrequency) {
    const std::vector<LimitBand> line = {{std::nullopt, 38, -60, LimitUnit::Dbc},
                                         {38, std::nullopt, -80, LimitUnit::Dbm},
                                         {45, 40, -70, LimitUnit::Dbc}}; // reversed: read in order
    const auto P = ProductRole::Spur;
    const std::vector<LimitCase> cases = {
        {30, -61, true, P, -60},   // the band's start: an empty From
        {38, -64.2, true, P, -65}, // both edges: the dBm row is lower
        {40, -75, true, P, -70},   // edge of the third row
        {50, -70, true, P, -65},   // the band's stop: an empty To
        {37, 0, true, ProductRole::Wanted, std::nullopt},
        {51, -10, false, P, std::nullopt}, // outside the display band
        {37, 0, true, ProductRole::Image, -60},
    };
    auto rows = heldRows(cases);
    applyLimitLine(rows, {ConverterStep{2, 37, 0, 0, 0, -13, -15, false}}, line, 30, 50);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(rows[i].limit, cases[i].limit) << cases[i].f;
        if (cases[i].limit) {
            EXPECT_DOUBLE_EQ(*rows[i].margin, *cases[i].limit - *cases[i].level);
        }
    }
    // The image at 0 dBc fails by 60 dB; without it the worst is 38 at -0.8 dB.
    LimitVerdict v = limitVerdict(rows);
    EXPECT_FALSE(v.pass);
    EXPECT_EQ(verdictText(v, rows), "FAIL by 60.0 dB: 7 LO - 2 RF at step 2");
    rows.pop_back();
    v = limitVerdict(rows);
    EXPECT_NEAR(*v.worstMargin, -0.8, 1e-12);
    EXPECT_EQ(verdictText(v, rows), "FAIL by 0.8 dB: 2 LO - 2 RF at step 2");
    ASSERT_EQ(v.steps.size(), 1u);
    EXPECT_EQ(v.steps[0].worst, 1u);

    // Counting over the line in place of the threshold.
    CountRule rule{-200, std::nullopt, true};
    for (SpurTableRow& r : rows) r.betweenMarkers = true;
    EXPECT_EQ(worstPerStep(rows, rule)[0].worst, &rows[1]);
    rows[1].level = -66;
    rows[1].margin = 1;
    EXPECT_EQ(worstPerStep(rows, rule)[0].worst, nullptr);
    v = limitVerdict(rows);
    EXPECT_EQ(verdictText(v, rows), "PASS, margin 1.0 dB");

    // A product without a level has no margin and fails.
    rows[2].level.reset();
    applyLimitLine(rows, {ConverterStep{2, 37, 0, 0, 0, -13, -15, false}}, line, 30, 50);
    v = limitVerdict(rows);
    EXPECT_FALSE(v.pass);
    EXPECT_FALSE(v.worstMargin);
    EXPECT_EQ(verdictText(v, rows), "FAIL: 3 LO - 2 RF at step 2 has no level");
}

// One product at 30 with -40 dBc at the mixer, the wanted output at 38,
// a -60 dBc limit and an IF band-pass 36..41: Omega(30) = 3.84, so order 1
// gives 12.0 dB and order 2 gives 23.4 dB, 20 dB being needed.
TEST(NeededOrder, HandWorkedBandPass) {
    std::vector<SpurTableRow> rows = heldRows({{38, 0, true, ProductRole::Wanted, {}}, {30, -40, true, ProductRole::Spur, {}}});
    rows[1].mixerLevel = -40;
    ConverterFilters filters;
    filters.ifFilter.shape = FilterShape::BandPass;
    filters.ifFilter.low = 36;
    filters.ifFilter.high = 41;
    const std::vector<LimitBand> line = {{std::nullopt, std::nullopt, -60, LimitUnit::Dbc}};
    const std::vector<ConverterStep> steps = {{2, 38, 0, 0, 0, -13, -13, false}};
    applyLimitLine(rows, steps, line, 30, 50);
    const auto extra = neededRejections(rows);
    ASSERT_EQ(extra.size(), 1u);
    EXPECT_EQ(*extra[0].extraDb, 20);
    const NeededOrder needed = neededIfOrder(rows, steps, filters, line, std::nullopt, 30, 50);
    EXPECT_EQ(needed.order, 2);
    EXPECT_FALSE(needed.substitute);
    EXPECT_EQ(neededOrderText(needed), "Order 2 is enough");
}

// The search against running the whole report at every order.
TEST(NeededOrder, SameAsTryingEveryOrder) {
    struct Case {
        const char* what;
        DesignFilter ifFilter;
        std::vector<LimitRow> limits;
        bool substitute;
    };
    const DesignFilter bandPass = {"Band-pass", "Chebyshev", "36.8", "40.5", "3", "0.5", "1", "100", {}, {}};
    const DesignFilter atMarkers = {"Band-pass", "Butterworth", "37", "40", "5", "0.1", "0", "80", {}, {}};
    const Case cases[] = {
        {"dBc line", bandPass, {{"", "", "-62", "dBc"}}, false},
        {"dBc and dBm rows", bandPass, {{"", "36", "-70", "dBc"}, {"35", "", "-90", "dBm"}}, false},
        {"too strict", bandPass, {{"", "", "-120", "dBc"}}, false},
        {"low-pass", {"Low-pass", "Butterworth", "", "41", "1", "0.1", "0", "80", {}, {}}, {{"42", "", "-50", "dBc"}}, false},
        {"none: a band-pass at the markers", atMarkers, {{"", "", "-55", "dBc"}}, true},
    };
    for (const Case& c : cases) {
        Design d;
        d.useLimits = true;
        d.rfHarmonics = "5"; // every product in the band has a level
        d.loHarmonics = "6";
        d.limits = c.limits;
        d.ifFilter = c.substitute ? DesignFilter{} : c.ifFilter;
        const DesignReport report = reportFromDesign(d);
        ASSERT_TRUE(report.why.empty()) << report.why;
        ASSERT_TRUE(report.needed);
        EXPECT_EQ(report.needed->substitute, c.substitute) << c.what;
        std::optional<int> brute;
        for (int n = 1; n <= 15 && !brute; ++n) {
            d.ifFilter = c.ifFilter;
            d.ifFilter.order = std::to_string(n);
            if (reportFromDesign(d).verdict.pass) brute = n;
        }
        EXPECT_EQ(report.needed->order, brute) << c.what;
    }
}

} // namespace
