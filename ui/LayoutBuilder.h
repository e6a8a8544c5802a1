#pragma once
// Builds a window's controls from a layout table: one loop, no wall of
// setGeometry calls. Geometry is in twips (15 twips = 1 pixel).

#include <QHash>
#include <QRect>
#include <QString>
#include <span>
#include <string_view>

class QWidget;

namespace kestrel::ui {

enum class Kind { Frame, Panel, Label, Text, Combo, Check, Button, FileList, Picture, Grid };

enum Flag : unsigned {
    None = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Checked = 1u << 2,
    PlainFace = 1u << 3, // the frames' plain sans-serif instead of the narrow face
    WordWrap = 1u << 4,
    ReadOnly = 1u << 5,
    AlignRight = 1u << 6,
    Boxed = 1u << 7, // a read-out box: sunken border, centred text
};

struct ControlSpec {
    std::string_view name;
    std::string_view parent; // "" is the window's client area
    Kind kind;
    int left, top, width, height; // twips
    std::string_view caption;
    unsigned flags = None;
};

inline constexpr int kTwipsPerPixel = 15;

QRect twipsToPixels(int left, int top, int width, int height);

// A control whose own caption is hidden or absent, and the label a person
// reads beside it.
struct LabelledControl {
    std::string_view control;
    std::string_view label;
};

// Creates every control of the table as a child of its parent (earlier rows
// or the client area), in table order, and returns them by name.
QHash<QString, QWidget*> buildControls(QWidget* clientArea, std::span<const ControlSpec> table);

// Gives each control of `pairs` the text of its label, trimmed, as its
// accessible name, so that a screen reader says what the eye reads.
void nameAfterLabels(const QHash<QString, QWidget*>& controls, std::span<const LabelledControl> pairs);

} // namespace kestrel::ui
