#include <gtest/gtest.h>

#include <QCheckBox>
#include <QProcess>
#include <QProcessEnvironment>

#include "GuiTestSupport.h"
#include "ui/frmKestrel.h"
#include "ui/frmMixer.h"

using namespace kestrel::guitest;

namespace {

struct NamedControl {
    const char* control;
    const char* accessibleName;
};

// What a screen reader must say for the controls whose caption is hidden
// or sits on a label beside them.
constexpr NamedControl kMainWindow[] = {
    {"chkOffset", "Lock LO to RF"}, {"txtLOFreq", "Frequency"},
    {"txtLoOffset", "Enter +/- Frequency Offset for Locked LO"},
    {"txtLOPower", "LO Power"},     {"cboLOHar", "Harmonics"},
    {"txtRFStart", "RF Start"},     {"txtRFStop", "RF Stop"},
    {"cboSteps", "Steps"},          {"txtRFPower", "RF Power"},
    {"cboRFHar", "Harmonics"},      {"txtIFStart", "Start"},
    {"txtMarker1", "Marker 1"},     {"txtMarker2", "Marker 2"},
    {"txtIFStop", "Stop"},          {"cboSweepSpeed", "Swp Speed"},
    {"txtRFDisFreq", "RF Input"},   {"txtProject", "Project Name"},
    {"FileMixer", "Load a design: double-click a file"},
    {"FileErase", "ERASE a design: double-click a file"},
};

constexpr NamedControl kMixerWindow[] = {
    {"txtConversionLoss", "Conversion Loss (db)"},
    {"txtRFIsolation", "RF to IF Isolation (dB)"},
    {"txtLOIsolation", "LO to IF Isolation (dB)"},
};

void expectNames(QWidget* window, std::span<const NamedControl> table) {
    for (const NamedControl& c : table) {
        auto* control = child<QWidget>(window, c.control);
        ASSERT_NE(control, nullptr) << c.control;
        EXPECT_EQ(control->accessibleName(), c.accessibleName) << c.control;
    }
}

} // namespace

TEST(AccessibleNames, ControlsAreNamedAfterTheLabelBesideThem) {
    frmKestrel w;
    expectNames(&w, kMainWindow);
    expectNames(w.mixerWindow(), kMixerWindow);
    // The lock box keeps its own, never shown caption.
    EXPECT_EQ(child<QCheckBox>(&w, "chkOffset")->text(), "Check1");
    closeAllTopLevels();
}

// The real program, started with no display at all: an attempt to open a
// window would fail, so a clean exit with the text shows none was tried.
TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
    struct Case {
        QStringList args;
        const char* firstLine;
    };
    const Case cases[] = {
        {{"--help"}, "Usage: kestrel [--help | --version]"},
        {{"-h"}, "Usage: kestrel [--help | --version]"},
        {{"--version"}, "Kestrel II 3.2"},
        {{"-v"}, "Kestrel II 3.2"},
        {{"--version", "--help"}, "Usage: kestrel [--help | --version]"},
        {{"-platform", "xcb", "--version"}, "Kestrel II 3.2"},
    };
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    for (const Case& c : cases) {
        QProcess kestrel;
        kestrel.setProcessEnvironment(env);
        kestrel.start(QStringLiteral(KESTREL_EXECUTABLE), c.args);
        ASSERT_TRUE(kestrel.waitForFinished(60000)) << c.args.join(' ').toStdString();
        const QString out = QString::fromUtf8(kestrel.readAllStandardOutput());
        EXPECT_EQ(kestrel.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(kestrel.exitCode(), 0) << c.args.join(' ').toStdString();
        EXPECT_EQ(out.section('\n', 0, 0), c.firstLine) << c.args.join(' ').toStdString();
        EXPECT_TRUE(out.endsWith('\n'));
        EXPECT_EQ(kestrel.readAllStandardError(), "");
    }
}
