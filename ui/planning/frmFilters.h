#pragma once
// The converter's filters and the limit line: three filter blocks (the RF
// preselector, the LO filter, the IF filter), the rows of the limit line
// and whether it is checked, and the IF filter order the design needs. One
// modeless instance; it maps its part of a `Design` to its controls and back.

#include <QWidget>
#include <optional>

#include "engine/Design.h"
#include "engine/NeededOrder.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kestrel::ui {
class FilterBlock;
class FocusEvents;
} // namespace kestrel::ui

class frmFilters : public QWidget {
    Q_OBJECT
public:
    frmFilters();

    void showWindow();
    // Placed by its owner: the first show keeps that place instead of centring.
    void keepPlace() { placed_ = true; }

    // Filters, limit rows and the check box; nothing else of `d` changes.
    void toDesign(kestrel::Design& d) const;
    void fromDesign(const kestrel::Design& d);

    void setUnit(const QString& unit);

    // The needed order as the last evaluation found it; nullptr: unknown
    // (not solved, or the limit line not in use). "Use" writes its order,
    // and a stand-in band-pass's shape and edges.
    void showNeededOrder(const kestrel::NeededOrder* needed);

    void cmdUseOrder_Click();
    void cmdAddLimit_Click();
    void cmdRemoveLimit_Click();

    kestrel::ui::FilterBlock& block(int index) const { return *blocks_[index]; } // 0 RF, 1 LO, 2 IF

signals:
    // A filter, a limit row or the check box changed.
    void changed();

private:
    void build();
    void addLimitRow(const kestrel::LimitRow& row);
    void limitEdited(int row, int column);

    kestrel::ui::FocusEvents* focus_ = nullptr;
    kestrel::ui::FilterBlock* blocks_[3] = {};
    QTableWidget* gridLimits_ = nullptr;
    QPushButton* cmdAddLimit_ = nullptr;
    QPushButton* cmdRemoveLimit_ = nullptr;
    QCheckBox* chkUseLimits_ = nullptr;
    QLabel* lblNeededOrder_ = nullptr;
    QPushButton* cmdUseOrder_ = nullptr;
    std::optional<kestrel::NeededOrder> needed_;
    bool filling_ = false; // the program is writing the grid
    bool placed_ = false;
};
