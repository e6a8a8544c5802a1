// What a design file carries beyond its 14 records: the settings of the
// main window, the mixer window and the band finder.
#include "DesignFilesFixture.h"

#include <QComboBox>

#include "ui/SpurTools.h"

using namespace kestrel::filetest;
using kestrel::reference::withTextRecords;

namespace {

// Every setting with a value other than the start-up one.
const std::pair<const char*, const char*> kChanged[] = {
    {"cboLOHar", "3"},          {"cboRFHar", "4"},         {"cboSteps", "50"},
    {"cboSweepSpeed", "500"},   {"chkSUMONLY", "1"},       {"chkSingle", "0"},
    {"txtConversionLoss", "6.5"}, {"txtRFIsolation", "30"}, {"txtLOIsolation", "1e3"},
    {"cboWanted", "LO + RF"},   {"txtThreshold", "-75"},   {"cboMaxOrder", "5"},
    {"chkShade", "1"},
};

class DesignSettingsUi : public DesignFilesUi {
protected:
    // The control of that name in whichever window holds it.
    QWidget* control(const char* name) {
        w_->spurTools().finderWindow(); // its settings exist before it is shown
        for (QWidget* top : QApplication::topLevelWidgets())
            if (QWidget* found = top->findChild<QWidget*>(QLatin1String(name))) return found;
        return nullptr;
    }
    QString value(const char* name) {
        QWidget* c = control(name);
        if (auto* list = qobject_cast<QComboBox*>(c)) return list->currentText();
        if (auto* box = qobject_cast<QCheckBox*>(c)) return box->isChecked() ? "1" : "0";
        return qobject_cast<QLineEdit*>(c)->text();
    }
    void set(const char* name, const QString& v) {
        QWidget* c = control(name);
        if (auto* list = qobject_cast<QComboBox*>(c)) return list->setCurrentText(v);
        if (auto* box = qobject_cast<QCheckBox*>(c)) return box->setChecked(v == "1");
        qobject_cast<QLineEdit*>(c)->setText(v);
    }
    QStringList values() {
        QStringList out;
        for (const auto& [name, v] : kChanged) out << value(name);
        return out;
    }
};

TEST_F(DesignSettingsUi, SettingsTravelInTheFileAndOldFilesLeaveThemAlone) {
    const QStringList start = values();
    for (const auto& [name, v] : kChanged) set(name, v);
    ASSERT_TRUE(save("full").empty());
    for (int i = 0; const auto& [name, v] : kChanged) set(name, start[i++]);
    load("full.kst");
    for (const auto& [name, v] : kChanged) EXPECT_EQ(value(name), v) << name;

    // A file of 14 records holds none of them.
    put("old.kst", defaultDesignFile());
    load("old.kst");
    for (const auto& [name, v] : kChanged) EXPECT_EQ(value(name), v) << name;
}

TEST_F(DesignSettingsUi, LoadedOrdersAndStepsMakeTheMatrixStale) {
    const std::pair<const char*, bool> cases[] = {
        {"cboLOHar=3", true}, {"cboSteps=50", true}, {"chkSUMONLY=1", false}};
    for (const auto& [setting, stale] : cases) {
        get<QPushButton>("cmdCalculate")->click();
        put("s.kst", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 1", setting}));
        load("s.kst");
        EXPECT_EQ(get<QPushButton>("cmdSweep")->isEnabled(), !stale) << setting;
    }
}

TEST_F(DesignSettingsUi, AValueItsControlCannotTakeChangesNothing) {
    for (const char* bad : {"cboRFHar=9", "chkSingle=2", "txtConversionLoss=abc", "cboSweepSpeed="}) {
        put("bad.kst", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 3", "futureSetting=1",
                                                             "cboLOHar=3", bad}));
        field("txtLOFreq")->setText("99");
        const QStringList before = snapshot() + values();
        const auto boxes = load("bad.kst");
        ASSERT_EQ(boxes.size(), 2u) << bad;
        EXPECT_EQ(boxes[1].title, "Load Mixer File");
        EXPECT_EQ(boxes[1].icon, QMessageBox::Critical);
        EXPECT_EQ(snapshot() + values(), before) << bad;
    }
    // Names nobody knows are passed over.
    put("new.kst", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 2", "futureSetting=1", "cboLOHar=3"}));
    EXPECT_EQ(load("new.kst").size(), 1u);
    EXPECT_EQ(value("cboLOHar"), "3");
}

} // namespace
