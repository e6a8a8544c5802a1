#include "files/ResponsesReport.h"

#include <optional>

#include "engine/NumberText.h"
#include "files/SpurTableCsv.h"

namespace kestrel {
namespace {

std::string numberText(double v) { return shortText(toSingle(v)); }

std::string optionalNumberText(const std::optional<double>& v, const char* none) {
    return v ? numberText(*v) : std::string(none);
}

// The names, branches and the verdict are the program's own texts: no
// quote, backslash or control character to escape.
std::string jsonQuoted(std::string_view text) { return '"' + std::string(text) + '"'; }

const char* jsonBool(bool b) { return b ? "true" : "false"; }

} // namespace

std::string csv::responsesTable(const std::vector<ReceiverResponse>& responses, std::string_view freqUnit) {
    const std::string unit = " (" + std::string(freqUnit) + ")";
    std::string out = record({"name", "m", "n", "branch", "from" + unit, "to" + unit, "in RF band",
                              "mixer (dB)", "preselector (dB)", "total (dB)", "pass"});
    for (const ReceiverResponse& r : responses) {
        out += record({r.name, std::to_string(r.band.m), std::to_string(r.band.n), branchText(r.band.branch),
                       numberText(r.band.from), numberText(r.band.to), r.inRfBand ? "yes" : "no",
                       optionalNumberText(r.mixer, ""), numberText(r.preselector), optionalNumberText(r.total, ""),
                       r.pass ? (*r.pass ? "yes" : "no") : ""});
    }
    return out;
}

std::string json::responsesReport(const DesignResponses& d) {
    std::string out = "{\n  \"format\": \"kestrel-report 1\",\n  \"step\": " + std::to_string(d.step) +
                      ",\n  \"rf\": " + numberText(d.setting.rf) + ",\n  \"lo\": " + numberText(d.setting.lo) +
                      ",\n  \"required\": " + numberText(d.setting.required) + ",\n  \"verdict\": " +
                      jsonQuoted(d.verdict) + ",\n  \"responses\": [";
    bool first = true;
    for (const ReceiverResponse& r : d.responses) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        out += "{\"name\": " + jsonQuoted(r.name) + ", \"m\": " + std::to_string(r.band.m) +
               ", \"n\": " + std::to_string(r.band.n) + ", \"branch\": " + jsonQuoted(branchText(r.band.branch)) +
               ", \"from\": " + numberText(r.band.from) + ", \"to\": " + numberText(r.band.to) +
               ", \"in_rf_band\": " + jsonBool(r.inRfBand) + ", \"mixer\": " + optionalNumberText(r.mixer, "null") +
               ", \"preselector\": " + numberText(r.preselector) + ", \"total\": " + optionalNumberText(r.total, "null") +
               ", \"pass\": " + (r.pass ? jsonBool(*r.pass) : "null") + "}";
    }
    return out + "\n  ]\n}\n";
}

} // namespace kestrel
