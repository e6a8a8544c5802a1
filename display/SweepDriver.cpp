#include "display/SweepDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "display/SpectrumDisplay.h"
#include "engine/NumberText.h"
#include "engine/SpurSolver.h"

namespace kestrel::display {
namespace {

constexpr double kIterationsPerSweep = 2'500'000'000.0;
constexpr QRgb kSpur6x5SweepColor = 0xFF004000; // RGB (0, 64, 0)
constexpr int kSweepsPerRun = 10;
// Below this much time left the wait spins instead of sleeping: a timer
// wakes up to a millisecond late.
constexpr qint64 kSpinNs = 2'000'000;

bool isUserInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu: return true;
    default: return event->isInputEvent();
    }
}

} // namespace

double stepWaitIterations(double speed, int numSteps) {
    const double wait = (kIterationsPerSweep / speed) / (numSteps + 1);
    // A counting loop from 1 up to the wait: none below 1 (nor for a speed
    // that is no positive number).
    return wait >= 1 && std::isfinite(wait) ? std::floor(wait) : 0;
}

SweepDriver::SweepDriver(ReplayHost host) : host_(std::move(host)) {
    connect(host_.chkSingle, &QCheckBox::toggled, this, &SweepDriver::chkSingle_Click);
}

void SweepDriver::chkSingle_Click() {
    host_.chkSingle->setText(host_.chkSingle->isChecked() ? QStringLiteral("1 Sweep")
                                                          : QStringLiteral("10 Swps"));
}

double SweepDriver::speed() const {
    return toDoubleStrict(host_.cboSweepSpeed->currentText().toStdString()).value_or(0);
}

void SweepDriver::cmdSweep_Click() {
    if (sweeping_ || !replayMayStart(host_)) return;
    SpectrumDisplay& display = *host_.display;
    display.panel().setCursor(Qt::CrossCursor);
    host_.cmdSweep->setEnabled(false);
    host_.lblWorking4->hide();
    host_.lblWorking3->hide();
    display.PlaceMarkers(); // once per press, not per sweep

    sweeping_ = true;
    closeRequested_ = false;
    QCoreApplication::instance()->installEventFilter(this);
    clock_.start();
    dueNs_ = 0;

    const int numSteps = host_.state->NumSteps;
    const int last = lastSolvedStep(*host_.state);
    int sweepsDone = 0;
    bool going = true;
    while (going) {
        for (int k = 0; k <= last && going; ++k) {
            showStep(k);
            going = wait(stepWaitIterations(speed(), numSteps));
        }
        if (!going || !wait(kAfterSweepIterations)) break;
        if (++sweepsDone == kSweepsPerRun) host_.chkSingle->setChecked(true);
        going = !host_.chkSingle->isChecked();
    }

    QCoreApplication::instance()->removeEventFilter(this);
    sweeping_ = false;
    host_.cmdSweep->setEnabled(true);
    host_.lblStepPointer->setText(QStringLiteral("0"));
    if (closeRequested_) display.panel().window()->close();
}

void SweepDriver::showStep(int k) {
    SpectrumDisplay& display = *host_.display;
    display.ShowStepReadouts(k);
    display.placeDifferenceLines(k);
    display.panel().spurLine({6, 5, false})->setColor(QColor::fromRgb(kSpur6x5SweepColor));
    display.placeSumLines(k);
    // The whole step on screen before its wait.
    display.redrawNow();
}

bool SweepDriver::wait(double iterations) {
    // Deadlines run from the start of the sweep, so drawing time does not add up.
    dueNs_ += iterations * kWaitIterationNs;
    for (;;) {
        if (closeRequested_) return false;
        const qint64 left = qint64(dueNs_) - clock_.nsecsElapsed();
        if (left <= 0) return true;
        if (left > kSpinNs) {
            QEventLoop loop;
            waitLoop_ = &loop;
            QTimer::singleShot(int((left - kSpinNs / 2) / 1'000'000), Qt::PreciseTimer, &loop,
                               &QEventLoop::quit);
            // A loop that cannot run means the application is on its way out.
            if (loop.exec() != 0) closeRequested_ = true;
            waitLoop_ = nullptr;
        } else {
            QCoreApplication::processEvents();
        }
    }
}

bool SweepDriver::eventFilter(QObject* watched, QEvent* event) {
    if (!sweeping_) return false;
    if (event->type() == QEvent::Close && watched == host_.display->panel().window()) {
        // The window stays until the sweep has wound down, then closes.
        event->ignore();
        closeRequested_ = true;
        if (waitLoop_) waitLoop_->quit();
        return true;
    }
    return isUserInput(event);
}

} // namespace kestrel::display
