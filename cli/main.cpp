// kestrel-report: a design's spur table without a window or a display.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/ReportCommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const kestrel::report::CommandResult result = kestrel::report::runReport(args);
    if (!result.out.empty()) {
        const bool written = std::fwrite(result.out.data(), 1, result.out.size(), stdout) ==
                             result.out.size();
        if (std::fflush(stdout) != 0 || !written) {
            std::fputs("kestrel-report: standard output: cannot be written\n", stderr);
            return kestrel::report::kRefused;
        }
    }
    if (!result.error.empty()) std::fprintf(stderr, "kestrel-report: %s\n", result.error.c_str());
    return result.status;
}
