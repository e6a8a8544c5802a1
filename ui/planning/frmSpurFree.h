#pragma once
// The spur-free band finder's window: the wanted product, the threshold and
// the highest order as inputs, the clean bands of the last solve as a table.
// One modeless instance; it reruns the finder whenever it is told the solve
// or the levels changed while it is open.

#include <QWidget>
#include <functional>
#include <vector>

#include "engine/SpurFreeBands.h"
#include "ui/SpurSolution.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kestrel::ui {
class FocusEvents;
}

class frmSpurFree : public QWidget {
    Q_OBJECT
public:
    using Source = std::function<kestrel::ui::SpurSolution()>;

    explicit frmSpurFree(Source source);

    // After a solve or a level evaluation; does nothing while hidden.
    void refresh();

    // The bands listed now, and whether the analyzer should shade them.
    const std::vector<kestrel::SpurFreeBand>& bands() const { return bands_; }
    bool shading() const;

    // The wanted product, one setting of the design: the choice in
    // `cboWanted`, or while "Automatic (from the markers)" is chosen the
    // product decided at the last solve or load.
    kestrel::ProductFamily wanted() const;
    // An explicit choice, as if made in the list.
    void setWanted(kestrel::ProductFamily family);
    // After every solve and load: what the automatic choice stands for, kept
    // whether or not it is chosen now.
    void decideAutomatic(kestrel::ProductFamily family);

    // The finder's question as its inputs stand (without the limit line's
    // failures, which live only as long as one search).
    kestrel::SpurFreeQuery query() const;
    // Whether products count by the limit line (chkFinderLimits).
    bool countsByLimits() const;
    // The clean bands of a solution as the inputs stand; empty with `note`
    // saying why when there is no solve, or the limit line cannot be used.
    std::vector<kestrel::SpurFreeBand> findBands(const kestrel::ui::SpurSolution& solution, QString& note) const;

    // The threshold field's leave handling: a number reruns the finder,
    // anything else is refused with the numeric check and stays as typed.
    void txtThreshold_LostFocus();

signals:
    // The bands or the shade check box changed: the analyzer repaints.
    void shadingChanged();
    // The wanted product, the threshold or the highest order changed.
    void queryChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fillTable();

    Source source_;
    std::vector<kestrel::SpurFreeBand> bands_;
    double threshold_ = -60;
    kestrel::ProductFamily automatic_ = kestrel::ProductFamily::Difference;
    QComboBox* cboWanted_ = nullptr;
    QLineEdit* txtThreshold_ = nullptr;
    QComboBox* cboMaxOrder_ = nullptr;
    QCheckBox* chkShade_ = nullptr;
    QCheckBox* chkFinderLimits_ = nullptr;
    QLabel* lblNote_ = nullptr;
    QTableWidget* gridBands_ = nullptr;
    kestrel::ui::FocusEvents* focus_ = nullptr;
};
