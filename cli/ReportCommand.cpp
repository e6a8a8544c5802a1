#include "cli/ReportCommand.h"
#include "cli/ResponsesCommand.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <utility>

#include "engine/DesignPlan.h"
#include "engine/DesignSolve.h"
#include "engine/NumberText.h"
#include "engine/ReportSteps.h"
#include "files/DesignCodec.h"
#include "files/DesignExtension.h"
#include "files/DesignFileIO.h"
#include "files/DesignKeys.h"
#include "files/FilterData.h"
#include "files/PlanCsv.h"
#include "files/ReportJson.h"
#include "files/SpurTableCsv.h"

namespace kestrel::report {
namespace {

namespace df = designfile;

constexpr const char* kVersionText = "kestrel-report " KESTREL_VERSION "\n";
constexpr const char* kUsageText =
    "Usage: kestrel-report analyze DESIGN.kst|--default [--set NAME=VALUE]... [--format csv|json]\n"
    "                              [--output FILE]\n"
    "       kestrel-report check DESIGN.kst|--default [--set NAME=VALUE]...\n"
    "       kestrel-report plan DESIGN.kst|--default [--set NAME=VALUE]... [--format csv|json]\n"
    "                           [--output FILE]\n"
    "       kestrel-report keys DESIGN.kst|--default [--set NAME=VALUE]...\n"
    "       kestrel-report responses DESIGN.kst|--default [--set NAME=VALUE]... [--step S]\n"
    "                                [--format csv|json] [--output FILE]\n"
    "       kestrel-report --help | --version\n"
    "  Every command also takes --filter RF|LO|IF=FILE (repeatable).\n"
    "\n"
    "  analyze   solve every step and write the spur table as CSV, as the\n"
    "            window's \"Export Spur Table\" writes it, or as one JSON object\n"
    "  check     pass when no step has a product between the markers at or\n"
    "            above the band finder's threshold (txtThreshold); with chkUseLimits=1,\n"
    "            pass when every product in the display band meets the limit line\n"
    "            (gridLimits(0), gridLimits(1), ...), ending with the verdict line;\n"
    "            with chkFinderLimits=1 alone, a product between the markers counts\n"
    "            when it fails the limit line, as the band finder counts it\n"
    "  plan      run the IF planner with the design's planner settings; with\n"
    "            chkPlanLimits=1 a product counts when it fails the limit line\n"
    "  keys      list every stored name, its caption and its value, tab-separated\n"
    "  responses the receiver's responses at RF step S (default the middle step):\n"
    "            each input band that reaches the band between the markers, its\n"
    "            rejection in dB and whether it meets txtRespRequired\n"
    "  --default the start-up design in place of a file\n"
    "  --set     change one stored value before the run, checked as a load checks it\n"
    "  --filter  load a measured response (.csv, .s2p or .ts) into the RF, LO or IF\n"
    "            filter, as \"Load Data...\" does, after every --set\n"
    "\n"
    "Exit status: 0 success or check passed, 1 check failed, 2 bad usage, an unreadable or broken design, an\n"
    "unknown name, a refused value or an output that could not be written.\n";

// Far more than 2,001 points of any Touchstone file.
constexpr std::size_t kMaxFilterFileSize = std::size_t{64} << 20;

CommandResult refused(std::string line) { return {kRefused, {}, std::move(line)}; }

struct Invocation {
    std::string command;
    std::string design; // empty with --default
    bool useDefault = false;
    std::vector<std::pair<std::string, std::string>> sets;
    std::vector<std::pair<std::string, std::string>> filters; // block prefix, file
    std::string format = "csv";
    std::optional<std::string> output;
    std::optional<std::string> step; // responses: --step
};

bool optionOf(const std::string& option, const std::string& command) {
    if (option == "--step") return command == "responses";
    return command == "analyze" || command == "plan" || command == "responses";
}

// The arguments, or the reason they are not a command line.
std::optional<Invocation> parseArguments(const std::vector<std::string>& args, std::string& why) {
    Invocation inv;
    inv.command = args.at(0);
    if (inv.command != "analyze" && inv.command != "check" && inv.command != "plan" &&
        inv.command != "keys" && inv.command != "responses") {
        why = "unknown command \"" + inv.command + "\" (try --help)";
        return std::nullopt;
    }
    bool haveDesign = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--set" || a == "--format" || a == "--output" || a == "--filter" || a == "--step") {
            if (!hasValue) {
                why = a + " needs a value";
                return std::nullopt;
            }
            const std::string& v = args[++i];
            if (a == "--set") {
                const auto eq = v.find('=');
                if (eq == std::string::npos || eq == 0) {
                    why = "--set " + v + ": NAME=VALUE expected";
                    return std::nullopt;
                }
                inv.sets.emplace_back(v.substr(0, eq), v.substr(eq + 1));
            } else if (a == "--filter") {
                const auto eq = v.find('=');
                const std::string block = v.substr(0, eq);
                if (eq == std::string::npos || (block != "RF" && block != "LO" && block != "IF") ||
                    eq + 1 == v.size()) {
                    why = "--filter " + df::readableName(v) + ": RF=FILE, LO=FILE or IF=FILE expected";
                    return std::nullopt;
                }
                inv.filters.emplace_back(block, v.substr(eq + 1));
            } else if (!optionOf(a, inv.command)) {
                why = a + " is not an option of " + inv.command;
                return std::nullopt;
            } else if (a == "--step") {
                inv.step = v;
            } else if (a == "--format") {
                if (v != "csv" && v != "json") {
                    why = "--format " + v + ": csv or json expected";
                    return std::nullopt;
                }
                inv.format = v;
            } else {
                inv.output = v;
            }
        } else if (!haveDesign && (a == "--default" || a.empty() || a[0] != '-')) {
            haveDesign = true;
            inv.useDefault = a == "--default";
            if (!inv.useDefault) inv.design = a;
        } else {
            why = haveDesign ? "unexpected argument \"" + a + "\"" : "unknown option \"" + a + "\"";
            return std::nullopt;
        }
    }
    if (!haveDesign) {
        why = inv.command + " needs DESIGN.kst or --default";
        return std::nullopt;
    }
    return inv;
}

