// Save, load and erase through the menu, the input box and the two file
// lists, in a temporary working directory.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "GuiTestSupport.h"
#include "tests/support/DesignFileVectors.h"
#include "ui/frmKestrel.h"

using namespace kestrel::guitest;
using kestrel::reference::defaultDesignFile;
using kestrel::reference::patch;
using Bytes = std::vector<std::uint8_t>;

namespace {

const QString kStartCaption = QStringLiteral("Kestrel II Spurious Analysis    Version 3.2");
const QString kFileCaption =
    QStringLiteral("Kestrel II Spurious Analysis - Version 3.1      Current File: ");
const char* const kFields[] = {"txtLoOffset", "txtLOFreq",  "txtLOPower", "txtRFStart",
                               "txtRFStop",   "txtRFPower", "txtIFStart", "txtMarker1",
                               "txtMarker2",  "txtIFStop",  "txtProject"};

// Types `text` into the next input box, or cancels it when there is none.
class InputAnswerer {
public:
    explicit InputAnswerer(std::optional<QString> text) : text_(std::move(text)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            title = box->windowTitle();
            label = box->labelText();
            offered = box->textValue();
            if (!text_) return box->reject();
            box->setTextValue(*text_);
            box->accept();
        });
        timer_.start(5);
    }
    QString title, label, offered;

private:
    std::optional<QString> text_;
    QTimer timer_;
};

class DesignFilesUi : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        w_ = std::make_unique<frmKestrel>();
        showAndActivate(w_.get());
    }
    void TearDown() override {
        closeAllTopLevels();
        w_.reset();
        QDir::setCurrent(old_);
    }

    template <class T> T* get(const char* name) { return child<T>(w_.get(), name); }
    QLineEdit* field(const char* name) { return get<QLineEdit>(name); }
    QListWidget* loadList() { return get<QListWidget>("FileMixer"); }
    QListWidget* eraseList() { return get<QListWidget>("FileErase"); }
    void menu(const char* name) { get<QAction>(name)->trigger(); }

    std::vector<BoxSeen> save(const QString& name) {
        BoxAnswerer boxes;
        InputAnswerer input(name);
        menu("mnuSave");
        return boxes.seen();
    }
    // Picks `name` in the list shown by `menuName` and double-clicks it.
    std::vector<BoxSeen> pick(const char* menuName, QListWidget* list, const QString& name,
                              QMessageBox::StandardButton answer = QMessageBox::Yes) {
        menu(menuName);
        const auto found = list->findItems(name, Qt::MatchExactly);
        if (!found.isEmpty()) list->setCurrentItem(found.first());
        BoxAnswerer boxes(answer);
        if (list == loadList())
            w_->FileMixer_DblClick();
        else
            w_->FileErase_DblClick();
        return boxes.seen();
    }
    std::vector<BoxSeen> load(const QString& name, QMessageBox::StandardButton answer = QMessageBox::Yes) {
        return pick("mnuLoad", loadList(), name, answer);
    }

    static void put(const QString& name, const Bytes& bytes) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    static Bytes bytesOf(const QString& name) {
        QFile f(name);
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray all = f.readAll();
        return Bytes(all.begin(), all.end());
    }
    static QStringList entries() {
        return QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
    }
    static QStringList names(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }

    // Everything a load may change, to compare before and after.
    QStringList snapshot() {
        QStringList s{w_->windowTitle(), w_->freqUnit()};
        for (const char* name : kFields) s << field(name)->text() << QString::number(field(name)->isVisible());
        for (int i = 0; i < 7; ++i) s << get<QLabel>(QStringLiteral("lblFreq(%1)").arg(i).toLatin1())->text();
        for (const char* name : {"chkOffset", "chkProject"})
            s << QString::number(get<QCheckBox>(name)->isChecked());
        return s;
    }

    QTemporaryDir dir_;
    QString old_;
    std::unique_ptr<frmKestrel> w_;
};

TEST_F(DesignFilesUi, SaveAsksForANameAndWritesTheExpectedBytes) {
    BoxAnswerer boxes;
    InputAnswerer input(QStringLiteral("Default"));
    menu("mnuSave");
    EXPECT_EQ(input.title, "Save Mixer File");
    EXPECT_EQ(input.label, "Enter File Name (Saved as name.kst)");
    EXPECT_EQ(input.offered, "FileName");
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_EQ(entries(), QStringList{"Default.kst"});
    EXPECT_EQ(bytesOf("Default.kst"), defaultDesignFile());
    EXPECT_EQ(w_->windowTitle(), kFileCaption + "Default");
}

