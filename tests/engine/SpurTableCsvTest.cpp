#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/SpurSolver.h"
#include "engine/SpurTable.h"
#include "files/SpurTableCsv.h"
#include "tests/support/Designs.h"

using namespace kestrel;

namespace {

struct Export {
    std::unique_ptr<SpurMatrix> matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    LastSolve solve;
};

Export solved(const SolveInput& in) {
    Export e;
    solveSpurMatrix(in, e.state, *e.matrix);
    e.solve = {in.mMax, in.nMax, in.trackingLO};
    return e;
}

const PairLevels kLevels = EvaluateSpurLevels(8, -5, 8, 25, 25);
const MarkerPair kMarkers{37, 40};

// The start-up design wants its sum: 37.7 at the middle step lies between the markers.
std::string csvOf(const Export& e, std::optional<MarkerPair> markers = kMarkers) {
    return csv::spurTable(spurTableRows(*e.matrix, e.state, e.solve, &kLevels, markers, ProductFamily::Sum), "GHz");
}

// The columns up to the role; the converter's columns after them are tested
// with the filters.
std::string firstColumns(const std::string& line) {
    std::size_t at = 0;
    for (int i = 0; i < 12 && at != std::string::npos; ++i) at = line.find(',', at + (i > 0));
    return line.substr(0, at);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        out.push_back(firstColumns(text.substr(from, at - from)));
    EXPECT_EQ(from, text.size()) << "text after the last CRLF";
    return out;
}

// Line of the start-up design's table for step s, pair (m, n), family f
// (0 sum, 1 difference): steps, then m, then n, orders 0..8; no (0, 0) and
// one row for m x 0 and 0 x n.
std::size_t lineOf(int s, int m, int n, int f) {
    // Per step: 0 x 1..8 (8 rows), then per LO order m x 0 and both families
    // of m x 1..8 (17 rows).
    const int inStep = m == 0 ? n - 1 : 8 + (m - 1) * 17 + (n == 0 ? 0 : 2 * n - 1 + f);
    return std::size_t(s * 144 + inStep + 1);
}

TEST(SpurTableCsv, FirstLinesOfTheStartUpDesign) {
    const auto all = lines(csvOf(solved(reference::initialDesign())));
    const std::vector<std::string> expected = {
        "step,RF frequency (GHz),LO frequency (GHz),m,n,family,product,frequency (GHz),"
        "in band,between markers,level (dBc),role",
        "0,12.5,24,0,1,sum,0 LO + 1 RF,12.5,no,no,-17,0 LO + 1 RF",
        "0,12.5,24,0,2,sum,0 LO + 2 RF,25,no,no,-63,0 LO + 2 RF",
        "0,12.5,24,0,3,sum,0 LO + 3 RF,37.5,yes,yes,-56,0 LO + 3 RF"};
    EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 4), expected);
}

TEST(SpurTableCsv, SelectedLinesOfTheStartUpDesign) {
    const auto all = lines(csvOf(solved(reference::initialDesign())));
    ASSERT_EQ(all.size(), 11u * (8 * 8 * 2 + 8 + 8) + 1);
    struct Row {
        int s, m, n, f;
        const char* line;
    };
    const Row rows[] = {
        {0, 1, 1, 0, "0,12.5,24,1,1,sum,1 LO + 1 RF,36.5,yes,no,0,wanted output"},
        {0, 1, 1, 1, "0,12.5,24,1,1,difference,1 LO - 1 RF,11.5,no,no,0,image"},
        {3, 1, 1, 0, "3,13.7,24,1,1,sum,1 LO + 1 RF,37.7,yes,yes,0,wanted output"},
        {10, 1, 1, 0, "10,16.5,24,1,1,sum,1 LO + 1 RF,40.5,yes,no,0,wanted output"},
        {0, 1, 0, 0, "0,12.5,24,1,0,sum,1 LO + 0 RF,24,no,no,-4,1 LO + 0 RF"},
        {0, 2, 1, 1, "0,12.5,24,2,1,difference,2 LO - 1 RF,35.5,yes,no,-35,2 LO - 1 RF"},
        {0, 8, 0, 0, "0,12.5,24,8,0,sum,8 LO + 0 RF,192,no,no,-44,8 LO + 0 RF"},
        {10, 6, 8, 1, "10,16.5,24,6,8,difference,6 LO - 8 RF,12,no,no,-126,6 LO - 8 RF"},
        {10, 8, 8, 1, "10,16.5,24,8,8,difference,8 LO - 8 RF,60,no,no,,8 LO - 8 RF"},
    };
    for (const Row& r : rows) EXPECT_EQ(all[lineOf(r.s, r.m, r.n, r.f)], r.line);
}

