#include "ui/SolveInputReader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "engine/NumberText.h"
#include "ui/MessageBoxes.h"
#include "ui/QtText.h"

namespace kestrel::ui {
namespace {


} // namespace

template <class T> T* SolveInputReader::control(const char* name) const {
    T* w = qobject_cast<T*>(controls_.value(QLatin1String(name)));
    Q_ASSERT(w);
    return w;
}

std::optional<SolveInput> SolveInputReader::read() const {
    auto* chkOffset = control<QCheckBox>("chkOffset");
    bool ok = true;
    // Only the first fault is told; the focus goes where it is mended.
    const auto refuse = [&](QWidget* field) {
        if (!ok) return;
        ok = false;
        showNumericCheck(window_);
        // The LO field hidden behind the tracking offset can only be reached
        // through the box that switches the mode back.
        (field->isHidden() ? chkOffset : field)->setFocus(Qt::OtherFocusReason);
    };
    // Every frequency ends up in single precision, so each must fit one.
    const auto strictSingle = [&](const char* name) -> float {
        auto* field = control<QLineEdit>(name);
        const auto v = toSingleStrict(text(field));
        if (!v) refuse(field);
        return v.value_or(0);
    };
    const auto strictDouble = [&](const char* name) -> double {
        auto* field = control<QLineEdit>(name);
        strictSingle(name);
        return toDoubleStrict(text(field)).value_or(0);
    };
    const auto listValue = [&](const char* name) -> std::int16_t {
        auto* box = control<QComboBox>(name);
        const auto v = toInt16HalfEven(box->currentText().toStdString());
        if (!v) refuse(box);
        return v.value_or(0);
    };

    SolveInput in;
    in.rfStart = strictDouble("txtRFStart");
    in.rfStop = strictDouble("txtRFStop");
    in.numSteps = listValue("cboSteps");
    in.loFreq = strictSingle("txtLOFreq");
    in.ifStart = strictSingle("txtIFStart");
    in.ifStop = strictSingle("txtIFStop");
    in.trackingLO = chkOffset->isChecked();
    auto* txtLoOffset = control<QLineEdit>("txtLoOffset");
    if (in.trackingLO) in.loOffset = [txtLoOffset] { return leadingNumber(text(txtLoOffset)); };
    in.mMax = listValue("cboLOHar");
    in.nMax = listValue("cboRFHar");
    if (!ok) return std::nullopt;

    // Fields that fit one by one can still add up beyond the single range.
    switch (findSolveOverflow(in)) {
    case SolveOverflow::None: return in;
    case SolveOverflow::Span: refuse(control<QLineEdit>("txtRFStop")); break;
    case SolveOverflow::TrackingLO: refuse(txtLoOffset); break;
    case SolveOverflow::DisplayBand: refuse(control<QLineEdit>("txtIFStop")); break;
    }
    return std::nullopt;
}

} // namespace kestrel::ui
