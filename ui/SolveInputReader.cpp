#include "ui/SolveInputReader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "engine/DesignSolve.h"
#include "engine/NumberText.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"

namespace kestrel::ui {

template <class T> T* SolveInputReader::control(const char* name) const {
    T* w = qobject_cast<T*>(controls_.value(QLatin1String(name)));
    Q_ASSERT(w);
    return w;
}

std::optional<SolveInput> SolveInputReader::read() const {
    auto* chkOffset = control<QCheckBox>("chkOffset");
    auto* txtLoOffset = control<QLineEdit>("txtLoOffset");
    const auto fieldText = [this](const char* name) { return text(control<QLineEdit>(name)); };
    const auto listText = [this](const char* name) {
        return control<QComboBox>(name)->currentText().toStdString();
    };
    SolveFieldTexts texts;
    texts.rfStart = fieldText("txtRFStart");
    texts.rfStop = fieldText("txtRFStop");
    texts.steps = listText("cboSteps");
    texts.loFreq = fieldText("txtLOFreq");
    texts.ifStart = fieldText("txtIFStart");
    texts.ifStop = fieldText("txtIFStop");
    texts.trackingLO = chkOffset->isChecked();
    texts.loOffset = text(txtLoOffset);
    texts.loHarmonics = listText("cboLOHar");
    texts.rfHarmonics = listText("cboRFHar");

    DesignSolveInput read = solveInputFromTexts(texts);
    if (read.input) {
        // The offset is read from its field at every step.
        if (read.input->trackingLO)
            read.input->loOffset = [txtLoOffset] { return leadingNumber(text(txtLoOffset)); };
        return read.input;
    }
    // Only the first fault is told; the focus goes where it is mended.
    showNumericCheck(window_);
    QWidget* field = controls_.value(QString::fromStdString(read.field));
    Q_ASSERT(field);
    // The LO field hidden behind the tracking offset can only be reached
    // through the box that switches the mode back.
    (field->isHidden() ? chkOffset : field)->setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

} // namespace kestrel::ui
