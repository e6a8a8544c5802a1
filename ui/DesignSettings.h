#pragma once
// The parts of a design that the 14 records do not hold: the orders, steps,
// sweep choices, mixer figures and the planning windows' settings. Each is
// a named value of the design file's extension, mapped here to the control
// that holds it. Names are the controls' object names.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "files/DesignExtension.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kestrel::ui {

class DesignSettings {
public:
    struct Setting {
        QString name;
        // The value to store; nullopt when it cannot be stored (the text
        // says why).
        std::function<std::optional<QString>()> get;
        // Whether the control can take a stored value.
        std::function<bool(const QString&)> accepts;
        // Sets the control as the user's change would.
        std::function<void(const QString&)> set;
        // An empty value is not written at all (a part that most designs lack).
        bool omitEmpty = false;
    };

    void add(Setting setting) { settings_.push_back(std::move(setting)); }

    // A list stores its item text; `changed` runs after a load changed it.
    void addList(const QString& name, std::function<QComboBox*()> list,
                 std::function<void()> changed = {});
    // A check box stores "0" or "1".
    void addCheck(const QString& name, std::function<QCheckBox*()> box);
    // What a number field takes when typed, so that a load takes exactly
    // that: any number, a number that fits a single, one not below zero.
    enum class NumberRule { Double, Single, NotNegative };

    // A number field stores its number; `entered` runs after a load set it,
    // as leaving the field would, and `rule` says what its check refuses.
    void addNumber(const QString& name, std::function<QLineEdit*()> field,
                   std::function<void()> entered = {}, NumberRule rule = NumberRule::Double);

    // Every setting's value, in the order added; nullopt with `problem` set
    // (the control as a box names it) when one cannot be stored.
    std::optional<std::vector<designfile::NamedValue>> values(QString& problem) const;

    // Why the stored values cannot be loaded, naming the control by its
    // caption: the first one that its control would refuse, or a name
    // stored twice; nullopt when all can. Names nobody knows are no problem.
    std::optional<QString> refusal(const std::vector<designfile::NamedValue>& stored) const;

    // Sets every control that a stored value names; check `refusal` first.
    void apply(const std::vector<designfile::NamedValue>& stored) const;

private:
    const Setting* find(const std::string& name) const;

    std::vector<Setting> settings_;
};

} // namespace kestrel::ui
