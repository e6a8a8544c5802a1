#include "display/PointerReadout.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "display/DisplayMapping.h"
#include "display/LineShape.h"
#include "display/SpectrumDisplay.h"
#include "engine/NumberText.h"

namespace kestrel::display {

double pointerFrequency(double start, double stop, double xTwips) {
    return start + (stop - start) * xTwips / kAxisWidth;
}

PointerReadout::PointerReadout(ReplayHost host) : host_(std::move(host)) {
    AnalyzerPanel& panel = host_.display->panel();
    panel.setMouseTracking(true);
    panel.installEventFilter(this);
    // The label takes the pointer for itself: moves and clicks over it are
    // not the panel's.
    host_.lblRFANA->setAttribute(Qt::WA_NoMousePropagation);
}

double PointerReadout::mode() const {
    return leadingNumber(host_.lblMOUSEPOINTER->text().toStdString());
}

void PointerReadout::Frame4_MouseMove(double xTwips) {
    const auto start = toDoubleStrict(host_.txtIFStart->text().toStdString());
    const auto stop = toDoubleStrict(host_.txtIFStop->text().toStdString());
    // A pointer move never raises a box: with a field that is no number the
    // read-out stays as it is.
    if (!start || !stop) return;
    const double f = pointerFrequency(*start, *stop, xTwips);
    const double m = mode();
    const QString unit = m == 1 ? host_.freqUnit() : QStringLiteral("<F>");
    QLabel& label = *host_.lblRFANA;
    if (m != 0) {
        label.setText(QString::fromStdString(formatFixed2(f)) + unit);
        label.repaint();
        host_.state->PointerRefFreq = toSingle(f);
        if (m == 1) return;
    }
    label.setText(QString::fromStdString(formatFixed2(f - double(host_.state->PointerRefFreq))) + unit);
    label.repaint();
}

void PointerReadout::Frame4_Click() {
    QLabel& label = *host_.lblMOUSEPOINTER;
    label.setText(mode() != 1 ? QStringLiteral("1") : QStringLiteral("0"));
    if (mode() != 0) label.setText(QStringLiteral("1"));
}

bool PointerReadout::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        Frame4_MouseMove(static_cast<QMouseEvent*>(event)->position().x() * kTwipsPerPixel);
        break;
    case QEvent::MouseButtonPress:
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A click: pressed and released on the panel.
        if (pressed_ && mouse->button() == Qt::LeftButton &&
            host_.display->panel().rect().contains(mouse->position().toPoint()))
            Frame4_Click();
        pressed_ = false;
        break;
    }
    default: break;
    }
    return false;
}

} // namespace kestrel::display
