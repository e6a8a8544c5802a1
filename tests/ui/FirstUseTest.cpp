#include <gtest/gtest.h>

#include <QCheckBox>
#include <QProcess>

#include "GuiTestSupport.h"
#include "ui/frmKestrel.h"
#include "ui/frmMixer.h"

// A screen reader says what the eye reads on the label beside the control.
TEST(AccessibleNames, ControlsAreNamedAfterTheLabelBesideThem) {
    frmKestrel w;
    const std::pair<const char*, const char*> named[] = {
        {"chkOffset", "Lock LO to RF"}, {"txtLOFreq", "Frequency"}, {"txtLOPower", "LO Power"},
        {"txtLoOffset", "Enter +/- Frequency Offset for Locked LO"}, {"cboLOHar", "Harmonics"},
        {"txtRFStop", "RF Stop"}, {"cboSteps", "Steps"}, {"cboRFHar", "Harmonics"}, {"txtIFStop", "Stop"},
        {"txtMarker2", "Marker 2"}, {"cboSweepSpeed", "Swp Speed"}, {"txtProject", "Project Name"},
        {"FileErase", "ERASE a design: double-click a file"}, {"txtRFDisFreq", "RF Input"},
        {"txtConversionLoss", "Conversion Loss (db)"}, {"txtLOIsolation", "LO to IF Isolation (dB)"},
    };
    for (const auto& [name, accessible] : named) {
        auto* control = w.findChild<QWidget*>(QLatin1String(name));
        if (!control) control = w.mixerWindow()->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->accessibleName(), accessible) << name;
    }
    EXPECT_EQ(kestrel::guitest::child<QCheckBox>(&w, "chkOffset")->text(), "Check1"); // kept, never shown
}

// The real program with no display at all: trying to open a window would
// fail, so a clean exit with the text shows that none was tried.
TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
    const char* usage = "Usage: kestrel [--help | --version]";
    const std::pair<QStringList, const char*> cases[] = {{{"--help"}, usage}, {{"-v"}, "Kestrel II 3.2"},
        {{"--version", "-h"}, usage}, {{"-platform", "xcb", "--version"}, "Kestrel II 3.2"}};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    for (const auto& [args, firstLine] : cases) {
        QProcess kestrel;
        kestrel.setProcessEnvironment(env);
        kestrel.start(QStringLiteral(KESTREL_EXECUTABLE), args);
        ASSERT_TRUE(kestrel.waitForFinished(60000)) << firstLine;
        EXPECT_TRUE(kestrel.exitStatus() == QProcess::NormalExit && kestrel.exitCode() == 0) << firstLine;
        EXPECT_EQ(QString::fromUtf8(kestrel.readAllStandardOutput()).section('\n', 0, 0), firstLine);
        EXPECT_EQ(kestrel.readAllStandardError(), "");
    }
}
