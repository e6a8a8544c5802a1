#include "engine/FieldCaptions.h"

#include <utility>

namespace kestrel {
namespace {

struct Caption {
    std::string_view name;
    std::string_view caption; // the label beside the control, or its own text
    std::string_view place;   // its frame or window; empty on the main window's body
};

constexpr std::string_view kLO = "Local Oscillator Input";
constexpr std::string_view kRF = "RF Input Parameters";
constexpr std::string_view kAnalyzer = "Spectrum Analyzer";
constexpr std::string_view kMixer = "Mixer Parameters";
constexpr std::string_view kFinder = "Spur-Free Bands";
constexpr std::string_view kTable = "Mixer Spur Table";
constexpr std::string_view kPlanner = "IF Planner";
constexpr std::string_view kChart = "Spur Chart";
constexpr std::string_view kFilters = "Filters and Limits";

constexpr Caption kCaptions[] = {
    // Records 1 to 14.
    {"chkOffset", "Lock LO to RF", kLO},
    {"txtLoOffset", "Enter +/- Frequency Offset for Locked LO", kLO},
    {"txtLOFreq", "Frequency", kLO},
    {"txtLOPower", "LO Power", kLO},
    {"txtRFStart", "RF Start", kRF},
    {"txtRFStop", "RF Stop", kRF},
    {"txtRFPower", "RF Power", kRF},
    {"txtIFStart", "Start", kAnalyzer},
    {"txtMarker1", "Marker 1", kAnalyzer},
    {"txtMarker2", "Marker 2", kAnalyzer},
    {"txtIFStop", "Stop", kAnalyzer},
    {"chkProject", "Project Name", {}},
    {"txtProject", "Project Name", {}},
    {"FreqUnit", "Frequency Units", "Options"},
    // The extension.
    {"cboLOHar", "Harmonics", kLO},
    {"cboRFHar", "Harmonics", kRF},
    {"cboSteps", "Steps", kRF},
    {"cboSweepSpeed", "Swp Speed", {}},
    {"chkSUMONLY", "Calculate SUM ONLY", {}},
    {"chkSingle", "1 Sweep", {}},
    {"txtConversionLoss", "Conversion Loss (db)", kMixer},
    {"txtRFIsolation", "RF to IF Isolation (dB)", kMixer},
    {"txtLOIsolation", "LO to IF Isolation (dB)", kMixer},
    {"cboWanted", "Wanted output", kFinder},
    {"txtThreshold", "Count products at or above (dBc)", kFinder},
    {"cboMaxOrder", "Highest order m + n", kFinder},
    {"chkShade", "Shade on analyzer", kFinder},
    {"chkShadeBands", "Shade spur-free bands", kChart},
    {"txtIMTRFRef", "Measured at RF power (dBm)", kTable},
    {"txtIMTLORef", "and LO power (dBm)", kTable},
    {"chkUseIMT", "Use this table for the spur levels", kTable},
    {"cboPlanWanted", "Wanted output", kPlanner},
    {"txtPlanFrom", "From", kPlanner},
    {"txtPlanTo", "To", kPlanner},
    {"cboPlanPoints", "Candidates", kPlanner},
    {"txtPlanGuard", "Guard", kPlanner},
    {"txtPlanThreshold", "Count products at or above (dBc)", kPlanner},
    {"chkPlanAutoScan", "Scan as I type", kPlanner},
    {"chkUseLimits", "Check the limit line", kFilters},
    {"chkFinderLimits", "Count products over the limit line", kFinder},
    {"chkPlanLimits", "Count products over the limit line", kPlanner},
    {"txtRespRequired", "Required rejection (dB)", "Receiver Responses"},
};

// The filter blocks' fields, the same in each block: the name without its
// prefix (cboXFilter is "cbo" + X + "Filter") and the caption.
struct BlockField {
    std::string_view kind;
    std::string_view rest;
    std::string_view caption;
};
constexpr BlockField kBlockFields[] = {
    {"cbo", "Filter", "Shape"},
    {"cbo", "Response", "Response"},
    {"txt", "FilterLow", "Low edge"},
    {"txt", "FilterHigh", "High edge"},
    {"txt", "FilterOrder", "Order"},
    {"txt", "FilterRipple", "Ripple"},
    {"txt", "FilterLoss", "Insertion loss"},
    {"txt", "FilterFloor", "Floor"},
    {"", "FilterDataName", "Data file"},
    {"", "FilterData", "Measured data"},
};
constexpr std::pair<std::string_view, std::string_view> kBlocks[] = {
    {"RF", "RF preselector"}, {"LO", "LO filter"}, {"IF", "IF filter"}};

std::string quoted(std::string_view s) { return '"' + std::string(s) + '"'; }

std::string named(std::string_view caption, std::string_view place) {
    return place.empty() ? quoted(caption) : quoted(caption) + " in " + quoted(place);
}

} // namespace

std::string fieldCaption(std::string_view name) {
    for (const Caption& c : kCaptions)
        if (name == c.name) return named(c.caption, c.place);
    // The mixer spur table's rows are stored one per RF order, a long one
    // going on in a second record from LO order 6.
    constexpr std::string_view row = "gridIMT(";
    if (name.starts_with(row) && name.size() > row.size() && name[row.size()] >= '0' &&
        name[row.size()] <= '9') {
        const std::string order = std::string(1, name[row.size()]) + "xRF";
        const std::string_view rest = name.substr(row.size() + 1);
        if (rest == ")") return named(order, kTable);
        if (rest == ",6)") return named(order + ", LO orders 6 to 10", kTable);
    }
    // The filter blocks, and the measured data's records (RFFilterData(k)).
    for (const auto& [prefix, block] : kBlocks)
        for (const BlockField& f : kBlockFields) {
            const std::string stem = std::string(f.kind) + std::string(prefix) + std::string(f.rest);
            if (name == stem || (f.kind.empty() && name.starts_with(stem + "(") && name.ends_with(")")))
                return named(f.caption, block);
        }
    // The limit line's rows, counted from 1 as the grid shows them.
    constexpr std::string_view limits = "gridLimits(";
    if (name.starts_with(limits) && name.ends_with(")") && name.size() > limits.size() + 1) {
        const std::string_view index = name.substr(limits.size(), name.size() - limits.size() - 1);
        if (index.size() <= 4 && index.find_first_not_of("0123456789") == std::string_view::npos)
            return named("Limit line, row " + std::to_string(std::stoi(std::string(index)) + 1), kFilters);
    }
    return quoted(name);
}

} // namespace kestrel
