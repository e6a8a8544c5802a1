// Saving and loading designs through the menu and the input box.
#include "DesignFilesFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <csignal>
#include <fstream>
#include <sys/resource.h>

using namespace kestrel::filetest;

namespace {

TEST_F(DesignFilesUi, SaveAsksForANameAndWritesTheExpectedBytes) {
    BoxAnswerer boxes;
    InputAnswerer input(QStringLiteral("Default"));
    menu("mnuSave");
    EXPECT_EQ(input.title, "Save Mixer File");
    EXPECT_EQ(input.label, "Enter File Name (Saved as name.kst)");
    EXPECT_EQ(input.offered, "FileName");
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_EQ(entries(), QStringList{"Default.kst"});
    EXPECT_EQ(bytesOf("Default.kst"), kestrel::reference::defaultSavedFile());
    EXPECT_EQ(w_->windowTitle(), kFileCaption + "Default.kst");
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
        EXPECT_EQ(w_->windowTitle(), kFileCaption + name + ".kst");
    }
    menu("mnuLoad");
    EXPECT_EQ(names(loadList()).size(), 3);
    EXPECT_TRUE(names(loadList()).contains("abc.kst.kst"));
}

TEST_F(DesignFilesUi, NamesThatCouldLeaveTheDirectoryAreRefused) {
    const QString names[] = {"", ".", "..", "../up", "sub/x", "..\\x", "a\tb", QString("a\x01"),
                             ".hidden", ".kst", ". x", // hidden: the lists would never show them
                             // invisible: a bidi override, a zero width, line and paragraph separators
                             QString::fromUtf16(u"\u202Eabc"), QString::fromUtf16(u"a\u200Bb"),
                             QString::fromUtf16(u"a\u2028b"), QString::fromUtf16(u"a\u2029b")};
    for (const QString& name : names) {
        const auto boxes = save(name);
        ASSERT_EQ(boxes.size(), 1u) << name.toStdString();
        EXPECT_EQ(boxes[0].title, "Save Mixer File");
        EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(boxes[0].text.contains("must not start with \".\"")) << boxes[0].text.toStdString();
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

TEST_F(DesignFilesUi, FileSystemFailuresGiveTheReasonAndKeepTheOldFile) {
    QFile::link("/dev/full", "full.kst");
    put("old.kst", defaultDesignFile());
    struct Case {
        QString name;
        const char* reason;
        rlim_t sizeLimit; // a disk that fills up in the middle of the write
    };
    const Case cases[] = {{QString(300, QLatin1Char('a')), "File name too long", RLIM_INFINITY},
                          {"full", "it is not a regular file", RLIM_INFINITY},
                          {"old", "File too large", 2000}};
    for (const Case& c : cases) {
        struct rlimit saved {};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        struct rlimit limit = saved;
        limit.rlim_cur = c.sizeLimit;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        // The default, as the program runs: the save must keep the signal away.
        const auto oldSignal = ::signal(SIGXFSZ, SIG_DFL);
        BoxAnswerer boxes(QMessageBox::Yes); // replace, when asked
        InputAnswerer input(c.name);
        menu("mnuSave");
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, oldSignal);
        ASSERT_FALSE(boxes.seen().empty());
        const BoxSeen& box = boxes.seen().back();
        EXPECT_EQ(box.title, "Save Mixer File");
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_TRUE(box.text.contains(c.reason)) << box.text.toStdString();
        EXPECT_EQ(w_->windowTitle(), kStartCaption);
    }
    EXPECT_EQ(entries(), (QStringList{"full.kst", "old.kst"}));
    EXPECT_EQ(bytesOf("old.kst"), defaultDesignFile());
}

TEST_F(DesignFilesUi, AReadOnlyFileIsNeverReplaced) {
    // Root may write any file; the permission bits still say no.
    put("ro.kst", defaultDesignFile());
    ASSERT_TRUE(QFile::setPermissions("ro.kst", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    for (const bool current : {false, true}) {
        if (current) load("ro.kst"); // now the design's own file
        field("txtLOFreq")->setText("30");
        const QString caption = w_->windowTitle();
        const auto boxes = save("ro");
        ASSERT_EQ(boxes.size(), 1u) << current;
        EXPECT_TRUE(boxes[0].text == "ro.kst is read-only." && boxes[0].icon == QMessageBox::Critical);
        EXPECT_EQ(bytesOf("ro.kst"), defaultDesignFile());
        EXPECT_EQ(entries(), QStringList{"ro.kst"}); // no temporary left
        EXPECT_EQ(w_->windowTitle(), caption);
    }
}

TEST_F(DesignFilesUi, ANameThatIsNotUtf8IsListedReadableAndLoadsAndErases) {
    Bytes file = defaultDesignFile();
    patch(file, 250, {0x00, 0x00, 0xF0, 0x41}); // LO 30
    std::ofstream("Mischer-\xE9.kst").write(reinterpret_cast<const char*>(file.data()), file.size()); // Latin-1
    const QString shown = QStringLiteral("Mischer-\\xE9.kst");
    ASSERT_EQ(load(shown).size(), 1u);
    EXPECT_EQ(field("txtLOFreq")->text(), "30");
    EXPECT_EQ(w_->windowTitle(), kFileCaption + shown);
    ASSERT_EQ(pick("mnuDelete", eraseList(), shown).size(), 1u);
    EXPECT_TRUE(entries().isEmpty());
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
    ASSERT_GT(saved.size(), 1750u);
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
    EXPECT_TRUE(boxes[0].text.contains("\"Marker 2\"")) << boxes[0].text.toStdString();
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(DesignFilesUi, SavingAgainReplacesTheWholeFile) {
    ASSERT_TRUE(save("twice").empty());
    field("txtLOFreq")->setText("30");
    ASSERT_TRUE(save("twice").empty()); // the current file: no question
    EXPECT_EQ(entries(), QStringList{"twice.kst"});
    field("txtLOFreq")->setText("1");
    load("twice.kst");
    EXPECT_EQ(field("txtLOFreq")->text(), "30");

    // Another design's file is replaced whole once the user says so.
    put("pad.kst", Bytes(4000, 0x5A));
    field("txtLOFreq")->setText("24");
    BoxAnswerer yes(QMessageBox::Yes);
    InputAnswerer input(QStringLiteral("pad"));
    menu("mnuSave");
    ASSERT_EQ(yes.seen().size(), 1u);
    EXPECT_EQ(bytesOf("pad.kst"), kestrel::reference::defaultSavedFile());
}

TEST_F(DesignFilesUi, ReplacingAnotherDesignAsksAndNoKeepsIt) {
    put("other.kst", defaultDesignFile());
    field("txtLOFreq")->setText("30");
    const auto boxes = save("other");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Save Mixer File");
    EXPECT_EQ(boxes[0].text, "other.kst already exists. Do you want to replace it?");
    EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(boxes[0].defaultButton, QMessageBox::No);
    EXPECT_EQ(bytesOf("other.kst"), defaultDesignFile());
    EXPECT_EQ(w_->windowTitle(), kStartCaption);
    EXPECT_EQ(entries(), QStringList{"other.kst"});
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

} // namespace
