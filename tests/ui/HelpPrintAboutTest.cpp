#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "GuiTestSupport.h"
#include "ui/FormPrinter.h"
#include "ui/HelpViewer.h"
#include "ui/WindowCentring.h"
#include "ui/frmAboutKestrel.h"
#include "ui/frmKestrel.h"
#include "ui/frmMixer.h"

using namespace kestrel::guitest;
using kestrel::ui::FormPrinter;

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { showAndActivate(&w); }
    void TearDown() override { closeAllTopLevels(); }
    void trigger(const char* menuItem) { w.findChild<QAction*>(QLatin1String(menuItem))->trigger(); }
    frmKestrel w;
};

QList<QWidget*> topLevelsNamed(const QString& name) {
    QList<QWidget*> found;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name) found << top;
    return found;
}

// Distance of a window's outer centre from the screen's centre, in pixels.
int offCentre(QWidget* window) {
    const QRect s = QApplication::primaryScreen()->geometry();
    const QPoint d = window->frameGeometry().center() - s.center();
    return std::max(std::abs(d.x()), std::abs(d.y()));
}

} // namespace

// Help -----------------------------------------------------------------------

TEST_F(MainWindow, F1TheMenuAndAgainShowOneViewerWithTheManual) {
    QTest::keyClick(&w, Qt::Key_F1);
    trigger("mnuKstHelp");
    trigger("mnuKstHelp");
    const QList<QWidget*> viewers = topLevelsNamed("helpViewer");
    ASSERT_EQ(viewers.size(), 1);
    EXPECT_TRUE(viewers[0]->isVisible());
    auto* browser = viewers[0]->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->documentTitle(), "Kestrel II Manual");
    EXPECT_EQ(viewers[0]->windowTitle(), "Kestrel II Manual");
    EXPECT_TRUE(browser->toPlainText().contains("Contents"));
}

// A screen reader says what the eye reads on the label beside the control. Neither
// the manual nor the About box has a button to close it: Esc does.
TEST_F(MainWindow, ControlsAreNamedAfterTheirLabelsAndEscClosesTheManualAndAbout) {
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
    using Window = std::pair<const char*, const char*>; // menu item, window
    for (const auto& [item, name] : {Window{"mnuKstHelp", "helpViewer"}, {"mnuAboutKestrel", "frmAboutKestrel"}}) {
        trigger(item);
        QWidget* opened = topLevelsNamed(QLatin1String(name)).value(0);
        ASSERT_NE(opened, nullptr) << item;
        showAndActivate(opened);
        QTest::keyClick(opened->focusWidget() ? opened->focusWidget() : opened, Qt::Key_Escape);
        EXPECT_TRUE(!opened->isVisible() && w.isVisible()) << item;
    }
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

TEST(HelpViewer, MissingFileIsReportedInsideTheViewer) {
    QTemporaryDir empty;
    kestrel::ui::HelpViewer viewer(empty.filePath("KESTRELII.HLP"));
    viewer.showHelp();
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.browser()->toPlainText(), "Help file KESTRELII.HLP not found");
    viewer.close();
}

TEST(HelpViewer, ReopeningAfterACloseReadsTheFileAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath("KESTRELII.HLP");
    const auto write = [&](const char* html) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(html);
    };
    write("<html><head><title>First</title></head><body>one</body></html>");
    kestrel::ui::HelpViewer viewer(path);
    viewer.showHelp();
    EXPECT_EQ(viewer.windowTitle(), "First");
    viewer.close();
    write("<html><head><title>Second</title></head><body>two</body></html>");
    viewer.showHelp();
    EXPECT_EQ(viewer.windowTitle(), "Second");
    viewer.close();
}

TEST(HelpViewer, FileIsFoundBesideTheExecutableFirst) {
    const QStringList candidates = kestrel::ui::helpFileCandidates("KESTRELII.HLP");
    ASSERT_EQ(candidates.size(), 2);
    EXPECT_EQ(candidates[0], QDir(QCoreApplication::applicationDirPath()).filePath("KESTRELII.HLP"));
    EXPECT_TRUE(candidates[1].endsWith("/../share/kestrel/KESTRELII.HLP"));
    EXPECT_EQ(kestrel::ui::locateHelpFile("KESTRELII.HLP"), candidates[0]); // copied by the build
}

// Print ----------------------------------------------------------------------

