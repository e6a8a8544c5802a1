#pragma once
// The main window's controls as data: name, kind, parent, twips rectangle,
// caption and start-up state. Children follow their frame.

#include <span>

#include "display/LineShape.h"
#include "ui/LayoutBuilder.h"

namespace kestrel::ui {

// Client area of the main window, twips.
inline constexpr int kClientWidth = 10950;
inline constexpr int kClientHeight = 9600;

std::span<const ControlSpec> mainWindowLayout();
std::span<const display::LineSpec> mainWindowLines();
// Controls named for screen readers after the label beside them.
std::span<const LabelledControl> mainWindowLabels();

} // namespace kestrel::ui
