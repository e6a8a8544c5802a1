#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "GuiTestSupport.h"
#include "ui/MessageBoxes.h"
#include "ui/frmKestrel.h"
#include "ui/frmMixer.h"

using namespace kestrel::guitest;

namespace {

class Mixer : public ::testing::Test {
protected:
    void TearDown() override {
        kestrel::ui::setHelpOpener({});
        closeAllTopLevels();
    }
    void choose() { child<QAction>(&w, "mnuMixer")->trigger(); }
    int mixerWindows() {
        int n = 0;
        for (QWidget* t : QApplication::topLevelWidgets()) n += t->objectName() == "frmMixer";
        return n;
    }
    frmKestrel w;
};

TEST_F(Mixer, OneWindowKeepsWhatWasTyped) {
    EXPECT_FALSE(w.mixerWindow()->isVisible());
    choose();
    frmMixer* m = w.mixerWindow();
    EXPECT_TRUE(m->isVisible());
    m->txtConversionLoss()->setText("6.5");
    choose();
    EXPECT_EQ(mixerWindows(), 1);
    EXPECT_EQ(m->txtConversionLoss()->text(), "6.5");
    EXPECT_EQ(m->parentWidget(), nullptr);
    EXPECT_TRUE(m->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(m->windowTitle(), "Mixer Parameters");
    EXPECT_EQ(m->size(), QSize(218, 97));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(m->pos(), QPoint((screen.width() - 218) / 2, (screen.height() - 97) / 2));
}

TEST_F(Mixer, RectangleAndTabOrder) {
    frmMixer* m = w.mixerWindow();
    const struct {
        const char* name;
        double x1, y1, x2, y2;
    } lines[] = {{"Line1", 120, 120, 120, 1320},
                 {"Line2", 3120, 120, 120, 120},
                 {"Line3", 3120, 1320, 120, 1320},
                 {"Line4", 3120, 120, 3120, 1320}};
    for (const auto& l : lines) {
        QObject* o = child<QObject>(m, l.name);
        ASSERT_NE(o, nullptr) << l.name;
        EXPECT_EQ(o->property("x1").toDouble(), l.x1);
        EXPECT_EQ(o->property("y1").toDouble(), l.y1);
        EXPECT_EQ(o->property("x2").toDouble(), l.x2);
        EXPECT_EQ(o->property("y2").toDouble(), l.y2);
        EXPECT_TRUE(o->property("visible").toBool());
    }
    EXPECT_EQ(m->txtConversionLoss()->nextInFocusChain(), m->txtRFIsolation());
    EXPECT_EQ(m->txtRFIsolation()->nextInFocusChain(), m->txtLOIsolation());
}

TEST_F(Mixer, QuickHelpOfTheLabels) {
    const struct {
        const char* label;
        const char* text;
        const char* tutorial;
    } cases[] = {
        {"Label1",
         "Enter Conversion Loss Specification for MIXER (Updated when RF Input Power or LO Power is changed)...",
         "TUTORIAL: Use 8 dB "},
        {"Label2",
         "Enter RF INPUT to RF(IF) OUTPUT Isolation Specification for MIXER (Updated when RF Input Power or LO Power is changed)...",
         "TUTORIAL: Use 25 dB "},
        {"Label3",
         "Enter LO INPUT to RF(IF) OUTPUT Isolation Specification for MIXER (Updated when RF Input Power or LO Power is changed)... ",
         "TUTORIAL: Use 25 dB "},
    };
    choose();
    for (const auto& c : cases) {
        BoxAnswerer answerer;
        QTest::mouseClick(child<QLabel>(w.mixerWindow(), c.label), Qt::LeftButton);
        ASSERT_EQ(answerer.seen().size(), 1u) << c.label;
        const BoxSeen& box = answerer.seen()[0];
        EXPECT_EQ(box.text, QString(c.text) + "\r\n\r\n\r\n" + c.tutorial);
        EXPECT_EQ(box.title, "QwkHelp");
        EXPECT_EQ(box.icon, QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons, QMessageBox::Ok | QMessageBox::Help);
    }
}

TEST_F(Mixer, HelpButtonOpensTheHelp) {
    int opened = 0;
    kestrel::ui::setHelpOpener([&] { ++opened; });
    BoxAnswerer answerer(QMessageBox::Help);
    QTest::mouseClick(child<QLabel>(w.mixerWindow(), "Label1"), Qt::LeftButton);
    EXPECT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(opened, 1);
}

} // namespace
