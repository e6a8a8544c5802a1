// The mixer's own spur table as the level model of the analyzer.
#include "DesignFilesFixture.h"

#include <QTableWidget>

#include "display/DisplayMapping.h"
#include "ui/frmMixer.h"
#include "ui/planning/frmSpurTable.h"

using namespace kestrel::filetest;

namespace {

class SpurTableUi : public DesignFilesUi {
protected:
    frmSpurTable* table() { return w_->spurTableWindow(); }
    QTableWidget* grid() { return table()->findChild<QTableWidget*>("gridIMT"); }
    QCheckBox* useIt() { return table()->findChild<QCheckBox*>("chkUseIMT"); }
    void edit(int m, int n, const QString& text) { grid()->item(n + 1, m + 1)->setText(text); }
    QString cellText(int m, int n) { return grid()->item(n + 1, m + 1)->text(); }
    double top(const char* line) {
        return get<QWidget>("Frame4")->findChild<QObject*>(line)->property("y1").toDouble();
    }
};

TEST_F(SpurTableUi, TheSwitchMakesTheTableTheLevelModel) {
    get<QPushButton>("cmdCalculate")->click(); // the estimate: (0, 2) at -63 dBc
    ASSERT_EQ(top("Spurs0x2"), 360 + 36 * 63);
    edit(0, 2, "-40");  // measured at RF -10 dBm; the design drives -5 dBm
    edit(8, 3, "-50");  // a pair the estimate has no level for
    EXPECT_EQ(top("Spurs0x2"), 360 + 36 * 63); // not in use yet
    useIt()->click();
    EXPECT_EQ(top("Spurs0x2"), 360 + 36 * (40 - 5)); // (2 - 1) x 5 dB up
    EXPECT_EQ(top("Spurs1x2"), 360 + 36 * 68); // no entry: the estimate
    EXPECT_EQ(top("Spurs1x1"), 360);
    EXPECT_TRUE(table()->findChild<QLabel*>("lblIMTNote")->text().startsWith("Levels: this table"));

    // A cell that is no number is refused and goes back.
    BoxAnswerer boxes;
    edit(0, 2, "abc");
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, "Please Use Numeric Values Only");
    EXPECT_EQ(grid()->item(3, 1)->text(), "-40");

    // The table and its switch travel in the design file.
    ASSERT_TRUE(save("imt").empty());
    table()->cmdIMTClear_Click();
    useIt()->click();
    EXPECT_EQ(top("Spurs0x2"), 360 + 36 * 63);
    load("imt.kst");
    EXPECT_TRUE(useIt()->isChecked());
    EXPECT_EQ(grid()->item(4, 9)->text(), "-50");
    EXPECT_EQ(top("Spurs0x2"), 360 + 36 * 35);

    useIt()->click(); // back to the estimate, exactly
    EXPECT_EQ(top("Spurs0x2"), 360 + 36 * 63);
}

TEST_F(SpurTableUi, ImportTurnsPositiveSuppressionWhenAsked) {
    put("sheet.csv", Bytes{'n', '\\', 'm', ',', '0', ',', '1', '\n', '1', ',', '2', '0', ',', '0', '\n'});
    table()->setPathChooser([](QWidget*, bool) { return QStringLiteral("sheet.csv"); });
    {
        BoxAnswerer yes(QMessageBox::Yes);
        table()->cmdIMTImport_Click();
        ASSERT_EQ(yes.seen().size(), 1u);
        EXPECT_EQ(yes.seen()[0].text, "All values are positive: read them as dB below the wanted output?");
        EXPECT_EQ(yes.seen()[0].icon, QMessageBox::Question);
        EXPECT_EQ(yes.seen()[0].defaultButton, QMessageBox::Yes);
        EXPECT_EQ(table()->table().cell(0, 1), -20);
    }

    put("bad.csv", Bytes{'n', '\\', 'm', ',', '0', '\n', 'x', '\n'});
    table()->setPathChooser([](QWidget*, bool) { return QStringLiteral("bad.csv"); });
    BoxAnswerer ok;
    table()->cmdIMTImport_Click();
    ASSERT_EQ(ok.seen().size(), 1u);
    EXPECT_TRUE(ok.seen()[0].text.startsWith("Row 2, column 1 of bad.csv")) << ok.seen()[0].text.toStdString();
    EXPECT_EQ(table()->table().cell(0, 1), -20); // unchanged
}

