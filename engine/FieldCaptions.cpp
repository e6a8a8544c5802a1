#include "engine/FieldCaptions.h"

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
};

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
    return quoted(name);
}

} // namespace kestrel
