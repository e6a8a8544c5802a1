#pragma once
// kestrel-report's receiver responses: the `responses` command and what
// `check` adds for them.

#include <optional>
#include <string>

#include "cli/ReportCommand.h"
#include "engine/Design.h"

namespace kestrel::report {

// The responses at the step given by --step (none: the middle step), as
// JSON or CSV in `out`; or status 2 with the line that refuses the step or
// the design (named by `source`).
CommandResult responsesText(const Design& design, const std::string& source,
                            const std::optional<std::string>& step, bool asJson);

// With chkUseLimits on, check also holds every response against the
// required rejection: the verdict line goes to `result`'s output, a failure
// turns a pass into a failed check, and a design whose responses cannot be
// worked out turns the result into a refusal.
void addResponsesCheck(const Design& design, const std::string& source, CommandResult& result);

} // namespace kestrel::report
