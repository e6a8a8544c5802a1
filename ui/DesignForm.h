#pragma once
// The design the window shows, as a value: read from the controls of the
// main window, the mixer window and the planning windows, and shown in them
// as the user's own changes would set them. Each window plugs in its own
// pair of mappings. Values that no window holds keep what was shown last
// (the start-up design, or the last one loaded), so a design loaded and
// saved again keeps them.

#include <functional>
#include <string>
#include <vector>

#include "engine/Design.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kestrel::ui {

class DesignForm {
public:
    struct Part {
        std::function<void(Design&)> toDesign;         // writes what its controls hold
        std::function<void(const Design&)> fromDesign; // sets them, with their reactions
    };

    // Parts are read and shown in the order added.
    void add(Part part) { parts_.push_back(std::move(part)); }

    // The last design shown, overwritten by what the controls hold now.
    Design read() const;
    // Sets every control; the design is remembered for what no control holds.
    void show(const Design& design);

private:
    std::vector<Part> parts_;
    Design shown_;
};

// The conversions every part needs. Texts are Latin-1, as the file holds them.
namespace form {
std::string text(const QLineEdit* field);
std::string text(const QComboBox* list);
// A list set to its item; `changed` runs only when that changed it.
void setList(QComboBox* list, const std::string& item, const std::function<void()>& changed = {});
// A field set to a text; `entered` runs, as leaving the field would, only
// when that changed it.
void setText(QLineEdit* field, const std::string& text, const std::function<void()>& entered = {});
} // namespace form

} // namespace kestrel::ui
