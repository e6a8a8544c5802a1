#include "ui/FieldCaptions.h"

#include <QRegularExpression>
#include <string_view>

namespace kestrel::ui {
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

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString quoted(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

QString named(const QString& caption, std::string_view place) {
    return place.empty() ? quoted(caption) : quoted(caption) + QStringLiteral(" in ") + quoted(text(place));
}

} // namespace

QString programCaption() { return QStringLiteral("Kestrel II Spurious Analysis    Version 3.2"); }

QString fileCaption(const QString& fileName) {
    return programCaption() + QStringLiteral("      Current File: ") + fileName;
}

QString fieldCaption(const QString& name) {
    for (const Caption& c : kCaptions)
        if (name == text(c.name)) return named(text(c.caption), c.place);
    // The mixer spur table's rows are stored one per RF order.
    static const QRegularExpression row(QStringLiteral("^gridIMT\\(([0-9])\\)$"));
    if (const auto match = row.match(name); match.hasMatch())
        return named(QStringLiteral("%1xRF").arg(match.captured(1)), kTable);
    return quoted(name);
}

} // namespace kestrel::ui
