#include "cli/ResponsesCommand.h"

#include <charconv>

#include "engine/ReceiverResponses.h"
#include "files/ResponsesReport.h"

namespace kestrel::report {
namespace {

// A whole number written as one: digits with an optional sign.
std::optional<int> stepNumberOf(const std::string& text) {
    const char* begin = text.data() + (text.starts_with('+') ? 1 : 0);
    const char* end = text.data() + text.size();
    int value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

} // namespace

CommandResult responsesText(const Design& design, const std::string& source,
                            const std::optional<std::string>& step, bool asJson) {
    std::optional<int> stepNumber;
    if (step) {
        stepNumber = stepNumberOf(*step);
        if (!stepNumber) return {kRefused, {}, "--step " + *step + ": a whole number expected"};
    }
    const DesignResponses responses = responsesFromDesign(design, stepNumber);
    if (responses.stepOutOfRange)
        return {kRefused, {}, "--step " + *step + ": the design's steps are 0 to " + std::to_string(responses.steps - 1)};
    if (!responses.why.empty()) return {kRefused, {}, source + ": " + responses.why};
    return {kSuccess,
            asJson ? json::responsesReport(responses) : csv::responsesTable(responses.responses, design.unit),
            {}};
}

void addResponsesCheck(const Design& design, const std::string& source, CommandResult& result) {
    if (!design.useLimits || result.status == kRefused) return;
    const DesignResponses responses = responsesFromDesign(design);
    if (!responses.why.empty()) {
        result = {kRefused, {}, source + ": " + responses.why};
        return;
    }
    result.out += "responses: " + responses.verdict + "\n";
    if (!responses.pass) result.status = kFailed;
}

} // namespace kestrel::report
