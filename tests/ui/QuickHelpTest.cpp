#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "GuiTestSupport.h"
#include "ui/HelpViewer.h"
#include "ui/QuickHelp.h"
#include "ui/QuickHelpTable.h"
#include "ui/frmKestrel.h"

using namespace kestrel::guitest;
using kestrel::ui::QuickHelpEntry;

namespace {

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString expectedPrompt(const QuickHelpEntry& e) {
    return e.tutorial.empty() ? qstr(e.text) : qstr(e.text) + "\r\n\r\n\r\n" + qstr(e.tutorial);
}

class QuickHelpBoxes : public ::testing::Test {
protected:
    void SetUp() override { showAndActivate(&w); }
    void TearDown() override { closeAllTopLevels(); }
    frmKestrel w;
};

QWidget* viewer() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "helpViewer") return top;
    return nullptr;
}

} // namespace

TEST_F(QuickHelpBoxes, EveryControlOfTheTableAnswersWithItsBox) {
    int found = 0;
    for (const QuickHelpEntry& entry : kestrel::ui::mainWindowQuickHelp()) {
        QWidget* control = child<QWidget>(&w, std::string(entry.control).c_str());
        ASSERT_NE(control, nullptr) << entry.control;
        ++found;
        BoxAnswerer answer(QMessageBox::Ok);
        QTest::mouseClick(control, Qt::LeftButton);
        ASSERT_EQ(answer.seen().size(), 1u) << entry.control;
        const BoxSeen& box = answer.seen().front();
        EXPECT_EQ(box.title, "QwkHelp") << entry.control;
        EXPECT_EQ(box.text, expectedPrompt(entry)) << entry.control;
        EXPECT_EQ(box.icon, QMessageBox::NoIcon) << entry.control;
        EXPECT_EQ(box.buttons, QMessageBox::Ok | QMessageBox::Help) << entry.control;
        showAndActivate(&w);
    }
    EXPECT_EQ(found, 21);
    EXPECT_EQ(viewer() ? viewer()->isVisible() : false, false); // Ok opens nothing
}

TEST_F(QuickHelpBoxes, LOPowerCaptionReadsTextTwoEmptyLinesAndTutorial) {
    BoxAnswerer answer;
    QTest::mouseClick(child<QWidget>(&w, "Label1"), Qt::LeftButton);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text,
              "Enter the LOCAL OSCILLATOR POWER applied to the mixer.. Automatic update of SPUR "
              "Levels when you move to the next data field (Tab)\r\n\r\n\r\nTUTORIAL: Use 10 dBm  ");
}

TEST(QuickHelpTable, TheAnalyzerRangeControlsShareOneText) {
    std::vector<std::string_view> texts;
    for (const QuickHelpEntry& e : kestrel::ui::mainWindowQuickHelp())
        for (const char* name : {"Label6", "lblIfDispLo", "lblDisIFHI", "lblIFSUM", "lblIfDisFreq"})
            if (e.control == name) texts.push_back(e.text);
    ASSERT_EQ(texts.size(), 5u);
    for (std::string_view t : texts) EXPECT_EQ(t, texts.front());
    EXPECT_TRUE(texts.front().ends_with("INPUT. "));
}

TEST_F(QuickHelpBoxes, HelpButtonOpensTheViewer) {
    BoxAnswerer answer(QMessageBox::Help);
    QTest::mouseClick(child<QWidget>(&w, "Label7"), Qt::LeftButton);
    ASSERT_EQ(answer.seen().size(), 1u);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_TRUE(viewer()->isVisible());
}

TEST_F(QuickHelpBoxes, ClickingChangesNothingElseAndOnlyTheLeftButtonCounts) {
    BoxAnswerer answer;
    QTest::mouseClick(child<QWidget>(&w, "Label2"), Qt::RightButton);
    QTest::mouseClick(child<QWidget>(&w, "Label11"), Qt::LeftButton); // "dBm": no quick help
    EXPECT_TRUE(answer.seen().empty());
}

TEST(QuickHelpWiring, ControlsCreatedLaterConnectWhenAttachedAgain) {
    QWidget window;
    static constexpr std::array<QuickHelpEntry, 1> table{{{"lblLate", "Late text ", "TUTORIAL: x "}}};
    kestrel::ui::QuickHelp help;
    help.attach(&window, table); // nothing to watch yet, and no crash
    auto* late = new QLabel(QStringLiteral("late"), &window);
    late->setObjectName(QStringLiteral("lblLate"));
    help.attach(&window, table);
    help.attach(&window, table); // watched once, so one box per click
    window.show();
    BoxAnswerer answer;
    QTest::mouseClick(late, Qt::LeftButton);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "Late text \r\n\r\n\r\nTUTORIAL: x ");
}
