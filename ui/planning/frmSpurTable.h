#pragma once
// The mixer's own spur table: the level of every m x n product in dBc, as
// a datasheet or the bench gives it at a reference RF and LO drive, with a
// switch that makes it the level model wherever a level is shown. One
// modeless instance; it exists hidden from start-up, since the table is
// part of the design.

#include <QWidget>
#include <functional>
#include <optional>

#include "engine/LevelModel.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace kestrel::ui {
class FocusEvents;
}

class frmSpurTable : public QWidget {
    Q_OBJECT
public:
    // inputs: the drives and mixer figures as the next evaluation reads them
    // (nullopt while one is no number); evaluate: evaluates the levels
    // through the model in use, without the power fields' warnings (true
    // when the lines were set); withoutNumber: the input that holds no number.
    using Inputs = std::function<std::optional<kestrel::LevelInputs>()>;
    using MissingInput = std::function<std::optional<kestrel::LevelInput>()>;
    frmSpurTable(Inputs inputs, std::function<bool()> evaluate, MissingInput withoutNumber);

    // "Mixer Spur &Table...": shown, in front, restored when minimized; on
    // opening the focus is in the first reference field.
    void showWindow();

    // After a design was loaded: while the table is in use its levels are
    // evaluated at once with the loaded drives.
    void designLoaded();

    // The table while the switch is on, else nullptr (the built-in estimate).
    const kestrel::LevelModel* activeModel() const;
    const kestrel::MixerSpurTable& table() const { return table_; }
    // Cells and both reference fields; evaluates when the table is in use.
    void setTable(const kestrel::MixerSpurTable& table);

    // After every evaluation: the note says which model gave the levels.
    void updateNote();

    // Asks for a file to read or write; an empty answer cancels. A dialog
    // unless replaced (tests answer without one).
    using PathChooser = std::function<QString(QWidget* parent, bool forSaving)>;
    void setPathChooser(PathChooser chooser) { choose_ = std::move(chooser); }

    void cmdIMTFill_Click();
    void cmdIMTImport_Click();
    void cmdIMTExport_Click();
    void cmdIMTClear_Click();
    void chkUseIMT_Click();
    void txtIMTRFRef_LostFocus() { referenceLeft(txtIMTRFRef_, table_.rfReference); }
    void txtIMTLORef_LostFocus() { referenceLeft(txtIMTLORef_, table_.loReference); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildGrid();
    void buildLayout();
    void fillGrid();
    void cellChanged(QTableWidgetItem* item);
    bool referenceLeft(QLineEdit* field, double& reference); // false: refused
    void changed();
    QString whyNoLevels() const;

    Inputs inputs_;
    std::function<bool()> evaluate_;
    MissingInput withoutNumber_;
    PathChooser choose_;
    kestrel::MixerSpurTable table_;
    bool filling_ = false;
    QTableWidget* gridIMT_ = nullptr;
    QLineEdit* txtIMTRFRef_ = nullptr;
    QLineEdit* txtIMTLORef_ = nullptr;
    QCheckBox* chkUseIMT_ = nullptr;
    QLabel* lblIMTNote_ = nullptr;
    kestrel::ui::FocusEvents* focus_ = nullptr;
};