TEST_F(DesignFilesUi, CancellingTheNameBoxSavesNothing) {
    BoxAnswerer boxes;
    InputAnswerer input(std::nullopt);
    menu("mnuSave");
    EXPECT_EQ(input.title, "Save Mixer File");
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(w_->windowTitle(), kStartCaption);
}

TEST_F(DesignFilesUi, TypedNamesAreTakenAsTheyAre) {
    for (const QString& name : {QStringLiteral("abc.kst"), QStringLiteral(" spaced "),
                                QStringLiteral("Mischer-\u00e9\u4e2d")}) {
        EXPECT_TRUE(save(name).empty()) << name.toStdString();
        EXPECT_TRUE(QFile::exists(name + ".kst")) << name.toStdString();
        EXPECT_EQ(w_->windowTitle(), kFileCaption + name);
    }
    menu("mnuLoad");
    EXPECT_EQ(names(loadList()).size(), 3);
    EXPECT_TRUE(names(loadList()).contains("abc.kst.kst"));
}

TEST_F(DesignFilesUi, NamesThatCouldLeaveTheDirectoryAreRefused) {
    const QString names[] = {"", ".", "..", "../up", "sub/x", "..\\x", "a\tb", QString("a\x01")};
    for (const QString& name : names) {
        const auto boxes = save(name);
        ASSERT_EQ(boxes.size(), 1u) << name.toStdString();
        EXPECT_EQ(boxes[0].title, "Save Mixer File");
        EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(entries().isEmpty()) << name.toStdString();
        EXPECT_FALSE(QFile::exists("../up.kst"));
        EXPECT_EQ(w_->windowTitle(), kStartCaption);
    }
}

TEST_F(DesignFilesUi, ProjectTextsThatDoNotFitAreRefusedBeforeWriting) {
    for (const QString& project : {QString(124, QLatin1Char('x')), QStringLiteral("\u03a9mega")}) {
        field("txtProject")->setText(project);
        const auto boxes = save("p");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Save Mixer File");
        EXPECT_TRUE(entries().isEmpty());
        EXPECT_EQ(w_->windowTitle(), kStartCaption);
    }
    const QString longest(123, QChar(0xE9));
    field("txtProject")->setText(longest);
    EXPECT_TRUE(save("p").empty());
    field("txtProject")->setText("other");
    load("p.kst");
    EXPECT_EQ(field("txtProject")->text(), longest);
}

TEST_F(DesignFilesUi, FileSystemFailuresGiveTheReasonAndKeepTheCaption) {
    QFile::link("/dev/full", "full.kst");
    struct Case {
        QString name;
        const char* reason;
    };
    const Case cases[] = {{QString(300, QLatin1Char('a')), "File name too long"},
                          {"full", "No space left on device"}};
    for (const Case& c : cases) {
        const auto boxes = save(c.name);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Save Mixer File");
        EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(boxes[0].text.contains(c.reason)) << boxes[0].text.toStdString();
        EXPECT_EQ(w_->windowTitle(), kStartCaption);
    }
    EXPECT_EQ(entries(), QStringList{"full.kst"});
}

TEST_F(DesignFilesUi, FieldTextsGoThroughSingleNumbers) {
    struct Case {
        const char* field;
        const char* typed;
        const char* reloaded;
    };
    const Case cases[] = {
        {"txtLoOffset", "-0.5e1x", "-5"},     {"txtLOFreq", "12.5abc", "12.5"},
        {"txtLOPower", "abc", "0"},           {"txtRFStart", "12345.678", "12345.68"},
        {"txtRFStop", "", "0"},               {"txtRFPower", "-5.0", "-5"},
        {"txtIFStart", " 7", "7"},            {"txtMarker1", "1e3", "1000"},
        {"txtMarker2", "123456789", "1.234568E+08"}, {"txtIFStop", "0.1", "0.1"},
    };
    for (const Case& c : cases) field(c.field)->setText(c.typed);
    field("txtProject")->setText("");
    ASSERT_TRUE(save("conv").empty());
    const Bytes saved = bytesOf("conv.kst");
    ASSERT_EQ(saved.size(), 1630u);
    EXPECT_EQ(Bytes(saved.begin() + 375, saved.begin() + 379), (Bytes{0, 0, 0, 0})); // "abc"
    EXPECT_EQ(Bytes(saved.begin() + 1375, saved.begin() + 1377), (Bytes{0, 0}));     // empty text
    for (const Case& c : cases) field(c.field)->setText("99");
    field("txtProject")->setText("x");
    load("conv.kst");
    for (const Case& c : cases) EXPECT_EQ(field(c.field)->text(), c.reloaded) << c.field;
    EXPECT_EQ(field("txtProject")->text(), "");
}

