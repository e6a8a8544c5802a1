#include "display/SpectrumDisplay.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <cmath>

#include "engine/NumberText.h"

namespace kestrel::display {
namespace {

// Paints the label's green before the label paints its text. Declared opaque
// (auto-filled) the label would cut the panel's clip into bands around it,
// and the raster engine hands banded fills of the panel to worker threads:
// that doubled the cost of every replay step.
class GreenBehind : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* label = static_cast<QWidget*>(watched);
            QPainter(label).fillRect(label->rect(), label->palette().color(QPalette::Window));
        }
        return false;
    }
};

} // namespace

SpectrumDisplay::SpectrumDisplay(AnalyzerPanel& panel, DisplayReadouts readouts,
                                 DisplaySource source)
    : panel_(panel), readouts_(readouts), source_(std::move(source)) {
    // Green like the panel, hiding the lines beneath it.
    QLabel* rf = readouts_.rfAna;
    QPalette pal = rf->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(kPanelGreen));
    rf->setPalette(pal);
    rf->installEventFilter(new GreenBehind(rf));
}

float SpectrumDisplay::FreqToX(float f) const {
    return display::FreqToX(f, source_.state->IFStart, source_.state->IFStop);
}

bool SpectrumDisplay::spanUsable() const {
    return std::isfinite(FreqToX(source_.state->IFStart)) &&
           std::isfinite(FreqToX(source_.state->IFStop));
}

bool SpectrumDisplay::PlaceSpurLine(LineShape& line, float f) {
    const float x = FreqToX(f);
    // An empty span gives NaN or infinities; nothing sensible to draw.
    if (!spanUsable()) return false;
    line.placeAt(x);
    line.setFrequency(f);
    return true;
}

bool SpectrumDisplay::PlaceMarkers() {
    const auto m1 = toSingleStrict(source_.marker1Text().toStdString());
    const auto m2 = toSingleStrict(source_.marker2Text().toStdString());
    if (!m1 || !m2 || !spanUsable()) return false;
    marker1Freq_ = *m1;
    marker2Freq_ = *m2;
    panel_.marker(1).placeAt(FreqToX(marker1Freq_));
    panel_.marker(1).setFrequency(marker1Freq_);
    panel_.marker(2).placeAt(FreqToX(marker2Freq_));
    panel_.marker(2).setFrequency(marker2Freq_);
    return true;
}

void SpectrumDisplay::ShowStepReadouts(int k) {
    const SpurMatrix& mx = *source_.matrix;
    readouts_.ifDisFreq->setText(QString::fromStdString(formatFixed2(double(mx.DiffSpur(k, 1, 1)))));
    readouts_.ifSum->setText(QString::fromStdString(formatFixed2(double(mx.SumSpur(k, 1, 1)))));
    readouts_.rfAna->setText(QString::fromStdString(shortText(mx.RFFreq(k))) + QLatin1Char(' ') +
                             source_.freqUnit());
}

void SpectrumDisplay::ShowEdgeLabels() {
    readouts_.ifDispLo->setText(source_.ifStartText());
    readouts_.disIFHI->setText(source_.ifStopText());
}

void SpectrumDisplay::placeDifferenceLines(int k) {
    if (!spanUsable()) return;
    const SpurMatrix& mx = *source_.matrix;
    lastStep_ = k;
    applyMask(k);
    for (int i = 0; i < kDifferenceLineCount; ++i) {
        const SpurLineId id = kReplayOrder[i];
        placeLine(i, mx.DiffSpur(k, id.m, id.n));
        applyLook(i, k);
    }
}

void SpectrumDisplay::placeSumLines(int k) {
    if (!spanUsable()) return;
    const SpurMatrix& mx = *source_.matrix;
    lastStep_ = k;
    for (int i = kDifferenceLineCount; i < kSpurLineCount; ++i) {
        const SpurLineId id = kReplayOrder[i];
        placeLine(i, mx.SumSpur(k, id.m, id.n));
        applyLook(i, k);
    }
}

