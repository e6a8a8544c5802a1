#pragma once
// The two questions `kestrel` answers on its command line, before any window
// or display exists: --help and --version. Everything else goes to Qt, which
// takes its own options (-platform, -style ...) and ignores the rest.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kestrel::ui {

inline constexpr std::string_view kProgramVersion = "3.2";

struct CommandLineAnswer {
    std::string text; // for standard output, ending in a newline
    int exitStatus = 0;
};

// The answer to print for `args` (without the program's name), or nothing
// when the window should open. --help wins over --version.
std::optional<CommandLineAnswer> answerCommandLine(std::span<const std::string_view> args);

} // namespace kestrel::ui
