#include "ui/frmMixer.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShortcut>
#include <QWindow>
#include <array>

#include "engine/DesignConstants.h"
#include "ui/LayoutBuilder.h"
#include "ui/WindowCentring.h"
#include "ui/MessageBoxes.h"

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

constexpr std::array kLabels = std::to_array<kestrel::ui::LabelledControl>({
    {"txtConversionLoss", "Label1"},
    {"txtRFIsolation", "Label2"},
    {"txtLOIsolation", "Label3"},
});

// The window has no border of its own.
constexpr std::array kLines = std::to_array<kestrel::display::LineSpec>({
    {"Line1", 120, 120, 120, 1320},
    {"Line2", 3120, 120, 120, 120},
    {"Line3", 3120, 1320, 120, 1320},
    {"Line4", 3120, 120, 3120, 1320},
});

struct QuickHelp {
    const char* text;
    const char* tutorial;
};

constexpr std::array<QuickHelp, 3> kLabelHelp = {{
    {"Enter Conversion Loss Specification for MIXER (Updated when RF Input Power or LO Power "
     "is changed)...",
     "TUTORIAL: Use 8 dB "},
    {"Enter RF INPUT to RF(IF) OUTPUT Isolation Specification for MIXER (Updated when RF Input "
     "Power or LO Power is changed)...",
     "TUTORIAL: Use 25 dB "},
    {"Enter LO INPUT to RF(IF) OUTPUT Isolation Specification for MIXER (Updated when RF Input "
     "Power or LO Power is changed)... ",
     "TUTORIAL: Use 25 dB "},
}};

} // namespace

// A tool window: the window system keeps it above the window it belongs to.
frmMixer::frmMixer() : LineCanvas(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmMixer"));
    setWindowTitle(QStringLiteral("Mixer Parameters"));
    const QRect client = kestrel::ui::twipsToPixels(0, 0, kClientWidth, kClientHeight);
    setFixedSize(client.size());

    const auto controls = kestrel::ui::buildControls(this, kLayout);
    kestrel::ui::nameAfterLabels(controls, kLabels);
    addLines(kLines);
    conversionLoss_ = qobject_cast<QLineEdit*>(controls.value(QStringLiteral("txtConversionLoss")));
    rfIsolation_ = qobject_cast<QLineEdit*>(controls.value(QStringLiteral("txtRFIsolation")));
    loIsolation_ = qobject_cast<QLineEdit*>(controls.value(QStringLiteral("txtLOIsolation")));
    setTabOrder(conversionLoss_, rfIsolation_);
    setTabOrder(rfIsolation_, loIsolation_);
    for (int i = 0; i < 3; ++i) {
        auto* label = qobject_cast<QLabel*>(controls.value(QStringLiteral("Label%1").arg(i + 1)));
        // The two-line-high caption starts level with its field.
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        labels_[i] = label;
        labels_[i]->installEventFilter(this);
    }

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);

    // Placed once, in the middle of the screen, whether shown or not; it has
    // no frame, so its outer size is its own.
    kestrel::ui::centreOnScreen(this);
}

void frmMixer::showWindow() {
    if (owner_ && owner_->windowHandle()) {
        create();
        windowHandle()->setTransientParent(owner_->windowHandle());
    }
    show();
    raise();
    activateWindow();
}

void frmMixer::Label_Click(int index) {
    const QuickHelp& help = kLabelHelp[index];
    kestrel::ui::showQuickHelp(this, QLatin1String(help.text), QLatin1String(help.tutorial));
}

bool frmMixer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < 3; ++i)
            if (watched == labels_[i]) {
                Label_Click(i);
                return true;
            }
    }
    return LineCanvas::eventFilter(watched, event);
}
