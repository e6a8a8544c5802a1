#include <gtest/gtest.h>

#include "engine/QuickFill.h"

using namespace kestrel;

namespace {

using Q = QuickFill;
using Texts = std::vector<std::string>;

struct Case {
    Q kind;
    const char *lo, *rfStart, *rfStop, *marker1, *marker2;
    Texts expected;
};

const Case kCases[] = {
    // The initial design: LO 24, RF 12.5 .. 16.5, markers 37 and 40.
    {Q::RFFromMarkersSum, "24", "12.5", "16.5", "37", "40", {"61", "64"}},
    {Q::RFFromMarkersDiff, "24", "12.5", "16.5", "37", "40", {"13", "16"}},
    {Q::MarkersFromRFSum, "24", "12.5", "16.5", "37", "40", {"36.5", "40.5"}},
    {Q::MarkersFromRFDiff, "24", "12.5", "16.5", "37", "40", {"11.5", "7.5"}},
    {Q::IFStart, "24", "12.5", "16.5", "37", "40", {"35"}},
    {Q::IFStop, "24", "12.5", "16.5", "37", "40", {"41"}},
    // Floors of 36.25 and 41.25.
    {Q::IFStart, "24", "12.5", "16.5", "37.5", "40", {"36"}},
    {Q::IFStop, "24", "12.5", "16.5", "37.5", "40", {"41"}},
    // Floor goes towards minus infinity, also below zero.
    {Q::IFStart, "0", "0", "0", "0", "1", {"-1"}},
    {Q::IFStart, "0", "0", "0", "100", "400", {"-50"}},
    // Markers the wrong way round: the half span is negative.
    {Q::IFStart, "0", "0", "0", "10.3", "10", {"10"}},
    {Q::IFStop, "0", "0", "0", "10.3", "10", {"9"}},
    {Q::IFStop, "0", "0", "0", " 1 ", "0.5", {"0"}},
    // A design in MHz.
    {Q::RFFromMarkersSum, "2150", "2000", "2400", "100", "400", {"2250", "2550"}},
    {Q::MarkersFromRFDiff, "2150", "2000", "2400", "100", "400", {"150", "250"}},
    {Q::RFFromMarkersDiff, "2150", "2000", "2400", "100", "4000", {"2050", "1850"}},
    // Up to 15 significant digits: the binary noise of 0.1 + 0.2 is gone.
    {Q::MarkersFromRFSum, "0.1", "0.2", "1e-3", "0", "0", {"0.3", "0.101"}},
    {Q::MarkersFromRFSum, "1e15", "1", "0", "0", "0", {"1E+15", "1E+15"}},
    // The pairs read leading numbers: units after a number and texts with
    // no number at all (0) are accepted.
    {Q::RFFromMarkersSum, "24 GHz", "", "", "abc", "40x", {"24", "64"}},
    {Q::MarkersFromRFDiff, "", "-3", "2.5.1", "", "", {"3", "2.5"}},
    // The IF edges need strict numbers; the leading marker 2 of the upper
    // edge alone is read leniently, which only blanks can tell apart.
    {Q::IFStart, "24", "", "", "37abc", "40", {}},
    {Q::IFStart, "24", "", "", "37", "", {}},
    {Q::IFStop, "24", "", "", "abc", "40", {}},
    {Q::IFStop, "24", "", "", "37", "40 GHz", {}},
    {Q::IFStop, "24", "", "", "1e999", "40", {}},
    {Q::IFStop, "24", "", "", " 37", "\t40 ", {"41"}},
    // A result beyond any double would write a text that is no number.
    {Q::RFFromMarkersSum, "1e308", "", "", "1e308", "0", {}},
    {Q::MarkersFromRFSum, "1e999", "1", "1", "", "", {}},
    {Q::IFStop, "", "", "", "-1e308", "1.7e308", {}},
};

TEST(QuickFill, WritesTheDerivedPairOrEdge) {
    for (const Case& c : kCases) {
        const Texts got = quickFill(c.kind, {c.lo, c.rfStart, c.rfStop, c.marker1, c.marker2});
        EXPECT_EQ(got, c.expected) << int(c.kind) << " lo=" << c.lo << " rf=" << c.rfStart << ".."
                                   << c.rfStop << " markers=" << c.marker1 << "," << c.marker2;
    }
}

} // namespace
