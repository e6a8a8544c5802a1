#include "ui/frmMixer.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <array>

#include "engine/DesignConstants.h"
#include "ui/LayoutBuilder.h"

namespace {

using kestrel::ui::ControlSpec;
using K = kestrel::ui::Kind;

constexpr int kClientWidth = 3270; // twips
constexpr int kClientHeight = 1455;

// In tab order.
constexpr std::array kLayout = std::to_array<ControlSpec>({
    {"Label1", "", K::Label, 240, 240, 1575, 255, "Conversion Loss (db)"},
    {"Label2", "", K::Label, 240, 600, 1695, 255, "RF to IF Isolation (dB)"},
    {"Label3", "", K::Label, 240, 960, 1815, 375, "LO to IF Isolation (dB)"},
    {"txtConversionLoss", "", K::Text, 2160, 240, 615, 285, kestrel::initial::ConversionLoss},
    {"txtRFIsolation", "", K::Text, 2160, 600, 615, 285, kestrel::initial::RFIsolation},
    {"txtLOIsolation", "", K::Text, 2160, 960, 615, 285, kestrel::initial::LOIsolation},
});

} // namespace

frmMixer::frmMixer() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmMixer"));
    setWindowTitle(QStringLiteral("Mixer Parameters"));
    const QRect client = kestrel::ui::twipsToPixels(0, 0, kClientWidth, kClientHeight);
    setFixedSize(client.size());

    const auto controls = kestrel::ui::buildControls(this, kLayout);
    conversionLoss_ = qobject_cast<QLineEdit*>(controls.value(QStringLiteral("txtConversionLoss")));
    rfIsolation_ = qobject_cast<QLineEdit*>(controls.value(QStringLiteral("txtRFIsolation")));
    loIsolation_ = qobject_cast<QLineEdit*>(controls.value(QStringLiteral("txtLOIsolation")));

    // Placed once, in the middle of the screen, whether shown or not.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
}
