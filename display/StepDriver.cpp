#include "display/StepDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "display/SpectrumDisplay.h"
#include "engine/NumberText.h"
#include "engine/SpurSolver.h"

namespace kestrel::display {
namespace {

constexpr QRgb kSpur6x5StepColor = 0xFF008000; // RGB (0, 128, 0)

int listNumber(const QComboBox* box) {
    return toInt16HalfEven(box->currentText().toStdString()).value_or(-1);
}

} // namespace

int stepToShow(int pointer, int numSteps) {
    if (pointer < 0) return numSteps;
    if (pointer > numSteps) return 0;
    return pointer;
}

int pointerForStepBack(int pointer, int numSteps) {
    if (pointer == 1 || pointer == 0) pointer = numSteps + 1;
    return pointer - 2;
}

int StepDriver::pointer() const {
    // Always a decimal integer; anything else reads as no step shown yet.
    return toInt16HalfEven(host_.lblStepPointer->text().toStdString()).value_or(0);
}

void StepDriver::cmdSTEPBACK_Click() {
    if (!replayMayStart(host_)) return; // the pointer stays as it was
    const int numSteps = host_.state->NumSteps;
    host_.lblStepPointer->setText(QString::number(pointerForStepBack(pointer(), numSteps)));
    cmdSingleStep_Click();
}

void StepDriver::showStep(int k) {
    if (!replayMayStart(host_)) return; // the pointer stays as it was
    if (k < 0 || k > host_.state->NumSteps) return;
    host_.lblStepPointer->setText(QString::number(k));
    cmdSingleStep_Click();
}

void StepDriver::cmdSingleStep_Click() {
    if (!replayMayStart(host_)) return;
    SpectrumDisplay& display = *host_.display;
    const int numSteps = host_.state->NumSteps;
    if (numSteps < 0 || lastSolvedStep(*host_.state) < numSteps) return; // no stored step to show

    display.panel().setCursor(Qt::CrossCursor);
    display.PlaceMarkers();
    const int k = stepToShow(pointer(), numSteps);
    display.ShowStepReadouts(k);
    showTrackingLO(k);
    display.panel().spurLine({6, 5, false})->setColor(QColor::fromRgb(kSpur6x5StepColor));
    display.placeStepLines(k);
    display.redrawNow();

    fillGrid(k);

    const QString rf = frequencyText(host_.matrix->RFFreq(k), host_.freqUnit());
    host_.txtRFDisFreq->setText(rf);
    host_.lblWorking2->setText(rf);
    host_.lblWorking2->repaint();
    host_.lblStepPointer->setText(QString::number(k + 1));
    if (shown_) shown_(k);
}

void StepDriver::showTrackingLO(int k) {
    host_.lblWorking3->hide();
    host_.lblWorking4->hide();
    if (host_.chkOffset->checkState() == Qt::Checked) {
        host_.lblWorking3->show();
        host_.lblWorking4->show();
    }
    host_.lblWorking3->setText(frequencyText(host_.matrix->TrackLOFreq(k), host_.freqUnit()));
    host_.lblWorking3->repaint();
}

void StepDriver::fillGrid(int k) {
    const WorkingState& state = *host_.state;
    const int mMax = listNumber(host_.cboLOHar);
    const int nMax = listNumber(host_.cboRFHar);
    const float lo = host_.chkOffset->isChecked() ? host_.matrix->TrackLOFreq(k) : state.LOFreq;
    solveSpurStep(*host_.matrix, k, lo, mMax, nMax);

    GridFillInput in;
    in.mMax = mMax;
    in.nMax = nMax;
    in.ifStart = state.IFStart;
    in.ifStop = state.IFStop;
    in.sumOnly = host_.chkSUMONLY->checkState() == Qt::Checked;
    host_.showGrid(fillStepGrid(*host_.matrix, k, in, host_.gridCells()));
    if (mMax >= 0 && nMax >= 0) host_.lblWorking2->show();
}

} // namespace kestrel::display
