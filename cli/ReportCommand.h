#pragma once
// kestrel-report's commands, apart from the process: the arguments in,
// the text for standard output and the exit status out.

#include <string>
#include <vector>

namespace kestrel::report {

// Exit statuses.
inline constexpr int kSuccess = 0;
inline constexpr int kFailed = 1;  // check failed
inline constexpr int kRefused = 2; // bad usage, design, name, value or output

struct CommandResult {
    int status = kSuccess;
    std::string out;   // for standard output (empty when written to --output)
    std::string error; // one line for standard error, without its line end
};

// args: the arguments after the program name.
CommandResult runReport(const std::vector<std::string>& args);

} // namespace kestrel::report
