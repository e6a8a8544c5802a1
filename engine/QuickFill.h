#pragma once
// Double-click quick-fills: one pair of band edges derived from the LO and
// the other pair. Pure arithmetic on the field texts; the caller writes the
// results into the fields.

#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

enum class QuickFill {
    RFFromMarkersSum,  // RF start, stop <- LO + marker 1, LO + marker 2
    RFFromMarkersDiff, // RF start, stop <- |LO - marker 1|, |LO - marker 2|
    MarkersFromRFSum,  // markers <- LO + RF start, LO + RF stop
    MarkersFromRFDiff, // markers <- |LO - RF start|, |LO - RF stop|
    IFStart,           // floor(M1 - (M2 - M1) / 2)
    IFStop,            // floor(M2 + (M2 - M1) / 2)
};

// The texts a quick-fill reads. LO is always the fixed LO field, also while
// the LO tracks the RF.
struct QuickFillTexts {
    std::string_view lo, rfStart, rfStop, marker1, marker2;
};

// The texts to write, in writing order (two for the pairs, one for an IF
// edge). Empty when the quick-fill does nothing: an IF edge from a marker
// that is not a number, or any result beyond the range of a double.
std::vector<std::string> quickFill(QuickFill kind, const QuickFillTexts& texts);

} // namespace kestrel
