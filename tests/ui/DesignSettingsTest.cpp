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
    {"chkShade", "1"},          {"chkShadeBands", "1"},
};

class DesignSettingsUi : public DesignFilesUi {
protected:
    // The control of that name in whichever window holds it.
    QWidget* control(const char* name) {
        w_->spurTools().finderWindow(); // its settings exist before it is shown
        w_->spurTools().chartWindow();
        w_->ifPlanner();
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
    // The window, the settings above and the valid values a refused file holds.
    QStringList everything() {
        return snapshot() + values() + QStringList{value("txtPlanGuard"), value("txtIMTRFRef")};
    }
};

TEST_F(DesignSettingsUi, SettingsTravelInTheFileAndOldFilesLeaveThemAlone) {
    const QStringList start = values();
    for (const auto& [name, v] : kChanged) set(name, v);
    ASSERT_TRUE(save("full").empty());
    for (int i = 0; const auto& [name, v] : kChanged) set(name, start[i++]);
    load("full.kst");
    for (const auto& [name, v] : kChanged) EXPECT_EQ(value(name), v) << name;

    ASSERT_TRUE(save("again").empty()); // saved again, the loaded design writes the same bytes
    EXPECT_EQ(bytesOf("again.kst"), bytesOf("full.kst"));

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

// Each stored value as its field's own check would judge it when typed; the
// box names the field as the user sees it, and no control changes.
TEST_F(DesignSettingsUi, OneValueItsFieldWouldRefuseRefusesTheWholeFile) {
    const std::tuple<std::vector<std::string>, const char*, const char*> cases[] = {
        {{"txtIMTRFRef=1e39"}, "\"Measured at RF power (dBm)\" in \"Mixer Spur Table\"", "txtIMTRFRef"},
        {{"txtPlanGuard=-1"}, "\"Guard\" in \"IF Planner\"", "txtPlanGuard"},
        {{"txtPlanThreshold=1e39"}, "\"Count products at or above (dBc)\" in \"IF Planner\"", "txtPlan"},
        {{"txtConversionLoss=1e39"}, "\"Conversion Loss (db)\" in \"Mixer Parameters\"", "txtConv"},
        {{"chkSUMONLY=yes"}, "\"Calculate SUM ONLY\"", "chkSUMONLY"},
        {{"gridIMT(3)=,,x,,,,,,,,"}, "\"3xRF\" in \"Mixer Spur Table\"", "gridIMT"},
        {{"cboRFHar=4", "cboRFHar=5"}, "\"Harmonics\" in \"RF Input Parameters\" is stored twice", "cboRFHar"},
    };
    for (const auto& [bad, named, objectName] : cases) {
        // Valid values before the bad one, each different from the window's.
        std::vector<std::string> records = {"KESTREL-EXT 1 " + std::to_string(3 + bad.size()), "cboLOHar=3",
                                            "txtPlanGuard=2", "txtIMTRFRef=-20"};
        records.insert(records.end(), bad.begin(), bad.end());
        Bytes file = withTextRecords(defaultDesignFile(), records);
        patch(file, 250, {0x00, 0x00, 0xF0, 0x41}); // LO 30
        put("bad.kst", file);
        const QStringList before = everything();
        const auto boxes = load("bad.kst");
        ASSERT_EQ(boxes.size(), 2u) << objectName;
        EXPECT_TRUE(boxes[1].text.contains(QLatin1String(named)) && !boxes[1].text.contains(QLatin1String(objectName)))
            << boxes[1].text.toStdString();
        EXPECT_EQ(everything(), before) << objectName;
    }
    // A save that cannot store a value names its field the same way.
    set("txtConversionLoss", "1e999");
    const auto boxes = save("big");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("\"Conversion Loss (db)\" in \"Mixer Parameters\""));
    EXPECT_TRUE(entries().contains("bad.kst") && !entries().contains("big.kst"));
}

} // namespace