TEST_F(SpurTableUi, HandEntriesAndALoadWithTheTableInUse) {
    struct Case { const char* typed; QMessageBox::StandardButton answer; const char* shown;
                  std::optional<double> level; bool bound; };
    const Case cases[] = {
        {"40", QMessageBox::Yes, "-40", -40, false},
        {"40.5", QMessageBox::No, "40.5", 40.5, false}, // a level above the wanted output
        {"-40", QMessageBox::Yes, "-40", -40, false},   {">90", QMessageBox::Yes, ">90", -90, true},
        {"-", QMessageBox::Yes, "", std::nullopt, false}, {"\u2014", QMessageBox::Yes, "", std::nullopt, false},
    };
    for (const Case& c : cases) {
        BoxAnswerer boxes(c.answer);
        edit(0, 2, QString::fromUtf8(c.typed));
        const bool asked = c.typed[0] == '4'; // the two positive numbers alone
        ASSERT_EQ(boxes.seen().size(), asked ? 1u : 0u) << c.typed;
        for (const BoxSeen& box : boxes.seen())
            EXPECT_TRUE(box.text == "The value is positive: read it as dB below the wanted output?" &&
                        box.icon == QMessageBox::Question && box.defaultButton == QMessageBox::Yes);
        EXPECT_EQ(std::tuple(cellText(0, 2).toStdString(), table()->table().cell(0, 2), table()->table().bound(0, 2)),
                  std::tuple(std::string(c.shown), c.level, c.bound)) << c.typed;
    }

    edit(0, 2, "-40"); // measured at RF -10 dBm
    useIt()->click();  // the design drives -5 dBm: 5 dB up
    ASSERT_TRUE(save("drive").empty());
    field("txtRFPower")->setText("0");
    {
        BoxAnswerer boxes;
        get<QPushButton>("cmdCalculate")->click();
    }
    ASSERT_EQ(top("Spurs0x2"), 360 + 36 * 30);
    load("drive.kst"); // the same table and switch: only the loaded drive differs
    EXPECT_EQ(top("Spurs0x2"), 360 + 36 * 35);
}

TEST_F(SpurTableUi, FillWritesTheShortNumberTextAndTheNoteSaysWhyNoLevels) {
    frmMixer* mixer = w_->mixerWindow();
    mixer->txtConversionLoss()->setText("8.3"); // singles: 8.3000002, 24.700001
    mixer->txtLOIsolation()->setText("24.7");
    field("txtRFPower")->setText("-5.5");
    table()->cmdIMTFill_Click();
    EXPECT_EQ(cellText(1, 0), "-2.9");
    EXPECT_EQ(cellText(0, 2), "-63.5");
    field("txtRFPower")->setText("-5.1");
    table()->cmdIMTFill_Click();
    EXPECT_EQ(table()->findChild<QLineEdit*>("txtIMTRFRef")->text(), "-5.1");
    EXPECT_EQ(cellText(1, 0), "-3.3");
    useIt()->click(); // a mixer figure that is no number: the note says why there are no levels
    mixer->txtConversionLoss()->setText("abc");
    edit(0, 2, "-40");
    EXPECT_EQ(table()->findChild<QLabel*>("lblIMTNote")->text(),
              "No levels: the Mixer Parameters' \"Conversion Loss\" is not a number, so the spur lines keep their last heights.");
}

TEST_F(SpurTableUi, TheMenuBringsAMinimizedWindowBackAndEscClosesIt) {
    get<QAction>("mnuSpurTable")->trigger();
    EXPECT_EQ(table()->focusWidget(), table()->findChild<QLineEdit*>("txtIMTRFRef"));
    table()->showMinimized();
    get<QAction>("mnuSpurTable")->trigger();
    EXPECT_TRUE(table()->isVisible() && !table()->isMinimized());
    for (const char* name : {"txtIMTLORef", "gridIMT", "chkUseIMT", "cmdIMTClear"}) {
        table()->showWindow();
        QWidget* at = table()->findChild<QWidget*>(name);
        at->setFocus();
        if (auto* ref = qobject_cast<QLineEdit*>(at)) ref->setText("13"); // typed and not left: still counts
        QTest::keyClick(at, Qt::Key_Escape);
        EXPECT_FALSE(table()->isVisible()) << name;
    }
    EXPECT_EQ(table()->table().loReference, 13);
}

} // namespace
