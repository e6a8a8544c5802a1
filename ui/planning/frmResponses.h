#pragma once
// The receiver responses window: which input bands reach the output band
// between the markers through the LO of one RF step, each with the mixer's
// and the preselector's rejection, as a table, a chart and a verdict
// against the required rejection. One modeless instance; it recomputes
// when shown, when told of a solve or a load, and when its step or the
// required rejection changes. It computes from the design its host gives,
// never from another window's controls.

#include <QWidget>
#include <functional>
#include <vector>

#include "engine/Design.h"
#include "engine/ReceiverResponses.h"
#include "ui/planning/ChartImage.h"
#include "ui/planning/SpurExport.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kestrel::display {
class ResponsesChart;
}
namespace kestrel::ui {
class FocusEvents;

struct ResponsesHost {
    std::function<Design()> design;      // the design as it stands now
    std::function<QString()> designFile; // names the exported files; empty when none
};
} // namespace kestrel::ui

class frmResponses : public QWidget {
    Q_OBJECT
public:
    explicit frmResponses(kestrel::ui::ResponsesHost host);

    // Shown, restored if minimized, in front.
    void showWindow();
    // Recomputes from the host's design; does nothing while hidden.
    void refresh();

    // What the window stores in a design: the required rejection as typed.
    void toDesign(kestrel::Design& design) const;
    void fromDesign(const kestrel::Design& design);

    // A number becomes the required rejection; anything else gets the
    // numeric check and stays as typed, the last number still in use.
    void txtRespRequired_LostFocus();
    void cboRespStep_Click();
    // "Export CSV...": the table as kestrel-report writes it.
    void cmdExportCsv_Click();
    void cmdSaveImage_Click();

    const kestrel::DesignResponses& responses() const { return result_; }
    kestrel::display::ResponsesChart& chart() const { return *chartResponses_; }
    kestrel::ui::ChartImage& image() { return image_; }
    void setCsvPathChooser(kestrel::ui::SpurExport::PathChooser chooser) { chooseCsv_ = std::move(chooser); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillSteps(const std::vector<double>& rfs, const QString& unit);
    void fillGrid(const QString& unit);
    void fillChart(const kestrel::Design& design, const QString& unit);

    kestrel::ui::ResponsesHost host_;
    std::string required_ = "60"; // the last number accepted
    std::vector<double> stepRFs_;
    std::string unit_; // of the design computed last
    kestrel::DesignResponses result_;
    QComboBox* cboRespStep_ = nullptr;
    QLineEdit* txtRespRequired_ = nullptr;
    QLabel* lblRespVerdict_ = nullptr;
    QLabel* lblRespNote_ = nullptr;
    QTableWidget* gridResponses_ = nullptr;
    kestrel::display::ResponsesChart* chartResponses_ = nullptr;
    QPushButton* cmdExportCsv_ = nullptr;
    QPushButton* cmdSaveImage_ = nullptr;
    kestrel::ui::FocusEvents* focus_ = nullptr;
    kestrel::ui::ChartImage image_;
    kestrel::ui::SpurExport::PathChooser chooseCsv_;
};