// A measured response into one filter block, as "Load Data..." puts it.
bool loadFilterFile(Design& design, const std::string& block, const std::string& path, std::string& why) {
    const std::string name = df::readableName(path);
    const df::FileBytes file = df::readFileHead(path, kMaxFilterFileSize);
    if (!file.error.empty()) {
        why = name + ": cannot be read: " + file.error;
        return false;
    }
    if (file.bytes.size() >= kMaxFilterFileSize) {
        why = name + ": too large for a filter's data";
        return false;
    }
    const std::string shown = name.substr(name.find_last_of('/') + 1);
    const filterdata::FilterDataRead read = filterdata::readFilterData(file.bytes, shown, design.unit);
    if (!read.points) {
        why = read.why.find(shown) == std::string::npos ? name + ": " + read.why : read.why;
        return false;
    }
    DesignFilter& filter = block == "RF" ? design.rfFilter : block == "LO" ? design.loFilter : design.ifFilter;
    filter.points = *read.points;
    filter.dataName = shown;
    std::string ending = shown.size() >= 4 ? shown.substr(shown.size() - 4) : shown;
    for (char& c : ending) c = char(std::tolower(static_cast<unsigned char>(c)));
    filter.shape = ending == ".csv" ? "Measured (CSV)" : "Measured (Touchstone)";
    return true;
}

// The design with every --set applied, or the line that refuses it.
std::optional<Design> loadDesign(const Invocation& inv, std::string& why) {
    Design design;
    if (!inv.useDefault) {
        const std::string name = df::readableName(inv.design);
        const df::FileBytes file = df::readFileHead(inv.design, df::kMaxDesignFileSize);
        if (!file.error.empty()) {
            why = name + ": cannot be read: " + file.error;
            return std::nullopt;
        }
        df::DesignDecode decoded = df::decodeDesign(file.bytes);
        if (!decoded.design) {
            why = name + ": not a design file: " + decoded.why;
            return std::nullopt;
        }
        design = std::move(*decoded.design);
    }
    for (const auto& [name, value] : inv.sets) {
        if (const auto refusal = df::setValue(design, name, value)) {
            why = "--set " + df::readableName(name) + ": " + *refusal;
            return std::nullopt;
        }
    }
    // After the values, so that a Touchstone file follows the design's unit.
    for (const auto& [block, path] : inv.filters)
        if (!loadFilterFile(design, block, path, why)) return std::nullopt;
    return design;
}

std::string levelWords(const SpurTableRow& r) {
    return r.level ? shortText(toSingle(*r.level)) + " dBc" : std::string("no level");
}

