// The filters window and what the limit line shows on the analyzer.
#include "DesignFilesFixture.h"

#include <QComboBox>
#include <QTableWidget>

#include "display/AnalyzerPanel.h"
#include "display/SpectrumDisplay.h"
#include "engine/DesignSolve.h"
#include "ui/planning/FilterBlock.h"
#include "ui/planning/frmFilters.h"

using namespace kestrel::filetest;
using kestrel::Design;
using kestrel::DesignFilter;
using kestrel::FilterPoint;
using kestrel::LimitRow;

namespace {

class FiltersUi : public DesignFilesUi {
protected:
    frmFilters& filters() { return w_->filtersWindow(); }
    template <class T> T* in(const char* name) { return filters().findChild<T*>(QLatin1String(name)); }
    kestrel::display::AnalyzerPanel& panel() { return w_->spectrumDisplay().panel(); }
    QString verdict() { return get<QLabel>("lblVerdict")->text(); }
    void useLimit(const char* limit) {
        in<QTableWidget>("gridLimits")->item(0, 2)->setText(limit);
        in<QCheckBox>("chkUseLimits")->setChecked(true);
    }
};

TEST_F(FiltersUi, ADesignsFiltersAndLimitLineComeBackAsTheyWentIn) {
    Design a;
    a.rfFilter = {"Band-pass", "Chebyshev", "12", "17", "7", "0.5", "1.5", "90", {}, ""};
    a.loFilter = {"Measured (Touchstone)", "Butterworth", "20", "28", "5", "0.1", "0", "80",
                  {{20, 3}, {24, 0.5}, {28, 4}}, "lo.s2p"};
    a.ifFilter = {"High-pass", "Butterworth", "35", "", "15", "0.1", "0", "80", {}, ""};
    a.limits = {LimitRow{}, LimitRow{"35", "", "-70", "dBc"}, LimitRow{"", "45", "-90", "dBm"}};
    a.useLimits = true;
    Design b;
    b.limits = {};
    for (const Design& d : {a, b, Design{}}) {
        filters().fromDesign(d);
        Design out;
        out.limits = {LimitRow{"1", "2", "3", "dBm"}};
        filters().toDesign(out);
        EXPECT_EQ(out, d);
    }
    EXPECT_EQ(in<QLabel>("lblLOFilterData")->text(), "No measured data");
    filters().fromDesign(a);
    EXPECT_EQ(in<QLabel>("lblLOFilterData")->text(), "lo.s2p, 3 points");
}

TEST_F(FiltersUi, TheShapeEnablesOnlyTheFieldsItUses) {
    struct Case {
        const char* shape;
        const char* response;
        bool low, high, order, ripple, loss;
    };
    const Case cases[] = {
        {"None", "Butterworth", false, false, false, false, false},
        {"Band-pass", "Butterworth", true, true, true, false, true},
        {"Band-pass", "Chebyshev", true, true, true, true, true},
        {"Low-pass", "Chebyshev", false, true, true, true, true},
        {"High-pass", "Butterworth", true, false, true, false, true},
        {"Measured (CSV)", "Chebyshev", false, false, false, false, false},
    };
    for (const Case& c : cases) {
        in<QComboBox>("cboIFFilter")->setCurrentText(c.shape);
        in<QComboBox>("cboIFResponse")->setCurrentText(c.response);
        const std::pair<const char*, bool> fields[] = {{"txtIFFilterLow", c.low},     {"txtIFFilterHigh", c.high},
                                                       {"txtIFFilterOrder", c.order}, {"txtIFFilterRipple", c.ripple},
                                                       {"txtIFFilterLoss", c.loss},   {"txtIFFilterFloor", c.loss}};
        for (const auto& [name, enabled] : fields) EXPECT_EQ(in<QLineEdit>(name)->isEnabled(), enabled) << c.shape << name;
        EXPECT_TRUE(in<QPushButton>("cmdIFFilterFile")->isEnabled());
    }
}

TEST_F(FiltersUi, ARefusedValueIsToldOnLeavingAndStaysTyped) {
    struct Case {
        const char* field;
        const char* text;
        const char* message; // empty: taken
    };
    const Case cases[] = {
        {"FilterOrder", "16", "the order must be a whole number from 1 to 15."},
        {"FilterOrder", "2.5", "the order must be a whole number from 1 to 15."},
        {"FilterOrder", "15", ""},
        {"FilterRipple", "0.009", "the ripple must be from 0.01 to 3 dB."},
        {"FilterRipple", "3", ""},
        {"FilterLoss", "-0.1", "the insertion loss must be 0 dB or more."},
        {"FilterFloor", "150.5", "the floor must be from 20 to 150 dB."},
        {"FilterFloor", "20", ""},
        {"FilterLow", "0", "the passband edge must be a number above 0."},
        {"FilterHigh", "abc", "the passband edge must be a number above 0."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kestrel::ui::filterFieldProblem(QLatin1String(c.field), QLatin1String(c.text)),
                  QLatin1String(c.message))
            << c.field << " " << c.text;

    // Through the window: the box names the block, the text stays, the focus returns.
    showAndActivate(&filters());
    in<QComboBox>("cboIFFilter")->setCurrentText("Band-pass");
    QLineEdit* order = in<QLineEdit>("txtIFFilterOrder");
    order->setFocus();
    order->setText("0");
    BoxAnswerer boxes;
    in<QLineEdit>("txtIFFilterLoss")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, "IF filter: the order must be a whole number from 1 to 15.");
    EXPECT_EQ(boxes.seen()[0].title, "Filters and Limits");
    EXPECT_EQ(order->text(), "0");
    EXPECT_EQ(filters().focusWidget(), order);
    Design d;
    filters().toDesign(d);
    EXPECT_EQ(d.ifFilter.order, "0");
}

// Orders up to 3 give every product a level: the limit decides alone.
TEST_F(FiltersUi, TheLimitLineFailsAndPassesWithItsVerdictAndRedLines) {
    get<QComboBox>("cboLOHar")->setCurrentText("3");
    get<QComboBox>("cboRFHar")->setCurrentText("3");
    get<QPushButton>("cmdCalculate")->click();
    EXPECT_EQ(verdict(), "");
    EXPECT_TRUE(panel().maskLines().empty() || !panel().maskLines()[0]->isVisible());

    struct Case {
        const char* limit;
        bool pass;
    };
    for (const Case c : {Case{"-200", false}, Case{"10", true}}) {
        useLimit(c.limit);
        Design design = w_->windowDesign();
        design.loHarmonics = design.rfHarmonics = "3";
        const kestrel::DesignReport report = kestrel::reportFromDesign(design);
        ASSERT_TRUE(report.why.empty()) << report.why;
        EXPECT_EQ(verdict().toStdString(), kestrel::verdictText(report.verdict, report.rows));
        EXPECT_EQ(verdict().startsWith("PASS"), c.pass) << verdict().toStdString();

        // Step 4 on the analyzer: each line fails exactly as its row does.
        w_->spectrumDisplay();
        get<QPushButton>("cmdSingleStep")->click(); // step 0
        for (int k = 1; k <= 4; ++k) get<QPushButton>("cmdSingleStep")->click();
        int failing = 0;
        for (const kestrel::SpurTableRow& row : report.rows) {
            if (row.step != 4) continue;
            auto* line = panel().spurLine({row.m, row.n, row.family == kestrel::ProductFamily::Sum});
            if (!line) continue;
            EXPECT_EQ(line->property("failsLimit").toBool(), kestrel::failsLimit(row)) << row.m << "x" << row.n;
            failing += kestrel::failsLimit(row);
            if (kestrel::failsLimit(row)) {
                EXPECT_EQ(line->property("color").value<QColor>(), QColor(Qt::red));
            }
        }
        EXPECT_EQ(failing > 0, !c.pass);
        // One flat stretch over the whole band at the limit.
        ASSERT_FALSE(panel().maskLines().empty());
        auto* mask = panel().findChild<kestrel::display::LineShape*>("LimitMask(0)");
        ASSERT_TRUE(mask && mask->isVisible());
        EXPECT_EQ(mask->property("y1").toDouble(), kestrel::display::LevelToY(std::atof(c.limit)));
        EXPECT_EQ(mask->property("x1").toDouble(), 0);
        EXPECT_EQ(mask->property("x2").toDouble(), kestrel::display::kAxisWidth);
        EXPECT_FALSE(panel().findChild<kestrel::display::LineShape*>("LimitMask(1)") &&
                     panel().findChild<kestrel::display::LineShape*>("LimitMask(1)")->isVisible());
    }
    // Unchecked: no verdict, no red line, no mask.
    in<QCheckBox>("chkUseLimits")->setChecked(false);
    EXPECT_EQ(verdict(), "");
    for (int i = 0; i < kestrel::display::kSpurLineCount; ++i) EXPECT_FALSE(panel().spurLine(i).failsLimit());
    EXPECT_FALSE(panel().maskLines()[0]->isVisible());
}

// A narrow preselector lowers the drive differently at each RF step: each
// step's lines stand at that step's levels, during "+" as in the report.
TEST_F(FiltersUi, EachStepShowsItsOwnLevelsBehindAPreselector) {
    in<QComboBox>("cboRFFilter")->setCurrentText("Band-pass");
    in<QLineEdit>("txtRFFilterLow")->setText("13");
    in<QLineEdit>("txtRFFilterHigh")->setText("14");
    in<QLineEdit>("txtRFFilterOrder")->setText("3");
    get<QPushButton>("cmdCalculate")->click();
    const kestrel::DesignReport report = kestrel::reportFromDesign(w_->windowDesign());
    ASSERT_TRUE(report.why.empty()) << report.why;
    std::set<float> tops; // of one line over the steps
    for (int k = 0; k <= 10; ++k) {
        get<QPushButton>("cmdSingleStep")->click();
        for (const kestrel::SpurTableRow& row : report.rows) {
            if (row.step != k || row.role == kestrel::ProductRole::Wanted) continue;
            auto* line = panel().spurLine({row.m, row.n, row.family == kestrel::ProductFamily::Sum});
            if (!line) continue;
            const float top = row.level ? kestrel::display::LevelToY(*row.level) : float(kestrel::display::kBaselineY);
            EXPECT_EQ(float(line->y1()), top) << "step " << k << " " << row.m << "x" << row.n;
            if (row.m == 2 && row.n == 2 && row.family == kestrel::ProductFamily::Sum) tops.insert(top);
        }
    }
    EXPECT_GT(tops.size(), 3u);
    EXPECT_EQ(verdict(), ""); // the limit line is not checked
}

} // namespace