TEST_F(DesignFilesUi, ValuesTooLargeForASingleAreRefused) {
    field("txtMarker2")->setText("1e39");
    const auto boxes = save("big");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("1e39"));
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(DesignFilesUi, SavingAgainRewritesTheRecordsInPlace) {
    ASSERT_TRUE(save("twice").empty());
    field("txtLOFreq")->setText("30");
    ASSERT_TRUE(save("twice").empty());
    EXPECT_EQ(entries(), QStringList{"twice.kst"});
    field("txtLOFreq")->setText("1");
    load("twice.kst");
    EXPECT_EQ(field("txtLOFreq")->text(), "30");

    // A longer file keeps its length and its tail.
    Bytes longer(1800, 0x5A);
    put("pad.kst", longer);
    field("txtLOFreq")->setText("24");
    ASSERT_TRUE(save("pad").empty());
    Bytes expected = defaultDesignFile(1630);
    expected.insert(expected.end(), longer.begin() + 1630, longer.end());
    EXPECT_EQ(bytesOf("pad.kst"), expected);
}

TEST_F(DesignFilesUi, ConfirmedLoadFillsFieldsBoxesProjectUnitAndCaption) {
    Bytes file = defaultDesignFile(1750);
    patch(file, 0, {0x00, 0x00, 0x80, 0x3F});          // tracking LO
    patch(file, 125, {0x00, 0x00, 0x44, 0xC1});        // offset -12.25
    patch(file, 1375, {5, 0, 'H', 'e', 'l', 'l', 0xF6}); // "Hell" and o umlaut
    patch(file, 1500, {0x00, 0x00, 0x80, 0x3F});       // project shown
    patch(file, 1625, {3, 0, 'M', 'H', 'z'});
    patch(file, 1700, {0xEE, 0xEE});                   // padding carries nothing
    put("hand.kst", file);

    const auto boxes = load("hand.kst");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Overwrite Current Design? (Load New File)");
    EXPECT_EQ(boxes[0].text, "Do you want to continue ?");
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);

    EXPECT_TRUE(get<QCheckBox>("chkOffset")->isChecked());
    EXPECT_TRUE(field("txtLoOffset")->isVisible()); // the LO mode switch ran
    EXPECT_FALSE(field("txtLOFreq")->isVisible());
    EXPECT_EQ(field("txtLoOffset")->text(), "-12.25");
    EXPECT_EQ(field("txtRFPower")->text(), "-5");
    EXPECT_EQ(field("txtProject")->text(), QString("Hell\u00f6"));
    EXPECT_TRUE(field("txtProject")->isVisible());
    EXPECT_EQ(w_->freqUnit(), "MHz");
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(get<QLabel>(QStringLiteral("lblFreq(%1)").arg(i).toLatin1())->text(), "MHz");
    EXPECT_EQ(w_->windowTitle(), kFileCaption + "hand.kst");
    EXPECT_FALSE(loadList()->isVisible());
    EXPECT_FALSE(get<QPushButton>("cmdSweep")->isEnabled()); // no solve ran
}

TEST_F(DesignFilesUi, LoadingAnUncheckedProjectHidesTheText) {
    get<QCheckBox>("chkProject")->click();
    EXPECT_TRUE(field("txtProject")->isVisible());
    put("plain.kst", defaultDesignFile());
    load("plain.kst");
    EXPECT_FALSE(get<QCheckBox>("chkProject")->isChecked());
    EXPECT_FALSE(field("txtProject")->isVisible());
}

