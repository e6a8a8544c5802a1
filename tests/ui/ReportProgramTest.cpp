// kestrel-report as a script runs it: without a display, its exit status,
// its one line on standard error, and the same table as the window exports.
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "DesignFilesFixture.h"
#include "ui/DesignForm.h"
#include "ui/SpurTools.h"
#include "ui/planning/frmIfPlanner.h"

using namespace kestrel;
using namespace kestrel::filetest;

namespace {

struct ReportRun {
    int status = -1;
    QByteArray out, err;
};

class ReportProgram : public DesignFilesUi {
protected:
    static ReportRun report(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KESTREL_REPORT_EXECUTABLE), args);
        ReportRun r;
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return r;
        r.status = p.exitCode();
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }
    QByteArray exportTable() {
        w_->spurTools().exporter().setPathChooser([](QWidget*, const QString&) { return QStringLiteral("window.csv"); });
        menu("mnuExport");
        QFile f(QStringLiteral("window.csv"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(ReportProgram, AnalyzeWritesTheWindowsExport) {
    struct Setup {
        const char* name;
        std::vector<std::pair<const char*, const char*>> fields, lists;
        bool tracking;
        bool filtered = false;
    };
    const Setup setups[] = {
        {"PLAN", {{"txtRFStart", "11.3"}, {"txtMarker1", "9"}, {"txtMarker2", "12.25"}},
         {{"cboSteps", "25"}, {"cboLOHar", "5"}}, false},
        // A tracking LO and other drives.
        {"TRACK", {{"txtLoOffset", "-3.7"}, {"txtRFPower", "-12.5"}, {"txtMarker1", "4.1"}},
         {{"cboRFHar", "3"}}, true},
        // Behind a preselector and a Chebyshev IF filter, with a limit line.
        {"FILTERED", {{"txtMarker1", "36.5"}}, {{"cboSteps", "15"}}, false, true},
    };
    for (const Setup& setup : setups) {
        for (const auto& [name, value] : setup.fields) field(name)->setText(value);
        for (const auto& [name, value] : setup.lists) get<QComboBox>(name)->setCurrentText(value);
        get<QCheckBox>("chkOffset")->setChecked(setup.tracking);
        if (setup.filtered) {
            kestrel::Design d = w_->designForm().read();
            d.rfFilter.shape = "Band-pass";
            d.ifFilter.shape = "Band-pass";
            d.ifFilter.response = "Chebyshev";
            d.ifFilter.order = "3";
            d.limits = {{"", "", "-45", "dBc"}, {"38", "39", "-20", "dBm"}};
            d.useLimits = true;
            w_->designForm().show(d);
        }
        ASSERT_TRUE(save(setup.name).empty());
        QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
        const QByteArray window = exportTable();
        ASSERT_GT(window.count('\n'), 100) << setup.name;
        const QString file = QLatin1String(setup.name) + QStringLiteral(".kst");

        const ReportRun first = report({"analyze", file});
        EXPECT_EQ(first.status, 0) << first.err.constData();
        EXPECT_EQ(first.out, window) << setup.name;
        EXPECT_EQ(report({"analyze", file, "--format", "csv"}).out, first.out); // a second run

        EXPECT_EQ(report({"analyze", file, "--output", "report.csv"}).out, "");
        EXPECT_EQ(bytesOf("report.csv"), Bytes(window.begin(), window.end()));
    }
}

TEST_F(ReportProgram, SetChangesOneValueBeforeTheRun) {
    const ReportRun five = report({"analyze", "--default", "--set", "cboSteps=5"});
    EXPECT_EQ(five.status, 0) << five.err.constData();
    // Header, 6 steps of 8 x 8 pairs in two families and 16 single harmonics.
    EXPECT_EQ(five.out.count('\n'), 1 + 6 * (64 * 2 + 16));
    const ReportRun keys = report({"keys", "--default", "--set", "txtRFStart=3.25"});
    EXPECT_TRUE(keys.out.startsWith("chkOffset\t"));
    EXPECT_TRUE(keys.out.contains("\ntxtRFStart\t\"RF Start\" in \"RF Input Parameters\"\t3.25\n"));
}

TEST_F(ReportProgram, RefusalsExitWithTwoAndOneLineAndNoOutputFile) {
    put("broken.kst", Bytes{'1', '\r', '\n'});
    put("kept.csv", Bytes{'o', 'l', 'd'});
    const std::pair<QStringList, QByteArray> cases[] = {
        {{"analyze", "broken.kst"}, "kestrel-report: broken.kst: not a design file: "},
        {{"analyze", "missing.kst"}, "kestrel-report: missing.kst: cannot be read: "},
        {{"analyze", "--default", "--set", "txtNothing=1"}, "kestrel-report: --set txtNothing: "},
        {{"analyze", "--default", "--set", "cboSteps=7"}, "kestrel-report: --set cboSteps: "},
        {{"analyze", "--default", "--set", "txtRFPower=3e38"}, "kestrel-report: --default: \"RF Power\""},
        {{"analyze", "--default", "--format", "xml"}, "kestrel-report: --format xml: "},
        {{"analyze", "--default", "--output", "no/such/folder.csv"}, "kestrel-report: no/such/folder.csv: cannot be written: "},
        {{"analyze"}, "kestrel-report: analyze needs DESIGN.kst or --default"},
        {{"check", "--default", "--format", "csv"}, "kestrel-report: --format is not an option of check"},
        {{"tabulate", "--default"}, "kestrel-report: unknown command \"tabulate\""},
        {{}, "kestrel-report: no command given"},
    };
    for (const auto& [args, start] : cases) {
        const bool named = args.contains("--output") || args.isEmpty();
        const QStringList withOutput = named ? args : args + QStringList{"--output", "out.csv"};
        for (const QStringList& a : {args, withOutput}) {
            const ReportRun r = report(a);
            EXPECT_EQ(r.status, 2) << a.join(' ').toStdString();
            EXPECT_TRUE(r.err.startsWith(start)) << r.err.constData();
            EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
            EXPECT_EQ(r.out, "");
        }
        EXPECT_FALSE(QFile::exists("out.csv")) << args.join(' ').toStdString();
    }
    // A refused run leaves an existing output as it was.
    EXPECT_EQ(report({"analyze", "broken.kst", "--output", "kept.csv"}).status, 2);
    EXPECT_EQ(bytesOf("kept.csv"), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(entries(), (QStringList{"broken.kst", "kept.csv"}));
}

TEST_F(ReportProgram, JsonHoldsTheRowsAndTheStrongestBetweenTheMarkers) {
    const ReportRun csv = report({"analyze", "--default"});
    const ReportRun run = report({"analyze", "--default", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(report({"analyze", "--default", "--format", "json"}).out, run.out);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(run.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(o["format"].toString(), "kestrel-report 1");
    EXPECT_TRUE(o["design"]["file"].isNull());
    EXPECT_EQ(o["design"]["values"]["txtRFStart"].toString(), "12.5");
    EXPECT_EQ(o["wanted"].toString(), "LO + RF"); // 38.5 at the middle step lies between 37 and 40
    EXPECT_EQ(o["levels"].toString(), "estimate");
    const QJsonArray products = o["products"].toArray();
    EXPECT_EQ(products.size(), csv.out.count('\n') - 1);
    // Step 0, RF 12.5, LO 24: 3 RF at 37.5, 5 RF - LO at 38.5 and 7 RF - 2 LO
    // at 39.5 lie between the markers; the first is the strongest.
    const QJsonObject worst = o["steps"][0]["worst"].toObject();
    EXPECT_EQ(worst["product"].toString(), "0 LO + 3 RF");
    EXPECT_EQ(worst["frequency"].toDouble(), 37.5);
    EXPECT_EQ(worst["level_dbc"].toDouble(), -56);
    EXPECT_EQ(o["summary"]["steps"].toInt(), 11);
    EXPECT_EQ(o["summary"]["products"].toInt(), products.size());
    EXPECT_EQ(o["summary"]["between_markers"].toInt(), csv.out.count(",yes,yes,") + csv.out.count(",no,yes,"));
}

TEST_F(ReportProgram, CheckPassesOnlyWithoutACountedProductBetweenTheMarkers) {
    struct Case {
        QStringList sets;
        int status;
        QByteArray out;
    };
    // Start-up design: 3 RF (-56 dBc) lies between the markers at steps 0 to
    // 2 (37.5, 38.7, 39.9); 7 LO - 8 RF at step 9 (39.2) has no level.
    const Case cases[] = {
        {{}, 1, "step 0: 0 LO + 3 RF at 37.5 GHz, -56 dBc\nstep 1: 0 LO + 3 RF at 38.7 GHz, -56 dBc\n"
                "step 2: 0 LO + 3 RF at 39.9 GHz, -56 dBc\nstep 9: 7 LO - 8 RF at 39.2 GHz, no level\n"
                "FAIL: 4 steps, worst 7 LO - 8 RF at step 9, no level\n"},
        {{"cboMaxOrder=5"}, 1, "step 0: 0 LO + 3 RF at 37.5 GHz, -56 dBc\nstep 1: 0 LO + 3 RF at 38.7 GHz, -56 dBc\n"
                               "step 2: 0 LO + 3 RF at 39.9 GHz, -56 dBc\nFAIL: 3 steps, worst 0 LO + 3 RF at step 0, -56 dBc\n"},
        {{"cboMaxOrder=5", "txtThreshold=-56"}, 1, ""}, // at the threshold counts
        {{"cboMaxOrder=5", "txtThreshold=-55.9"}, 0, "PASS\n"},
        {{"cboMaxOrder=2"}, 0, "PASS\n"}, // the image lies near 10
    };
    for (const Case& c : cases) {
        QStringList args{"check", "--default"};
        for (const QString& set : c.sets) args << "--set" << set;
        const ReportRun r = report(args);
        EXPECT_EQ(r.status, c.status) << c.sets.join(' ').toStdString();
        if (!c.out.isEmpty()) {
            EXPECT_EQ(r.out, c.out) << c.sets.join(' ').toStdString();
        }
        EXPECT_EQ(r.err, "");
    }
}

// With LO x6 every product has a level. 2 LO at 48 (-14 dBc, -27 dBm, the
// wanted output at -13 dBm) is the strongest product in the display band.
TEST_F(ReportProgram, CheckHoldsTheDesignToItsLimitLine) {
    put("if.csv", Bytes{'3', '0', ',', '4', '0', '\n', '3', '6', ',', '0', '\n', '4', '1', ',', '0', '\n', '5', '0', ',', '4', '0', '\n'});
    put("bad.s2p", Bytes{'#', ' ', 'G', 'H', 'z', ' ', 'S', ' ', 'D', 'B', '\n', 'x', '\n'});
    struct Case {
        QStringList args;
        int status;
        QByteArray last; // the verdict line
    };
    // Required rejection 0: every response passes, so the limit line decides.
    const QStringList on{"--set", "chkUseLimits=1", "--set", "cboLOHar=6", "--set", "txtRespRequired=0"};
    const Case cases[] = {
        {on + QStringList{"--set", "gridLimits(0)=,,0,dBc"}, 0, "PASS, margin 14.0 dB\n"},
        {on + QStringList{"--set", "gridLimits(0)=,,-20,dBc"}, 1, "FAIL by 6.0 dB: 2 LO + 0 RF at step 0\n"},
        {on + QStringList{"--set", "gridLimits(0)=,,-30,dBm"}, 1, "FAIL by 3.0 dB: 2 LO + 0 RF at step 0\n"},
        {on + QStringList{"--set", "gridLimits(0)=,,0,dBc", "--set", "gridLimits(1)=48,48,-20,dBc"}, 1,
         "FAIL by 6.0 dB: 2 LO + 0 RF at step 0\n"},
        // The IF data takes 31.1 dB at 48 (from 0 at 41 to 40 at 50).
        {on + QStringList{"--set", "gridLimits(0)=,,0,dBc", "--set", "gridLimits(1)=48,48,-20,dBc", "--filter",
                          "IF=if.csv"}, 0, "PASS, margin 25.1 dB\n"},
        {QStringList{"--set", "chkUseLimits=1"}, 1, "FAIL: 7 LO - 8 RF at step 6 has no level\n"},
    };
    for (const Case& c : cases) {
        const ReportRun r = report(QStringList{"check", "--default"} + c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString() << r.err.constData();
        EXPECT_TRUE(r.out.contains(c.last)) << r.out.constData(); // the responses' line follows
    }
    const QJsonObject o = QJsonDocument::fromJson(
        report(QStringList{"analyze", "--default", "--format", "json", "--filter", "IF=if.csv"} + on).out).object();
    EXPECT_EQ(o["design"]["values"]["cboIFFilter"].toString(), "Measured (CSV)");
    EXPECT_EQ(o["design"]["values"]["IFFilterDataName"].toString(), "if.csv");
    EXPECT_TRUE(o["limits"]["used"].toBool());
    // 3 RF (-56 dBc) lies in the passband at steps 0 to 2: no order is enough.
    EXPECT_FALSE(o["limits"]["pass"].toBool());
    EXPECT_TRUE(o["limits"]["needed_if_order"].isNull());
    const QJsonObject lo2 = o["products"][8 + 17].toObject(); // step 0, 2 LO + 0 RF at 48
    EXPECT_EQ(lo2["product"].toString(), "2 LO + 0 RF");
    EXPECT_FLOAT_EQ(lo2["a_if"].toDouble(), 280.0 / 9);
    EXPECT_EQ(lo2["mixer_dbc"].toDouble(), -14);
    EXPECT_FALSE(lo2["outside_filter_data"].toBool());
    EXPECT_TRUE(o["products"][0]["outside_filter_data"].toBool()); // 0 LO + 1 RF at 12.5

    for (const char* bad : {"IF=bad.s2p", "IF=missing.csv", "XF=if.csv"}) {
        const ReportRun r = report({"analyze", "--default", "--filter", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.contains(QByteArray(bad).mid(3))) << r.err.constData();
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(ReportProgram, PlanWritesThePlannersExport) {
    frmIfPlanner& planner = w_->ifPlanner();
    const std::pair<const char*, const char*> settings[] = {
        {"txtPlanFrom", "30"}, {"txtPlanTo", "41"}, {"txtPlanGuard", "0.25"}, {"txtPlanThreshold", "-70"}};
    for (const auto& [name, value] : settings) planner.findChild<QLineEdit*>(name)->setText(value);
    planner.findChild<QComboBox*>("cboPlanPoints")->setCurrentText("101");
    planner.findChild<QComboBox*>("cboPlanWanted")->setCurrentText("LO + RF");
    field("txtLOFreq")->setText("20");
    ASSERT_TRUE(save("SCAN").empty());
    planner.cmdPlanScan_Click();
    planner.setPathChooser([](QWidget*) { return QStringLiteral("plan.csv"); });
    planner.cmdPlanExport_Click();
    const Bytes window = bytesOf("plan.csv");
    ASSERT_EQ(std::count(window.begin(), window.end(), '\n'), 102);
    const ReportRun run = report({"plan", "SCAN.kst"});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(Bytes(run.out.begin(), run.out.end()), window);
    const QJsonObject o = QJsonDocument::fromJson(report({"plan", "SCAN.kst", "--format", "json"}).out).object();
    EXPECT_EQ(o["candidates"].toArray().size(), 101);
    EXPECT_EQ(o["runs"].toArray().size(), qsizetype(planner.result()->runs.size()));
}

TEST_F(ReportProgram, HelpAndVersion) {
    EXPECT_TRUE(report({"--help"}).out.startsWith("Usage: kestrel-report analyze"));
    EXPECT_EQ(report({"--version"}).out, "kestrel-report 3.2\n");
}

} // namespace
