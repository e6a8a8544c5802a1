#include "ui/frmAboutKestrel.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <array>

#include "ui/Fonts.h"
#include "ui/LayoutBuilder.h"
#include "ui/WindowCentring.h"

namespace {

using kestrel::ui::ControlSpec;
using K = kestrel::ui::Kind;

constexpr int kClientWidth = 5520; // twips
constexpr int kClientHeight = 2775;

// The contact lines point to help that exists: the manual, the README and
// the licence ("Free, No Warranty"). The package carries the licence in its
// copyright file (a separate LICENSE file in the doc folder is not Debian's
// way); the tool tip gives the full path.
constexpr std::array kLayout = std::to_array<ControlSpec>({
    {"lblTitle", "", K::Label, 240, 240, 5070, 240, "Mixer Spurious Analysis - Kestrel II Developers"},
    {"lblProduct", "", K::Label, 1080, 840, 3315, 240, "Kestrel II 3.2 - Free, No Warranty"},
    {"lblContact", "", K::Label, 480, 1320, 2295, 255, "Help and information:"},
    {"lblContactLine(0)", "", K::Label, 1800, 1920, 1500, 195, "Manual: press F1"},
    {"lblContactLine(1)", "", K::Label, 1800, 2160, 1965, 195, "Getting started: README"},
    {"lblContactLine(2)", "", K::Label, 1800, 2400, 1950, 195, "GPL 3 or later: copyright"},
});

// Where the package installs it, relative to the executable's folder.
constexpr const char* kLicencePath = "../share/doc/kestrel-ii/copyright";

// The separator under the title, solid, 3 pixels wide.
constexpr int kSeparatorLeft = 360, kSeparatorRight = 5040, kSeparatorY = 600;

int px(int twips) { return kestrel::ui::twipsToPixels(twips, 0, 0, 0).x(); }

} // namespace

// A fixed box with only a close control, like any about box.
frmAboutKestrel::frmAboutKestrel()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAboutKestrel"));
    setWindowTitle(QStringLiteral("About Kestrel II"));
    setFixedSize(kestrel::ui::twipsToPixels(0, 0, kClientWidth, kClientHeight).size());

    const auto labels = kestrel::ui::buildControls(this, kLayout);
    QFont bold = kestrel::ui::plainFont();
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    for (const char* name : {"lblTitle", "lblProduct"})
        labels.value(QLatin1String(name))->setFont(bold);
    for (const char* name : {"lblContact", "lblContactLine(0)", "lblContactLine(1)", "lblContactLine(2)"})
        labels.value(QLatin1String(name))->setFont(kestrel::ui::plainFont());
    labels.value(QStringLiteral("lblContactLine(2)"))->setToolTip(
        QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kLicencePath))));

    // The box has no buttons: Esc is the keyboard's way to close it.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void frmAboutKestrel::showAbout() {
    // Loading it again after a close centres it again; an open one stays put.
    if (!isVisible()) {
        kestrel::ui::centreOnScreen(this);
        show();
    } else if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void frmAboutKestrel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(px(kSeparatorLeft), px(kSeparatorY), px(kSeparatorRight), px(kSeparatorY));
}