TEST_F(DesignFilesUi, ReplayButtonsAreDisabledAfterALoadThatChangesTheLO) {
    // Enable once the field change reactions land.
    GTEST_SKIP() << "needs the input fields' change reactions";
    Bytes file = defaultDesignFile();
    patch(file, 250, {0x00, 0x00, 0xF0, 0x41}); // LO 30
    put("lo.kst", file);
    get<QPushButton>("cmdCalculate")->click();
    ASSERT_TRUE(get<QPushButton>("cmdSweep")->isEnabled());
    load("lo.kst");
    for (const char* name : {"cmdSweep", "cmdSingleStep", "cmdSTEPBACK"})
        EXPECT_FALSE(get<QPushButton>(name)->isEnabled()) << name;
}

TEST_F(DesignFilesUi, BrokenFilesChangeNothing) {
    struct Case {
        const char* name;
        std::size_t size;
        std::size_t at;
        Bytes bytes;
    };
    const Case cases[] = {
        {"short.kst", 1629, 0, {}},
        {"empty.kst", 0, 0, {}},
        {"text.kst", 1630, 1375, {124, 0}},
        {"unit.kst", 1630, 1625, {3, 0, 'H', 'z', 'z'}},
        {"check.kst", 1630, 0, {0, 0, 0, 0x40}},
        {"inf.kst", 1630, 250, {0, 0, 0x80, 0x7F}},
    };
    // Differs from the window in every field, so a partial load would show.
    Bytes valid = defaultDesignFile();
    patch(valid, 0, {0, 0, 0x80, 0x3F});
    for (std::size_t at = 125; at <= 1250; at += 125) patch(valid, at, {0, 0, 0x80, 0x3F});
    patch(valid, 1500, {0, 0, 0x80, 0x3F});
    for (const Case& c : cases) {
        Bytes file = valid;
        patch(file, c.at, c.bytes);
        file.resize(c.size);
        put(c.name, file);
        const QStringList before = snapshot();
        const auto boxes = load(c.name);
        ASSERT_EQ(boxes.size(), 2u) << c.name;
        EXPECT_EQ(boxes[1].title, "Load Mixer File");
        EXPECT_EQ(boxes[1].icon, QMessageBox::Critical);
        EXPECT_TRUE(boxes[1].text.contains(c.name)) << boxes[1].text.toStdString();
        EXPECT_EQ(snapshot(), before) << c.name;
        EXPECT_FALSE(loadList()->isVisible());
        EXPECT_EQ(bytesOf(c.name), file);
    }
}

TEST_F(DesignFilesUi, AnsweringNoLeavesDesignAndDirectoryAsTheyWere) {
    Bytes file = defaultDesignFile();
    patch(file, 250, {0x00, 0x00, 0xF0, 0x41});
    put("lo.kst", file);
    const QStringList before = snapshot();
    // The box offers No as its default.
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QTimer peek;
    QObject::connect(&peek, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            if (box->defaultButton()) defaultButton = box->standardButton(box->defaultButton());
    });
    peek.start(1);
    EXPECT_EQ(load("lo.kst", QMessageBox::No).size(), 1u);
    EXPECT_EQ(defaultButton, QMessageBox::No);
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(loadList()->isVisible());

    const auto boxes = pick("mnuDelete", eraseList(), "lo.kst", QMessageBox::No);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Do you want to ERASE selected file?");
    EXPECT_EQ(boxes[0].text, "Do you want to continue ?");
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(entries(), QStringList{"lo.kst"});
    EXPECT_FALSE(eraseList()->isVisible());
}

TEST_F(DesignFilesUi, ListsShowTheDesignFilesWithoutTakingTheFocus) {
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

TEST_F(DesignFilesUi, AListHidesOnceItLosesTheFocus) {
    menu("mnuLoad");
    loadList()->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(loadList()->hasFocus());
    put("late.kst", {1});
    field("txtRFStart")->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(loadList()->isVisible());
    EXPECT_EQ(names(loadList()), QStringList{"late.kst"}); // re-read on hiding
}

TEST_F(DesignFilesUi, ConfirmedEraseDeletesTheFileFromBothLists) {
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

TEST_F(DesignFilesUi, EraseFailuresAndEmptyListsAreReported) {
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

TEST_F(DesignFilesUi, DoubleClickingANameAsksFirst) {
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

} // namespace
