// The load and erase lists: contents, showing and hiding, erasing.
#include "DesignFilesFixture.h"

#include <QTest>

using namespace kestrel::filetest;

namespace {

class FileListsUi : public DesignFilesUi {};

TEST_F(FileListsUi, ListsShowTheDesignFilesWithoutTakingTheFocus) {
    for (const char* name : {"b.kst", "a.kst", "notes.txt", "c.kst.bak"}) put(name, {1});
    field("txtRFStart")->setFocus();
    menu("mnuLoad");
    EXPECT_TRUE(loadList()->isVisible());
    EXPECT_EQ(names(loadList()), (QStringList{"a.kst", "b.kst"}));
    EXPECT_TRUE(field("txtRFStart")->hasFocus());

    put("c.kst", {1});
    menu("mnuDelete");
    EXPECT_TRUE(eraseList()->isVisible());
    EXPECT_TRUE(loadList()->isVisible());
    EXPECT_EQ(names(eraseList()), (QStringList{"a.kst", "b.kst", "c.kst"}));
    EXPECT_EQ(eraseList()->geometry(), loadList()->geometry());
    EXPECT_EQ(loadList()->geometry(), QRect(168, 8, 225, 294));
    const auto& siblings = loadList()->parentWidget()->children();
    EXPECT_GT(siblings.indexOf(eraseList()), siblings.indexOf(loadList())); // erase list on top

    menu("mnuLoad"); // shown again: re-read and back on top
    EXPECT_EQ(names(loadList()), (QStringList{"a.kst", "b.kst", "c.kst"}));
    EXPECT_GT(siblings.indexOf(loadList()), siblings.indexOf(eraseList()));
}

TEST_F(FileListsUi, AListHidesOnceItLosesTheFocus) {
    menu("mnuLoad");
    loadList()->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(loadList()->hasFocus());
    put("late.kst", {1});
    field("txtRFStart")->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(loadList()->isVisible());
    EXPECT_EQ(names(loadList()), QStringList{"late.kst"}); // re-read on hiding
}

TEST_F(FileListsUi, ConfirmedEraseDeletesTheFileFromBothLists) {
    put("a.kst", {1});
    put("b.kst", {1});
    field("txtLOFreq")->setText("7");
    ASSERT_TRUE(save("mine").empty());
    const QStringList before = snapshot();
    EXPECT_EQ(pick("mnuDelete", eraseList(), "mine.kst").size(), 1u);
    EXPECT_EQ(entries(), (QStringList{"a.kst", "b.kst"}));
    EXPECT_EQ(snapshot(), before); // the design on the window stays
    menu("mnuLoad");
    menu("mnuDelete");
    EXPECT_EQ(names(loadList()), (QStringList{"a.kst", "b.kst"}));
    EXPECT_EQ(names(eraseList()), (QStringList{"a.kst", "b.kst"}));
}

TEST_F(FileListsUi, EraseFailuresAndEmptyListsAreReported) {
    put("gone.kst", {1});
    menu("mnuDelete");
    eraseList()->setCurrentRow(0);
    QFile::remove("gone.kst");
    {
        BoxAnswerer yes(QMessageBox::Yes);
        w_->FileErase_DblClick();
        ASSERT_EQ(yes.seen().size(), 2u);
        EXPECT_EQ(yes.seen()[1].title, "Erase Mixer File");
        EXPECT_TRUE(yes.seen()[1].text.contains("gone.kst"));
        EXPECT_TRUE(yes.seen()[1].text.contains("No such file or directory"));
    }
    EXPECT_FALSE(eraseList()->isVisible());
    EXPECT_EQ(eraseList()->count(), 0);

    for (auto [menuName, list, title] : {std::tuple{"mnuDelete", eraseList(), "Erase Mixer File"},
                                         std::tuple{"mnuLoad", loadList(), "Load Mixer File"}}) {
        const auto boxes = pick(menuName, list, "none");
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[1].title, title);
        EXPECT_EQ(boxes[1].icon, QMessageBox::Critical);
        EXPECT_FALSE(list->isVisible());
    }
    EXPECT_EQ(w_->windowTitle(), kStartCaption);
}

TEST_F(FileListsUi, DoubleClickingANameAsksFirst) {
    put("a.kst", {1});
    menu("mnuLoad");
    QListWidgetItem* item = loadList()->item(0);
    ASSERT_TRUE(item);
    BoxAnswerer no(QMessageBox::No);
    QTest::mouseDClick(loadList()->viewport(), Qt::LeftButton, {},
                       loadList()->visualItemRect(item).center());
    ASSERT_EQ(no.seen().size(), 1u);
    EXPECT_EQ(no.seen()[0].title, "Overwrite Current Design? (Load New File)");
    EXPECT_FALSE(loadList()->isVisible());
}

TEST_F(FileListsUi, EnterOnASelectedFileDoesWhatADoubleClickDoes) {
    field("txtLOFreq")->setText("7");
    ASSERT_TRUE(save("mine").empty());
    field("txtLOFreq")->setText("9");
    for (auto [key, answer, lo] : {std::tuple{Qt::Key_Return, QMessageBox::No, "9"},
                                   std::tuple{Qt::Key_Enter, QMessageBox::Yes, "7"}}) {
        menu("mnuLoad");
        loadList()->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(loadList(), Qt::Key_Down); // the keyboard selects the one file
        ASSERT_EQ(loadList()->selectedItems().size(), 1);
        BoxAnswerer boxes(answer);
        QTest::keyClick(loadList(), key);
        ASSERT_EQ(boxes.seen().size(), 1u);
        EXPECT_EQ(boxes.seen()[0].title, "Overwrite Current Design? (Load New File)");
        EXPECT_EQ(field("txtLOFreq")->text(), lo);
        EXPECT_FALSE(loadList()->isVisible());
    }
}

} // namespace