// One line per step with a counted product at or above the threshold
// between the markers, then "PASS" or "FAIL: ...".
CommandResult checkText(const DesignReport& report, const CountRule& rule, const std::string& unit) {
    const std::vector<StepWorst> steps = worstPerStep(report.rows, rule);
    CommandResult result;
    int failing = 0;
    for (const StepWorst& s : steps) {
        if (!s.worst) continue;
        ++failing;
        result.out += "step " + std::to_string(s.step) + ": " +
                      productName(s.worst->m, s.worst->n, s.worst->family) + " at " +
                      shortText(s.worst->frequency) + " " + unit + ", " + levelWords(*s.worst) + "\n";
    }
    const SpurTableRow* worst = worstOverall(steps);
    if (!worst) {
        result.out += "PASS\n";
        return result;
    }
    result.status = kFailed;
    result.out += "FAIL: " + std::to_string(failing) + " steps, worst " +
                  productName(worst->m, worst->n, worst->family) + " at step " +
                  std::to_string(worst->step) + ", " + levelWords(*worst) + "\n";
    return result;
}

// With the limit line: one line per step whose worst product fails it,
// then the verdict.
CommandResult limitCheckText(const DesignReport& report, const std::string& unit) {
    CommandResult result;
    for (const StepVerdict& s : report.verdict.steps) {
        if (!s.worst || !failsLimit(report.rows[*s.worst])) continue;
        const SpurTableRow& r = report.rows[*s.worst];
        result.out += "step " + std::to_string(s.step) + ": " + productName(r.m, r.n, r.family) + " at " +
                      shortText(r.frequency) + " " + unit + ", " + levelWords(r) +
                      (r.margin ? ", margin " + shortText(toSingle(*r.margin)) + " dB" : std::string()) + "\n";
    }
    if (report.needed && !report.verdict.pass) result.out += neededOrderText(*report.needed) + "\n";
    result.out += verdictText(report.verdict, report.rows) + "\n";
    if (!report.verdict.pass) result.status = kFailed;
    return result;
}

// The text on standard output, or as the whole --output file.
CommandResult written(const Invocation& inv, std::string text) {
    if (!inv.output) return {kSuccess, std::move(text), {}};
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::string failure = df::replaceFile(*inv.output, {data, text.size()});
    if (!failure.empty()) return refused(df::readableName(*inv.output) + ": cannot be written: " + failure);
    return {};
}

std::string keysText(const Design& design) {
    std::string text;
    for (const df::DesignKey& key : df::designKeys(design))
        text += key.name + '\t' + key.caption + '\t' + key.value + '\n';
    return text;
}

} // namespace

CommandResult runReport(const std::vector<std::string>& args) {
    if (args.empty()) return refused("no command given (try --help)");
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return {kSuccess, kUsageText, {}};
    if (args.size() == 1 && (args[0] == "--version" || args[0] == "-v"))
        return {kSuccess, kVersionText, {}};

    std::string why;
    const auto inv = parseArguments(args, why);
    if (!inv) return refused(why);
    const auto design = loadDesign(*inv, why);
    if (!design) return refused(why);
    if (inv->command == "keys") return {kSuccess, keysText(*design), {}};

    const std::string source = inv->useDefault ? std::string("--default") : df::readableName(inv->design);
    const bool asJson = inv->format == "json";
    if (inv->command == "responses") {
        CommandResult table = responsesText(*design, source, inv->step, asJson);
        return table.status == kSuccess ? written(*inv, std::move(table.out)) : table;
    }
    if (inv->command == "plan") {
        const DesignPlan plan = planFromDesign(*design);
        if (!plan.result) return refused(source + ": " + plan.why);
        return written(*inv, asJson ? json::planReport(*plan.result) : csv::planTable(*plan.result, design->unit));
    }
    const DesignReport report = reportFromDesign(*design);
    if (!report.why.empty()) return refused(source + ": " + report.why);
    const auto rule = countRuleFromDesign(*design, why);
    if (!rule) return refused(source + ": " + why);
    if (inv->command == "check") {
        CommandResult result =
            design->useLimits ? limitCheckText(report, design->unit) : checkText(report, *rule, design->unit);
        addResponsesCheck(*design, source, result);
        return result;
    }
    const std::string file = inv->useDefault ? std::string() : source;
    return written(*inv, asJson ? json::designReport(*design, report, *rule, file)
                                : csv::spurTable(report.rows, design->unit));
}

} // namespace kestrel::report
