#include "files/ReportJson.h"

#include <cstdio>
#include <map>
#include <optional>
#include <tuple>

#include "engine/DesignPlan.h"
#include "engine/NumberText.h"
#include "files/DesignKeys.h"

namespace kestrel::json {
namespace {

// A JSON string of UTF-8 text; the project text is Latin-1, one byte a
// character, and is widened first.
std::string jsonString(std::string_view text, bool latin1 = false) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else if (latin1 && c >= 0x80) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += ch;
        }
    }
    return out + '"';
}

std::string levelText(const std::optional<double>& level) {
    return level ? shortText(toSingle(*level)) : "null";
}

const char* boolText(bool b) { return b ? "true" : "false"; }

std::string productObject(const SpurTableRow& r, bool withStep) {
    std::string out = "{";
    if (withStep) out += "\"step\": " + std::to_string(r.step) + ", ";
    out += "\"m\": " + std::to_string(r.m) + ", \"n\": " + std::to_string(r.n) +
           ", \"family\": " + (r.family == ProductFamily::Sum ? "\"sum\"" : "\"difference\"") +
           ", \"product\": " + jsonString(productName(r.m, r.n, r.family)) +
           ", \"frequency\": " + shortText(r.frequency) + ", \"level_dbc\": " + levelText(r.level) + "}";
    return out;
}

std::string worstText(const SpurTableRow* r, bool withStep) { return r ? productObject(*r, withStep) : "null"; }

} // namespace

std::string designReport(const Design& design, const DesignReport& report, const CountRule& rule,
                         const std::string& file) {
    std::string out = "{\n  \"format\": \"kestrel-report 1\",\n  \"design\": {\"file\": ";
    out += file.empty() ? "null" : jsonString(file);
    out += ", \"unit\": " + jsonString(design.unit) + ", \"values\": {";
    bool first = true;
    for (const designfile::DesignKey& key : designfile::designKeys(design)) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        out += jsonString(key.name) + ": " + jsonString(key.value, key.name == "txtProject");
    }
    out += "\n  }},\n  \"wanted\": ";
    out += report.wanted == ProductFamily::Sum ? "\"LO + RF\"" : "\"|LO - RF|\"";
    out += ",\n  \"levels\": ";
    out += design.useIMT ? "\"spur table\"" : "\"estimate\"";
    out += ",\n  \"products\": [";

    std::size_t inBand = 0, between = 0;
    // Tens of thousands of rows: appended piece by piece, with each
    // product's name made once.
    out.reserve(out.size() + report.rows.size() * 480);
    std::map<std::tuple<int, int, ProductFamily>, std::string> names;
    const auto name = [&](const SpurTableRow& r) -> const std::string& {
        std::string& text = names[{r.m, r.n, r.family}];
        if (text.empty()) text = jsonString(productName(r.m, r.n, r.family));
        return text;
    };
    const auto level = [&out](const char* key, const std::optional<double>& value) {
        out += key;
        if (value)
            appendShortText(out, toSingle(*value));
        else
            out += "null";
    };
    first = true;
    for (const SpurTableRow& r : report.rows) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        inBand += r.inBand;
        between += r.betweenMarkers.value_or(false);
        out += "{\"step\": ";
        out += std::to_string(r.step);
        out += ", \"rf\": ";
        appendShortText(out, r.rf);
        out += ", \"lo\": ";
        appendShortText(out, r.lo);
        out += ", \"m\": ";
        out += std::to_string(r.m);
        out += ", \"n\": ";
        out += std::to_string(r.n);
        out += r.family == ProductFamily::Sum ? ", \"family\": \"sum\"" : ", \"family\": \"difference\"";
        out += ", \"product\": ";
        out += name(r);
        out += ", \"frequency\": ";
        appendShortText(out, r.frequency);
        out += ", \"in_band\": ";
        out += boolText(r.inBand);
        out += ", \"between_markers\": ";
        out += r.betweenMarkers ? boolText(*r.betweenMarkers) : "null";
        level(", \"level_dbc\": ", r.level);
        out += ", \"role\": ";
        out += r.role == ProductRole::Spur ? name(r) : jsonString(roleText(r.role, r.m, r.n, r.family));
        level(", \"a_rf\": ", r.aRf);
        level(", \"a_lo\": ", r.aLo);
        level(", \"a_if\": ", r.aIf);
        level(", \"mixer_dbc\": ", r.mixerLevel);
        level(", \"level_dbm\": ", r.levelDbm);
        level(", \"limit\": ", r.limit);
        level(", \"margin\": ", r.margin);
        out += ", \"outside_filter_data\": ";
        out += boolText(r.outsideFilterData);
        out += '}';
    }
    out += "\n  ],\n  \"steps\": [";

    const std::vector<StepWorst> steps = worstPerStep(report.rows, rule);
    first = true;
    for (const StepWorst& step : steps) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        out += "{\"step\": " + std::to_string(step.step) + ", \"rf\": " + shortText(step.rf) +
               ", \"lo\": " + shortText(step.lo) + ", \"worst\": " + worstText(step.worst, false) + "}";
    }
    out += "\n  ],\n  \"summary\": {\"steps\": " + std::to_string(report.steps) +
           ", \"products\": " + std::to_string(report.rows.size()) +
           ", \"in_band\": " + std::to_string(inBand) + ", \"between_markers\": " + std::to_string(between) +
           ", \"worst\": " + worstText(worstOverall(steps), true) + "},\n  \"limits\": {\"used\": " +
           boolText(report.limitsUsed) + ", \"pass\": " + boolText(report.verdict.pass) +
           ", \"worst_margin\": " + levelText(report.verdict.worstMargin) + ", \"needed_if_order\": " +
           (report.needed && report.needed->order ? std::to_string(*report.needed->order) : "null") + "}\n}\n";
    return out;
}

std::string planReport(const PlanResult& result) {
    std::string out = "{\n  \"format\": \"kestrel-report 1\",\n  \"candidates\": [";
    bool first = true;
    for (const PlanCandidate& c : result.candidates) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        const bool level = c.worst && c.worst->level;
        out += "{\"candidate\": " + generalText(c.value) + ", \"valid\": " + boolText(c.valid) +
               ", \"clean\": " + boolText(c.clean) +
               ", \"worst_dbc\": " + (level ? planLevelText(*c.worst->level) : "null") +
               ", \"worst_product\": " +
               (c.worst ? jsonString(productName(c.worst->m, c.worst->n, c.worst->family)) : "null") + "}";
    }
    out += "\n  ],\n  \"runs\": [";
    first = true;
    for (const CleanRun& r : result.runs) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        out += "{\"from\": " + generalText(r.from) + ", \"to\": " + generalText(r.to) +
               ", \"width\": " + generalText(r.width()) + ", \"use\": " + generalText(r.picked) + "}";
    }
    return out + "\n  ]\n}\n";
}

} // namespace kestrel::json
