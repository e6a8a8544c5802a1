#include "ui/CommandLine.h"

#include <algorithm>

namespace kestrel::ui {
namespace {

constexpr std::string_view kHelp =
    "Usage: kestrel [--help | --version]\n"
    "\n"
    "Kestrel II: mixer spurious product analysis for RF frequency planning.\n"
    "Opens the Kestrel II window (it needs a graphical session). Designs are\n"
    "saved and loaded as .kst files in the folder kestrel is started from.\n"
    "Press F1 in the window for the manual; see also kestrel(1).\n"
    "\n"
    "  -h, --help     print this text and exit\n"
    "  -v, --version  print the version and exit\n";

bool has(std::span<const std::string_view> args, std::string_view shortName, std::string_view longName) {
    return std::any_of(args.begin(), args.end(),
                       [&](std::string_view a) { return a == shortName || a == longName; });
}

} // namespace

std::optional<CommandLineAnswer> answerCommandLine(std::span<const std::string_view> args) {
    // After "--" every argument is a plain argument, not an option.
    const auto end = std::find(args.begin(), args.end(), std::string_view("--"));
    const std::span<const std::string_view> options(args.begin(), end);
    if (has(options, "-h", "--help")) return CommandLineAnswer{std::string(kHelp), 0};
    if (has(options, "-v", "--version"))
        return CommandLineAnswer{"Kestrel II " + std::string(kProgramVersion) + "\n", 0};
    return std::nullopt;
}

} // namespace kestrel::ui
