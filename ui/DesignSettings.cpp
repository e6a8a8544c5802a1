#include "ui/DesignSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <set>

#include "engine/NumberText.h"
#include "ui/FieldCaptions.h"

namespace kestrel::ui {
namespace {

QString fromLatin1(const std::string& s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

bool takes(DesignSettings::NumberRule rule, const QString& value) {
    const std::string text = value.toStdString();
    switch (rule) {
    case DesignSettings::NumberRule::Double: return toDoubleStrict(text).has_value();
    case DesignSettings::NumberRule::Single: return toSingleStrict(text).has_value();
    case DesignSettings::NumberRule::NotNegative: {
        const auto v = toDoubleStrict(text);
        return v && *v >= 0;
    }
    }
    return false;
}

} // namespace

void DesignSettings::addList(const QString& name, std::function<QComboBox*()> list,
                             std::function<void()> changed) {
    add({name, [list] { return std::optional<QString>(list()->currentText()); },
         [list](const QString& v) { return list()->findText(v, Qt::MatchExactly) >= 0; },
         [list, changed](const QString& v) {
             QComboBox* box = list();
             const int index = box->findText(v, Qt::MatchExactly);
             if (index == box->currentIndex()) return;
             box->setCurrentIndex(index);
             if (changed) changed();
         }});
}

void DesignSettings::addCheck(const QString& name, std::function<QCheckBox*()> box) {
    add({name, [box] { return std::optional<QString>(box()->isChecked() ? "1" : "0"); },
         [](const QString& v) { return v == QLatin1String("0") || v == QLatin1String("1"); },
         [box](const QString& v) { box()->setChecked(v == QLatin1String("1")); }});
}

void DesignSettings::addNumber(const QString& name, std::function<QLineEdit*()> field,
                               std::function<void()> entered, NumberRule rule) {
    const auto get = [field]() -> std::optional<QString> {
        const QString text = field()->text();
        // A number is kept as typed; anything else as its leading number,
        // as the records store their fields.
        if (toDoubleStrict(text.toStdString())) return text.trimmed();
        const double lead = leadingNumber(text.toStdString());
        if (!std::isfinite(lead)) return std::nullopt;
        return QString::fromStdString(generalText(lead));
    };
    add({name, get,
         [rule](const QString& v) { return takes(rule, v); },
         [field, entered](const QString& v) {
             QLineEdit* edit = field();
             if (edit->text() == v) return;
             edit->setText(v);
             if (entered) entered();
         }});
}

std::optional<std::vector<designfile::NamedValue>> DesignSettings::values(QString& problem) const {
    std::vector<designfile::NamedValue> out;
    out.reserve(settings_.size());
    for (const Setting& s : settings_) {
        const std::optional<QString> value = s.get();
        if (s.omitEmpty && value && value->isEmpty()) continue;
        designfile::NamedValue named{s.name.toStdString(), value ? value->toLatin1().toStdString() : ""};
        if (!value || !designfile::fitsRecord(named)) {
            problem = fieldCaption(s.name);
            return std::nullopt;
        }
        out.push_back(std::move(named));
    }
    return out;
}

const DesignSettings::Setting* DesignSettings::find(const std::string& name) const {
    for (const Setting& s : settings_)
        if (s.name.toStdString() == name) return &s;
    return nullptr;
}

std::optional<QString> DesignSettings::refusal(const std::vector<designfile::NamedValue>& stored) const {
    std::set<std::string> seen;
    for (const designfile::NamedValue& v : stored) {
        // Which of two values would count is anybody's guess.
        if (!seen.insert(v.name).second)
            return QStringLiteral("%1 is stored twice").arg(fieldCaption(fromLatin1(v.name)));
        if (const Setting* s = find(v.name); s && !s->accepts(fromLatin1(v.value)))
            return QStringLiteral("the stored value of %1 cannot be used").arg(fieldCaption(s->name));
    }
    return std::nullopt;
}

void DesignSettings::apply(const std::vector<designfile::NamedValue>& stored) const {
    for (const designfile::NamedValue& v : stored)
        if (const Setting* s = find(v.name)) s->set(fromLatin1(v.value));
}

} // namespace kestrel::ui
