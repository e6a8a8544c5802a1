#pragma once
// The quick-help texts of the main window: which control answers a click
// with which explanation. Texts are kept exactly as users know them,
// trailing blanks and spelling included.

#include <span>
#include <string_view>

namespace kestrel::ui {

struct QuickHelpEntry {
    std::string_view control;  // objectName of the clicked label or frame
    std::string_view text;     // main text
    std::string_view tutorial; // empty: the box shows the main text only
};

std::span<const QuickHelpEntry> mainWindowQuickHelp();

} // namespace kestrel::ui
