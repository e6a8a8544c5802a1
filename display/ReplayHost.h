#pragma once
// What the sweep, the single step and the pointer read-out read and write on
// the main window. The window that owns them fills it in; the replays know
// nothing else of it.

#include <QString>
#include <functional>

#include "engine/GridFill.h"
#include "engine/SpurMatrix.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrel::display {

class SpectrumDisplay;

struct ReplayHost {
    SpectrumDisplay* display = nullptr;
    SpurMatrix* matrix = nullptr;  // single step works its step out again
    WorkingState* state = nullptr; // the last solve, and PointerRefFreq
    std::function<QString()> freqUnit;

    QPushButton* cmdSweep = nullptr;
    QCheckBox* chkSingle = nullptr;
    QComboBox* cboSweepSpeed = nullptr;
    QLabel* lblStepPointer = nullptr;
    QLabel* lblMOUSEPOINTER = nullptr;
    QLabel* lblRFANA = nullptr;
    QLabel* lblWorking2 = nullptr;
    QLabel* lblWorking3 = nullptr; // the tracking LO of the step
    QLabel* lblWorking4 = nullptr; // its title
    QLineEdit* txtRFDisFreq = nullptr;
    QLineEdit* txtMarker1 = nullptr;
    QLineEdit* txtMarker2 = nullptr;
    QLineEdit* txtIFStart = nullptr;
    QLineEdit* txtIFStop = nullptr;
    QCheckBox* chkOffset = nullptr;
    QCheckBox* chkSUMONLY = nullptr;
    QComboBox* cboLOHar = nullptr;
    QComboBox* cboRFHar = nullptr;

    // The spur grid's data cells, read and written as a whole.
    std::function<GridCells()> gridCells;
    std::function<void(const GridCells&)> showGrid;
    // A modal critical box with this text and title.
    std::function<void(const QString& text, const QString& title)> critical;
};

// Checks that a replay can place anything: a span of the last solve that is
// not empty and two marker fields that hold numbers. On refusal the user has
// been told once (focus into the marker field at fault) and nothing moved.
bool replayMayStart(const ReplayHost& host);

// "12.5 GHz": the short text of a frequency, a blank and the unit.
QString frequencyText(float value, const QString& unit);

} // namespace kestrel::display
