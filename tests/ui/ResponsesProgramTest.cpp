// kestrel-report responses run as a script runs it: the table of a design
// worked by hand as JSON and CSV, a refused --step, and check's verdict line.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <cmath>

namespace {

struct ProcessRun {
    int status = -1;
    QByteArray out, err;
};

// LO 10, RF 8 to 10.5 in 5 steps (the middle step 2 has RF 9), output 1 to
// 1.5, LO x2, RF x2, drives 8 and -5 dBm, conversion loss 8, isolation 25.
const QStringList kDesign = {"--default",          "--set", "txtLOFreq=10",   "--set", "txtRFStart=8",
                             "--set", "txtRFStop=10.5", "--set", "cboSteps=5",     "--set", "txtIFStart=0.5",
                             "--set", "txtIFStop=2",    "--set", "txtMarker1=1.5", "--set", "txtMarker2=1",
                             "--set", "cboLOHar=2",     "--set", "cboRFHar=2"};

ProcessRun report(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(KESTREL_REPORT_EXECUTABLE), args);
    ProcessRun r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return r;
    r.status = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

ProcessRun responses(const QStringList& extra) { return report(QStringList{"responses"} + kDesign + extra); }

TEST(ResponsesProgram, CsvAndJsonOfAHandWorkedDesign) {
    const ProcessRun csv = responses({"--step", "0"}); // RF 8: the same LO, the same bands
    ASSERT_EQ(csv.status, 0) << csv.err.constData();
    EXPECT_EQ(csv.out, "name,m,n,branch,from (GHz),to (GHz),in RF band,mixer (dB),preselector (dB),total (dB),pass\r\n"
                       "wanted,1,1,LO - RF,8.5,9,yes,0,0,0,\r\n"
                       "image,1,1,RF - LO,11,11.5,no,0,0,0,no\r\n"
                       "IF feedthrough,0,1,RF,1,1.5,no,17,0,17,no\r\n"
                       "IF/2,0,2,RF,0.5,0.75,no,31.5,0,31.5,no\r\n"
                       "half-IF,2,2,LO - RF,9.25,9.5,yes,31.5,0,31.5,no\r\n"
                       "half-IF,2,2,RF - LO,10.5,10.75,yes,31.5,0,31.5,no\r\n"
                       "1 x 2,1,2,LO - RF,4.25,4.5,no,34,0,34,no\r\n"
                       "1 x 2,1,2,RF - LO,5.5,5.75,no,34,0,34,no\r\n"
                       "LO harmonic 2,2,1,LO - RF,18.5,19,no,35,0,35,no\r\n"
                       "LO harmonic 2,2,1,RF - LO,21,21.5,no,35,0,35,no\r\n");

    // A Butterworth band-pass 8 to 9 of order 3 before the mixer; the middle
    // step's RF (9) sits on its 3 dB edge. The image's least attenuation is at 11.
    const auto a = [](double f) { return 10 * std::log10(1 + std::pow(std::fabs(f * f - 72) / f, 6)); };
    const ProcessRun json = responses({"--set", "cboRFFilter=Band-pass", "--set", "txtRFFilterLow=8", "--set",
                                "txtRFFilterHigh=9", "--set", "txtRFFilterOrder=3", "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err.constData();
    const QJsonObject top = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(top["format"].toString(), "kestrel-report 1");
    EXPECT_EQ(top["step"].toInt(), 2);
    EXPECT_EQ(top["lo"].toDouble(), 10);
    const QJsonObject image = top["responses"].toArray()[1].toObject();
    EXPECT_EQ(image["name"].toString(), "image");
    EXPECT_NEAR(image["preselector"].toDouble(), a(11) - a(9), 1e-4);
    EXPECT_NEAR(image["total"].toDouble(), a(11) - a(9), 1e-4);
    EXPECT_EQ(image["pass"].toBool(true), false);
    EXPECT_TRUE(top["responses"].toArray()[0].toObject()["pass"].isNull()); // the wanted one

    // Orders the estimate has no level for: null, and first.
    const QJsonObject noLevel =
        QJsonDocument::fromJson(responses({"--set", "cboLOHar=7", "--set", "cboRFHar=5", "--format", "json"}).out)
            .object()["responses"].toArray()[0].toObject();
    EXPECT_EQ(noLevel["name"].toString(), "7 x 5");
    EXPECT_TRUE(noLevel["mixer"].isNull() && noLevel["total"].isNull());
}

TEST(ResponsesProgram, BadStepIsRefusedWithOneLine) {
    const struct {
        const char* step;
        const char* line;
    } cases[] = {
        {"6", "kestrel-report: --step 6: the design's steps are 0 to 5\n"},
        {"-1", "kestrel-report: --step -1: the design's steps are 0 to 5\n"},
        {"2.5", "kestrel-report: --step 2.5: a whole number expected\n"},
        {"", "kestrel-report: --step : a whole number expected\n"},
    };
    for (const auto& c : cases) {
        const ProcessRun run = responses({"--step", c.step});
        EXPECT_EQ(run.status, 2) << c.step;
        EXPECT_EQ(run.err, c.line) << c.step;
        EXPECT_EQ(run.out, "") << c.step;
    }
}

TEST(ResponsesProgram, CheckHoldsTheResponsesOnlyWithTheLimitLineOn) {
    EXPECT_FALSE(report(QStringList{"check"} + kDesign).out.contains("responses:"));
    const ProcessRun on = report(QStringList{"check"} + kDesign + QStringList{"--set", "chkUseLimits=1"});
    EXPECT_EQ(on.status, 1);
    EXPECT_TRUE(on.out.contains("responses: FAIL: image at 11\u201311.5, 0.0 dB\n")) << on.out.constData();
}

} // namespace
