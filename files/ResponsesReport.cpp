#include "files/ResponsesReport.h"

#include <optional>

#include "engine/NumberText.h"
#include "files/SpurTableCsv.h"

namespace kestrel {
namespace {

std::string number(double v) { return shortText(toSingle(v)); }

std::string optionalNumber(const std::optional<double>& v, const char* none) {
    return v ? number(*v) : std::string(none);
}

// The names, branches and the verdict are the program's own texts: no
// quote, backslash or control character to escape.
std::string quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

const char* boolText(bool b) { return b ? "true" : "false"; }

} // namespace

std::string csv::responsesTable(const std::vector<ReceiverResponse>& responses, std::string_view freqUnit) {
    const std::string unit = " (" + std::string(freqUnit) + ")";
    std::string out = record({"name", "m", "n", "branch", "from" + unit, "to" + unit, "in RF band",
                              "mixer (dB)", "preselector (dB)", "total (dB)", "pass"});
    for (const ReceiverResponse& r : responses) {
        out += record({r.name, std::to_string(r.band.m), std::to_string(r.band.n), branchText(r.band.branch),
                       number(r.band.from), number(r.band.to), r.inRfBand ? "yes" : "no",
                       optionalNumber(r.mixer, ""), number(r.preselector), optionalNumber(r.total, ""),
                       r.pass ? (*r.pass ? "yes" : "no") : ""});
    }
    return out;
}

std::string json::responsesReport(const DesignResponses& d) {
    std::string out = "{\n  \"format\": \"kestrel-report 1\",\n  \"step\": " + std::to_string(d.step) +
                      ",\n  \"rf\": " + number(d.setting.rf) + ",\n  \"lo\": " + number(d.setting.lo) +
                      ",\n  \"required\": " + number(d.setting.required) + ",\n  \"verdict\": " +
                      quoted(d.verdict) + ",\n  \"responses\": [";
    bool first = true;
    for (const ReceiverResponse& r : d.responses) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        out += "{\"name\": " + quoted(r.name) + ", \"m\": " + std::to_string(r.band.m) +
               ", \"n\": " + std::to_string(r.band.n) + ", \"branch\": " + quoted(branchText(r.band.branch)) +
               ", \"from\": " + number(r.band.from) + ", \"to\": " + number(r.band.to) +
               ", \"in_rf_band\": " + boolText(r.inRfBand) + ", \"mixer\": " + optionalNumber(r.mixer, "null") +
               ", \"preselector\": " + number(r.preselector) + ", \"total\": " + optionalNumber(r.total, "null") +
               ", \"pass\": " + (r.pass ? boolText(*r.pass) : "null") + "}";
    }
    return out + "\n  ]\n}\n";
}

} // namespace kestrel
