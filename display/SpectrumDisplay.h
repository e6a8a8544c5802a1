#pragma once
// The operations that show a solved step on the analyzer: they place the
// spur lines and markers and write the read-outs. The sweep and single-step
// drivers use them; they read the main window only through DisplaySource.

#include <QString>
#include <functional>

#include "display/AnalyzerPanel.h"
#include "display/LimitOverlay.h"
#include "engine/PairLevels.h"
#include "engine/SpurMatrix.h"

class QLabel;

namespace kestrel::display {

// What the operations read from the main window, at the moment they run.
struct DisplaySource {
    const SpurMatrix* matrix = nullptr;
    const WorkingState* state = nullptr; // IFStart, IFStop of the last solve
    std::function<QString()> freqUnit;
    std::function<QString()> marker1Text, marker2Text;
    std::function<QString()> ifStartText, ifStopText;
};

// The read-out labels under and inside the panel.
struct DisplayReadouts {
    QLabel* ifDisFreq = nullptr; // lblIfDisFreq, (1, 1) difference
    QLabel* ifSum = nullptr;     // lblIFSUM, (1, 1) sum
    QLabel* rfAna = nullptr;     // lblRFANA, RF of the step inside the panel
    QLabel* ifDispLo = nullptr;  // lblIfDispLo, span start
    QLabel* disIFHI = nullptr;   // lblDisIFHI, span stop
};

class SpectrumDisplay {
public:
    SpectrumDisplay(AnalyzerPanel& panel, DisplayReadouts readouts, DisplaySource source);

    AnalyzerPanel& panel() const { return panel_; }

    // x of f on the span of the last solve.
    float FreqToX(float f) const;

    // False when the span of the last solve is empty: no x can be computed.
    bool spanUsable() const;

    // Shows the line at the x of f. With an empty span nothing changes and
    // the answer is false.
    bool PlaceSpurLine(LineShape& line, float f);

    // Reads both marker fields into Marker1Freq and Marker2Freq and places
    // Mrkr1, then Mrkr2. A field that is no number, or an empty span, leaves
    // everything as it was and answers false.
    bool PlaceMarkers();
    float marker1Freq() const { return marker1Freq_; }
    float marker2Freq() const { return marker2Freq_; }

    // (1, 1) difference and sum with two decimals, the RF with its unit.
    void ShowStepReadouts(int k);

    // The span edges under the panel follow the fields (not the axis).
    void ShowEdgeLabels();

    // The orders of the last solve. A replay places only the lines of pairs
    // within them and hides the others: entries beyond them are left over
    // from an earlier solve (or never solved) and no product of this design.
    void setSolvedOrders(int mMax, int nMax);

    // Right after a solve, before any step: the lines that an earlier solve
    // left on the panel move to the x of their frequency on the new span, so
    // that the pointer read-out and the hover agree about them; those of
    // pairs beyond the new orders, and every line when the new span is
    // empty, are hidden.
    void settleAfterSolve();

    // Places the lines of step k in the replay order: the 52 difference lines,
    // then the 68 sum lines.
    void placeDifferenceLines(int k);
    void placeSumLines(int k);
    void placeStepLines(int k);

    // One immediate redraw of the panel and the read-outs, after a step has
    // been placed completely.
    void redrawNow();

    // Top ends of the pairs' sum and difference lines; the (1, 1) lines keep
    // theirs. A line whose pair has no level lies flat on the baseline:
    // nothing that was never estimated or measured is drawn as if it were.
    void ApplySpurLevels(const PairLevels& levels);

    // What the filters and the limit line show at each step; every replay
    // step copies its entry onto the lines and the mask. Empty: no line
    // fails, the mask is hidden and the tops are the pair levels again.
    void setOverlay(std::vector<StepOverlay> overlay);
    bool hasOverlay() const { return !overlay_.empty(); }
    // The step whose lines were placed last; -1 before any.
    int lastStep() const { return lastStep_; }
    // The overlay of the step last placed (or of step 0) onto what is shown.
    void showOverlay();

private:
    AnalyzerPanel& panel_;
    DisplayReadouts readouts_;
    DisplaySource source_;
    void placeLine(int replayIndex, float f);
    void applyLook(int replayIndex, int k);
    void applyMask(int k);

    int mMax_ = kMaxOrder;
    int nMax_ = kMaxOrder;
    float marker1Freq_ = 0;
    float marker2Freq_ = 0;
    std::vector<StepOverlay> overlay_;
    std::optional<PairLevels> levels_; // the last pair levels applied
    int lastStep_ = -1;                // the step whose lines were placed last
};

} // namespace kestrel::display