TEST(SpurTableCsv, RowCountFollowsTheSolvedStepsAndOrders) {
    struct Case {
        int steps, mMax, nMax;
        std::size_t rows;
    };
    for (const Case& c : {Case{10, 8, 8, 1584}, Case{0, 3, 2, 17}, Case{100, 10, 8, 17978},
                          Case{-1, 8, 8, 0}}) {
        SolveInput in = reference::initialDesign();
        in.numSteps = static_cast<std::int16_t>(c.steps);
        in.mMax = c.mMax;
        in.nMax = c.nMax;
        const Export e = solved(in);
        EXPECT_EQ(spurTableRows(*e.matrix, e.state, e.solve, &kLevels, kMarkers, ProductFamily::Sum).size(), c.rows)
            << c.steps << " steps";
        EXPECT_EQ(lines(csvOf(e)).size(), c.rows + 1) << c.steps << " steps";
    }
}

TEST(SpurTableCsv, TrackingLOColumn) {
    SolveInput in = reference::initialDesign();
    in.trackingLO = true;
    in.loOffset = [] { return 38.5; };
    Export e = solved(in);
    const auto tracked = lines(csvOf(e));
    EXPECT_EQ(tracked[lineOf(0, 1, 1, 0)], "0,12.5,51,1,1,sum,1 LO + 1 RF,63.5,no,no,0,wanted output");
    EXPECT_EQ(tracked[lineOf(1, 0, 1, 0)].substr(0, 11), "1,12.9,51.4");
    EXPECT_EQ(tracked[lineOf(10, 0, 1, 0)].substr(0, 11), "10,16.5,55,");

    // A fixed-LO solve afterwards shows the fixed LO, not the stale tracking one.
    in.trackingLO = false;
    solveSpurMatrix(in, e.state, *e.matrix);
    e.solve.trackingLO = false;
    EXPECT_EQ(lines(csvOf(e))[lineOf(10, 0, 1, 0)].substr(0, 11), "10,16.5,24,");
}

TEST(SpurTableCsv, MarkersInEitherOrderOrNone) {
    const Export e = solved(reference::initialDesign());
    const std::size_t at = lineOf(0, 1, 1, 0); // 36.5
    EXPECT_EQ(lines(csvOf(e, MarkerPair{40, 36.5f}))[at], "0,12.5,24,1,1,sum,1 LO + 1 RF,36.5,yes,yes,0,wanted output");
    EXPECT_EQ(lines(csvOf(e, std::nullopt))[at], "0,12.5,24,1,1,sum,1 LO + 1 RF,36.5,yes,,0,wanted output");
}

TEST(SpurTableCsv, RecordQuotesOnlyWhatMustBe) {
    struct Case {
        std::vector<std::string> fields;
        const char* record;
    };
    const Case cases[] = {
        {{"a", "", "b"}, "a,,b\r\n"},
        {{"1,5", "x"}, "\"1,5\",x\r\n"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n"},
        {{"two\nlines", "cr\r"}, "\"two\nlines\",\"cr\r\"\r\n"},
        {{"Grün"}, "Grün\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(csv::record(c.fields), c.record);
}

TEST(SpurTableCsv, UnitInTheHeader) {
    EXPECT_EQ(csv::spurTable({}, "KHz"),
              "step,RF frequency (KHz),LO frequency (KHz),m,n,family,product,frequency (KHz),"
              "in band,between markers,level (dBc),role,A_RF (dB),A_LO (dB),A_IF (dB),mixer level (dBc),"
              "level (dBm),limit (dBc),margin (dB),outside filter data\r\n");
}

} // namespace