void SpectrumDisplay::setSolvedOrders(int mMax, int nMax) {
    mMax_ = mMax;
    nMax_ = nMax;
}

void SpectrumDisplay::settleAfterSolve() {
    const bool usable = spanUsable();
    const auto settle = [&](LineShape& line, bool solved) {
        if (!line.isVisible()) return;
        const float f = line.frequency();
        if (usable && solved && !std::isnan(f))
            line.placeAt(FreqToX(f));
        else
            line.setVisible(false);
    };
    for (int i = 0; i < kSpurLineCount; ++i) {
        const SpurLineId id = kReplayOrder[i];
        settle(panel_.spurLine(i), id.m <= mMax_ && id.n <= nMax_);
    }
    for (int which : {1, 2}) settle(panel_.marker(which), true);
}

void SpectrumDisplay::placeLine(int replayIndex, float f) {
    LineShape& line = panel_.spurLine(replayIndex);
    const SpurLineId id = kReplayOrder[replayIndex];
    if (id.m > mMax_ || id.n > nMax_) {
        line.setVisible(false);
        return;
    }
    line.placeAt(FreqToX(f));
    line.setFrequency(f);
}

void SpectrumDisplay::placeStepLines(int k) {
    placeDifferenceLines(k);
    placeSumLines(k);
}

void SpectrumDisplay::redrawNow() {
    // One repaint, one flush to the screen, for the panel (with lblRFANA,
    // its child) and the two boxes beside it when they share its parent.
    QWidget* parent = panel_.parentWidget();
    QLabel* boxes[] = {readouts_.ifDisFreq, readouts_.ifSum};
    if (parent && boxes[0]->parentWidget() == parent && boxes[1]->parentWidget() == parent) {
        QRegion region(panel_.geometry());
        for (QLabel* box : boxes) region += box->geometry();
        parent->repaint(region);
        return;
    }
    panel_.repaint();
    for (QLabel* box : boxes) box->repaint();
}

void SpectrumDisplay::ApplySpurLevels(const PairLevels& levels) {
    levels_ = levels;
    for (int i = 0; i < kSpurLineCount; ++i) {
        const SpurLineId id = kReplayOrder[i];
        if (id.m == 1 && id.n == 1) continue;
        const std::optional<double> level = levels.at(id.m, id.n);
        panel_.spurLine(i).setY1(level ? SpurLineTop(*level) : float(kBaselineY));
    }
}

void SpectrumDisplay::applyLook(int replayIndex, int k) {
    if (k < 0 || k >= int(overlay_.size())) return;
    const LineLook& look = overlay_[k].lines[replayIndex];
    LineShape& line = panel_.spurLine(replayIndex);
    if (look.top) line.setY1(*look.top);
    line.setFailsLimit(look.fails);
}

void SpectrumDisplay::applyMask(int k) {
    static const std::vector<QLineF> none;
    // The mask lives on the span of the last solve, like the lines.
    panel_.setMask(k >= 0 && k < int(overlay_.size()) && spanUsable() ? overlay_[k].mask : none);
}

void SpectrumDisplay::setOverlay(std::vector<StepOverlay> overlay) {
    overlay_ = std::move(overlay);
    // Tops the overlay does not set are the pair levels'.
    if (levels_) ApplySpurLevels(*levels_);
    if (overlay_.empty()) {
        for (int i = 0; i < kSpurLineCount; ++i) panel_.spurLine(i).setFailsLimit(false);
        panel_.setMask({});
    }
}

void SpectrumDisplay::showOverlay() {
    if (overlay_.empty()) return;
    const int k = lastStep_ >= 0 && lastStep_ < int(overlay_.size()) ? lastStep_ : 0;
    applyMask(k);
    for (int i = 0; i < kSpurLineCount; ++i) applyLook(i, k);
}

} // namespace kestrel::display