TEST_F(MainWindow, PrintWithoutPrinterSaysSoOnceAndWritesNothing) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    QTemporaryDir work;
    const QString before = QDir::currentPath();
    QDir::setCurrent(work.path());
    BoxAnswerer answer;
    trigger("mnuPrint");
    QDir::setCurrent(before);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "The form can't be printed.");
    EXPECT_EQ(answer.seen()[0].title, QCoreApplication::applicationName());
    EXPECT_EQ(answer.seen()[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST_F(MainWindow, PrintIntoAPdfPutsTheClientAreaOnOnePage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("form.pdf");
    const FormPrinter printer([&] {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(pdf);
        return p;
    });
    BoxAnswerer answer;
    EXPECT_TRUE(printer.print(w.centralWidget(), &w));
    EXPECT_TRUE(answer.seen().empty());
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(f.readAll());
    EXPECT_EQ(content.count(QRegularExpression("/Type\\s*/Page\\b")), 1);
    // The page carries one picture of exactly the client area's pixels.
    const QSize client = w.centralWidget()->grab().size();
    const QRegularExpression image(QStringLiteral("/Width\\s+%1\\s*/Height\\s+%2\\b")
                                       .arg(client.width())
                                       .arg(client.height()));
    EXPECT_TRUE(content.contains(image)) << client.width() << "x" << client.height();
}

TEST(FormPrinter, PrinterThatCannotStartIsAFailure) {
    QWidget form;
    form.resize(100, 50);
    const FormPrinter printer([] {
        auto p = std::make_unique<QPrinter>();
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName("/nonexistent-folder/form.pdf");
        return p;
    });
    BoxAnswerer answer;
    EXPECT_FALSE(printer.print(&form, &form));
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, "The form can't be printed.");
}

TEST(FormPrinter, ImageIsScaledToFitAndCentred) {
    struct Case {
        QSize image;
        QRect page;
        QRect placed;
    };
    const Case cases[] = {
        {{730, 640}, {0, 0, 7300, 12800}, {0, 3200, 7300, 6400}},  // width limits
        {{730, 640}, {0, 0, 14600, 6400}, {3650, 0, 7300, 6400}},  // height limits
        {{730, 640}, {50, 60, 730, 640}, {50, 60, 730, 640}},      // exact, page offset kept
        {{100, 100}, {0, 0, 1000, 400}, {300, 0, 400, 400}},       // enlarged to fill
        {{0, 0}, {0, 0, 1000, 400}, {}},                           // nothing to print
    };
    for (const Case& c : cases)
        EXPECT_EQ(kestrel::ui::fitCentred(c.image, c.page), c.placed) << c.image.width() << "x"
                                                                     << c.image.height();
}

// About window and centring ----------------------------------------------------

TEST_F(MainWindow, AboutOpensOneCentredWindowAndCentresItAgainAfterAClose) {
    trigger("mnuAboutKestrel");
    trigger("mnuAboutKestrel");
    const QList<QWidget*> abouts = topLevelsNamed("frmAboutKestrel");
    ASSERT_EQ(abouts.size(), 1);
    QWidget* about = abouts[0];
    EXPECT_EQ(about, w.aboutWindow());
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About Kestrel II");
    EXPECT_EQ(about->size(), QSize(368, 185)); // 5520 x 2775 twips
    EXPECT_LE(offCentre(about), 1);

    about->move(10, 10); // moved by the user: an open window stays put
    trigger("mnuAboutKestrel");
    EXPECT_EQ(about->pos(), QPoint(10, 10));

    about->close();
    trigger("mnuAboutKestrel");
    EXPECT_EQ(topLevelsNamed("frmAboutKestrel").size(), 1);
    EXPECT_LE(offCentre(about), 1);
}

TEST_F(MainWindow, ClosingTheMainWindowClosesAboutAndHelp) {
    trigger("mnuAboutKestrel");
    trigger("mnuKstHelp");
    w.close();
    EXPECT_FALSE(w.aboutWindow()->isVisible());
    EXPECT_FALSE(topLevelsNamed("helpViewer").value(0)->isVisible());
}

TEST(WindowCentring, OuterSizeThatTurnsUpLaterMovesTheWindowAgain) {
    QWidget window;
    window.resize(200, 100);
    kestrel::ui::centreOnScreen(&window);
    window.show();
    EXPECT_LE(offCentre(&window), 1);
    // The frame arriving from a window manager grows the outer size.
    window.resize(300, 180);
    QApplication::processEvents();
    EXPECT_LE(offCentre(&window), 1);
    // Once hidden, later size changes are the user's business.
    window.hide();
    window.resize(200, 100);
    window.show();
    const QPoint kept = window.pos();
    window.resize(260, 120);
    QApplication::processEvents();
    EXPECT_EQ(window.pos(), kept);
}

TEST(WindowCentring, WindowLargerThanTheScreenKeepsItsTitleBarOnScreen) {
    const QRect free = QApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.resize(free.width() + 400, free.height() + 200);
    kestrel::ui::centreOnScreen(&window);
    EXPECT_EQ(window.pos(), free.topLeft());
}
