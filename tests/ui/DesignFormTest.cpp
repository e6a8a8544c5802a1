// The window's design as a value: every value shown in the controls reads
// back unchanged, and values no control holds survive a load and a save.
#include "DesignFilesFixture.h"

#include "files/DesignCodec.h"
#include "files/DesignKeys.h"
#include "ui/DesignForm.h"
using namespace kestrel::filetest;

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

// The start-up design with stored values changed by name, as --set would.
kestrel::Design designWith(const Values& values) {
    kestrel::Design d;
    for (const auto& [name, value] : values) EXPECT_FALSE(kestrel::designfile::setValue(d, name, value)) << name;
    return d;
}

// Values no window holds yet, each different from the start-up design.
kestrel::Design withConverterValues(kestrel::Design d, const std::string& low) {
    d.rfFilter.shape = "Band-pass";
    d.rfFilter.low = low;
    d.rfFilter.points = {{10.0, -1.5}, {12.0, -0.5}};
    d.loFilter.dataName = "lo.s2p";
    d.ifFilter.order = "7";
    d.limits = {kestrel::LimitRow{"30", "35", "-70", "dBc"}, kestrel::LimitRow{"", "", "-40", "dBm"}};
    d.useLimits = true;
    d.respRequired = "72.5";
    return d;
}

// Two designs that differ from the start-up one, and from each other, in
// every value a control holds.
const Values kDesigns[] = {
    {{"chkOffset", "1"}, {"txtLoOffset", "41.25"}, {"txtLOFreq", "18"}, {"txtLOPower", "13"},
     {"txtRFStart", "2.5"}, {"txtRFStop", "3.75"}, {"txtRFPower", "-12"}, {"txtIFStart", "20"},
     {"txtMarker1", "22.5"}, {"txtMarker2", "25"}, {"txtIFStop", "45"}, {"txtProject", "Bench \xE9tude"},
     {"chkProject", "1"}, {"FreqUnit", "MHz"}, {"cboLOHar", "5"}, {"cboRFHar", "6"}, {"cboSteps", "50"},
     {"cboSweepSpeed", "500"}, {"chkSUMONLY", "1"}, {"chkSingle", "0"}, {"txtConversionLoss", "6.5"},
     {"txtRFIsolation", "30"}, {"txtLOIsolation", "1e3"}, {"cboWanted", "LO + RF"}, {"txtThreshold", "-75"},
     {"cboMaxOrder", "5"}, {"chkShade", "1"}, {"chkShadeBands", "1"},
     {"gridIMT(2)", "-30,-25,-40,,,,,,,,"}, {"txtIMTRFRef", "-20"}, {"txtIMTLORef", "10"}, {"chkUseIMT", "1"},
     {"cboPlanWanted", "LO + RF"}, {"cboPlanPoints", "101"}, {"txtPlanFrom", "5.5"}, {"txtPlanTo", "9"},
     {"txtPlanGuard", "0.25"}, {"txtPlanThreshold", "-80"}, {"chkPlanAutoScan", "0"},
     {"chkFinderLimits", "1"}, {"chkPlanLimits", "1"}},
    {{"txtLOFreq", "1e-3"}, {"txtMarker1", "-4"}, {"FreqUnit", "KHz"}, {"txtProject", ""}, {"cboLOHar", "1"},
     {"cboSteps", "5"}, {"txtConversionLoss", "8.0"}, {"cboWanted", "|LO - RF|"}, {"cboMaxOrder", "2"},
     {"gridIMT(0)", ",,,,,,,,,,-90"}, {"gridIMT(8,6)", "-1.25,,,,"}, {"txtIMTRFRef", "0"},
     {"txtPlanGuard", "0"}},
};

class DesignFormUi : public DesignFilesUi {
protected:
    kestrel::ui::DesignForm& form() { return w_->designForm(); }
};

TEST_F(DesignFormUi, EveryValueShownReadsBackUnchanged) {
    for (int i = 0; const Values& values : kDesigns) {
        const kestrel::Design d = withConverterValues(designWith(values), std::to_string(i++));
        BoxAnswerer boxes;
        form().show(d);
        EXPECT_EQ(form().read(), d) << "design " << i;
        // Shown as a load shows it: the unit labels and the project text follow.
        EXPECT_EQ(get<QLabel>("lblFreq(3)")->text().toStdString(), d.unit);
        EXPECT_EQ(field("txtProject")->isVisible(), d.projectChecked);
        EXPECT_TRUE(boxes.seen().empty()) << "design " << i;
    }
}

// A file stores what the controls hold, and a file without filters or a
// limit line means the start-up ones, whatever was shown before it.
TEST_F(DesignFormUi, LoadAndSaveKeepTheBytes) {
    form().show(withConverterValues(kestrel::Design{}, "11"));
    for (int i = 0; const Values& values : kDesigns) {
        const kestrel::Design stored = designWith(values);
        const auto bytes = kestrel::designfile::encodeDesign(stored).bytes;
        ASSERT_TRUE(bytes);
        const QString name = QStringLiteral("d%1").arg(i++);
        put(name + ".kst", *bytes);
        ASSERT_EQ(load(name + ".kst").size(), 1u) << name.toStdString(); // the question only
        EXPECT_EQ(form().read(), stored) << name.toStdString();
        ASSERT_TRUE(save(name).empty()) << name.toStdString();
        EXPECT_EQ(bytesOf(name + ".kst"), *bytes) << name.toStdString();
    }
}

// A save is judged as a load would judge the file, and the box names the field.
TEST_F(DesignFormUi, ASaveRefusesWhatALoadWouldRefuse) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"txtPlanGuard", "-5", "\"Guard\" in \"IF Planner\""},
        {"txtMarker2", "1e39", "\"Marker 2\""},
        {"txtThreshold", "1e999", "\"Count products at or above (dBc)\" in \"Spur-Free Bands\""},
    };
    w_->ifPlanner();
    for (const auto& [name, text, caption] : cases) {
        QLineEdit* edit = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (!edit) edit = top->findChild<QLineEdit*>(QLatin1String(name));
        const QString old = edit->text();
        edit->setText(QLatin1String(text));
        const auto boxes = save("refused");
        edit->setText(old);
        ASSERT_EQ(boxes.size(), 1u) << name;
        EXPECT_TRUE(boxes[0].text.startsWith("The design was not saved: ") && boxes[0].text.contains(caption))
            << boxes[0].text.toStdString();
        EXPECT_TRUE(entries().isEmpty()) << name;
    }
}

} // namespace
