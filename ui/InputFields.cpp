#include "ui/InputFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <array>
#include <optional>

#include "engine/NumberText.h"
#include "engine/QuickFill.h"
#include "ui/FocusEvents.h"
#include "ui/MessageBoxes.h"

namespace kestrel::ui {

enum class OnChange { Nothing, Invalidate };
enum class OnLeave { Nothing, Invalidate, NumericAndSign, NumericAndSignThenSeedIFStop, LoOffset };

struct FieldSpec {
    std::string_view name;
    OnChange change;
    OnLeave leave;
    std::optional<QuickFill> doubleClick = std::nullopt;
    std::array<std::string_view, 2> writes = {}; // the fields a quick-fill writes, in order
};

namespace {

using C = OnChange;
using L = OnLeave;
using Q = QuickFill;

// Markers, powers, "sum only" and the sweep speed are read by the replays
// when they run, so they never make the matrix stale. The powers' own leave
// handling lives with the spur levels.
constexpr std::array kFields = std::to_array<FieldSpec>({
    {"txtLOFreq", C::Invalidate, L::NumericAndSign},
    {"txtLoOffset", C::Invalidate, L::LoOffset},
    {"chkOffset", C::Nothing, L::Invalidate},
    {"cboLOHar", C::Invalidate, L::Nothing},
    {"cboRFHar", C::Invalidate, L::Nothing},
    {"cboSteps", C::Nothing, L::Invalidate},
    {"txtRFStart", C::Invalidate, L::NumericAndSign, Q::RFFromMarkersSum, {"txtRFStart", "txtRFStop"}},
    {"txtRFStop", C::Invalidate, L::NumericAndSign, Q::RFFromMarkersDiff, {"txtRFStart", "txtRFStop"}},
    {"txtIFStart", C::Invalidate, L::NumericAndSign, Q::IFStart, {"txtIFStart"}},
    {"txtIFStop", C::Invalidate, L::NumericAndSign, Q::IFStop, {"txtIFStop"}},
    {"txtMarker1", C::Nothing, L::NumericAndSign, Q::MarkersFromRFSum, {"txtMarker1", "txtMarker2"}},
    {"txtMarker2", C::Nothing, L::NumericAndSignThenSeedIFStop, Q::MarkersFromRFDiff,
     {"txtMarker1", "txtMarker2"}},
});

const QString kNumericCheck = QStringLiteral("Numeric Check");

std::string textOf(const QLineEdit* field) { return field->text().toStdString(); }

} // namespace

InputFields::InputFields(QWidget* window, const QHash<QString, QWidget*>& controls,
                         FocusEvents& focus, WorkingState& state, std::function<void()> invalidate)
    : QObject(window), window_(window), controls_(controls), focus_(focus), state_(state),
      invalidate_(std::move(invalidate)) {
    for (const FieldSpec& spec : kFields) {
        QWidget* w = widget(spec.name);
        if (spec.change == OnChange::Invalidate) {
            // Typed or set by the program (a quick-fill, a design load) alike.
            if (auto* field = qobject_cast<QLineEdit*>(w))
                connect(field, &QLineEdit::textChanged, this, [this] { invalidate_(); });
            // Another item only: choosing the shown one again changes nothing.
            if (auto* list = qobject_cast<QComboBox*>(w))
                connect(list, &QComboBox::currentIndexChanged, this, [this] { invalidate_(); });
        }
        if (spec.leave != OnLeave::Nothing) focus_.onLostFocus(w, [this, &spec] { leave(spec); });
        if (spec.doubleClick) {
            quickFills_.insert(w, &spec);
            w->installEventFilter(this);
        }
    }
    // Setting the box from the program switches the mode too.
    connect(qobject_cast<QCheckBox*>(widget("chkOffset")), &QCheckBox::toggled, this,
            &InputFields::chkOffset_Click);
}

QWidget* InputFields::widget(std::string_view name) const {
    QWidget* w = controls_.value(QString::fromLatin1(name.data(), qsizetype(name.size())));
    Q_ASSERT(w);
    return w;
}

QLineEdit* InputFields::text(std::string_view name) const {
    return qobject_cast<QLineEdit*>(widget(name));
}

void InputFields::chkOffset_Click() {
    const bool tracking = qobject_cast<QCheckBox*>(widget("chkOffset"))->isChecked();
    widget("lblOffsetInst")->setVisible(tracking);
    widget("txtLoOffset")->setVisible(tracking);
    widget("txtLOFreq")->setVisible(!tracking);
}

void InputFields::leave(const FieldSpec& spec) {
    switch (spec.leave) {
    case OnLeave::Nothing: break;
    case OnLeave::Invalidate: invalidate_(); break;
    case OnLeave::NumericAndSign: numericAndSignCheck(text(spec.name)); break;
    case OnLeave::NumericAndSignThenSeedIFStop:
        if (numericAndSignCheck(text(spec.name))) seedIFStop();
        break;
    case OnLeave::LoOffset: loOffsetCheck(text(spec.name)); break;
    }
}

void InputFields::error(const QString& message, const QString& title) {
    showMessage(window_, message, title, QMessageBox::Critical);
}

bool InputFields::numericCheck(QLineEdit* field) {
    if (toDoubleStrict(textOf(field))) return true;
    showNumericCheck(window_);
    // Back into the field once the box has gone; the text stays as typed.
    // Moving there is the program's doing, not the user leaving another field.
    focus_.setSuppressed(true);
    field->setFocus(Qt::OtherFocusReason);
    focus_.setSuppressed(false);
    return false;
}

bool InputFields::numericAndSignCheck(QLineEdit* field) {
    if (!numericCheck(field)) return false;
    if (*toDoubleStrict(textOf(field)) < 0) error(QStringLiteral("Positive Values Please"), kNumericCheck);
    return true;
}

void InputFields::loOffsetCheck(QLineEdit* field) {
    if (!numericCheck(field)) return;
    // A negative offset is allowed, as long as the lowest tracking LO is not.
    const double lowestLO = leadingNumber(textOf(text("txtRFStart"))) + *toDoubleStrict(textOf(field));
    if (lowestLO < 0)
        error(QStringLiteral("Negative LO Offsets should NOT be larger than Lowest RF Frequency"),
              QStringLiteral("LO Offset results in NEGATIVE LO Numbers"));
}

void InputFields::seedIFStop() {
    // Before the first solve the band's upper edge is still unset.
    if (state_.IFStop == 0) state_.IFStop = toSingle(leadingNumber(textOf(text("txtIFStop"))));
}

void InputFields::doubleClick(const FieldSpec& spec) {
    const std::string lo = textOf(text("txtLOFreq")), rfStart = textOf(text("txtRFStart")),
                      rfStop = textOf(text("txtRFStop")), m1 = textOf(text("txtMarker1")),
                      m2 = textOf(text("txtMarker2"));
    const std::vector<std::string> values = quickFill(*spec.doubleClick, {lo, rfStart, rfStop, m1, m2});
    for (std::size_t i = 0; i < values.size(); ++i)
        text(spec.writes[i])->setText(QString::fromStdString(values[i]));
}

bool InputFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (const FieldSpec* spec = quickFills_.value(watched)) doubleClick(*spec);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kestrel::ui
