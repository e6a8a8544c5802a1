#pragma once
// Everything a design file stores, as a plain value. Its defaults are the
// start-up design. Records 2 to 11 hold the numbers the file holds (their
// field text is shortText of the number); the other values hold what the
// file's "name=value" records hold, so that a design read and written again
// gives the same bytes.

#include <string>
#include <utility>
#include <vector>

#include "engine/Filter.h"
#include "engine/LevelModel.h"

namespace kestrel {

// One filter block (prefix RF: the preselector, LO: the LO filter, IF: the
// IF filter) as its fields hold it; the measured points themselves are
// stored, so that a design gives the same levels on another machine.
struct DesignFilter {
    std::string shape = "None";           // cboXFilter, an item of lists::kFilterShapes
    std::string response = "Butterworth"; // cboXResponse
    std::string low;                      // txtXFilterLow, design unit
    std::string high;                     // txtXFilterHigh
    std::string order = "5";              // txtXFilterOrder, 1..15
    std::string ripple = "0.1";           // txtXFilterRipple, dB, 0.01..3
    std::string loss = "0";               // txtXFilterLoss, dB, 0 or more
    std::string floor = "80";             // txtXFilterFloor, dB, 20..150
    std::vector<FilterPoint> points;      // the measured response, rising
    std::string dataName;                 // the file the points came from, as shown

    bool operator==(const DesignFilter&) const = default;
};

// A block's start-up fields with its passband edges.
inline DesignFilter filterWithEdges(std::string low, std::string high) {
    DesignFilter f;
    f.low = std::move(low);
    f.high = std::move(high);
    return f;
}

// One row of the limit line; an empty from or to is the display band's edge.
struct LimitRow {
    std::string from;
    std::string to;
    std::string limit = "-60";
    std::string unit = "dBc"; // or "dBm"

    bool operator==(const LimitRow&) const = default;
};

struct Design {
    // Records 1 to 14.
    bool offsetChecked = false; // chkOffset: tracking LO
    float loOffset = 38.5f;     // txtLoOffset
    float loFreq = 24.0f;       // txtLOFreq
    float loPower = 8.0f;       // txtLOPower, dBm
    float rfStart = 12.5f;      // txtRFStart
    float rfStop = 16.5f;       // txtRFStop
    float rfPower = -5.0f;      // txtRFPower, dBm
    float ifStart = 30.0f;      // txtIFStart
    float marker1 = 37.0f;      // txtMarker1
    float marker2 = 40.0f;      // txtMarker2
    float ifStop = 50.0f;       // txtIFStop
    std::string project = "Project Info"; // txtProject, Latin-1, one byte a character
    bool projectChecked = false;          // chkProject
    std::string unit = "GHz";             // FreqUnit

    // The main window's lists and boxes, as their item texts.
    std::string loHarmonics = "8";  // cboLOHar
    std::string rfHarmonics = "8";  // cboRFHar
    std::string steps = "10";       // cboSteps
    std::string sweepSpeed = "25";  // cboSweepSpeed
    bool sumOnly = false;           // chkSUMONLY
    bool singleSweep = true;        // chkSingle

    // The mixer's figures, as typed.
    std::string conversionLoss = "8"; // txtConversionLoss, dB
    std::string rfIsolation = "25";   // txtRFIsolation, dB
    std::string loIsolation = "25";   // txtLOIsolation, dB

    // The band finder and the spur chart.
    std::string wanted = "Automatic (from the markers)"; // cboWanted
    std::string threshold = "-60";                        // txtThreshold, dBc
    std::string maxOrder = "Any";                         // cboMaxOrder
    bool shade = false;                                   // chkShade
    bool shadeBands = false;                              // chkShadeBands
    bool finderLimits = false; // chkFinderLimits: count by the limit line, not the threshold

    // The mixer spur table (gridIMT(n) rows) and its reference drives as
    // typed; the table's own reference numbers follow the texts.
    MixerSpurTable imt;
    std::string imtRFRef = "-10"; // txtIMTRFRef, dBm
    std::string imtLORef = "7";   // txtIMTLORef, dBm
    bool useIMT = false;          // chkUseIMT

    // The IF planner.
    std::string planWanted = "LO - RF"; // cboPlanWanted
    std::string planPoints = "1001";    // cboPlanPoints
    std::string planFrom = "20";        // txtPlanFrom
    std::string planTo = "40";          // txtPlanTo
    std::string planGuard = "0";        // txtPlanGuard
    std::string planThreshold = "-60";  // txtPlanThreshold, dBc
    bool planAutoScan = true;           // chkPlanAutoScan
    bool planLimits = false;            // chkPlanLimits: count by the limit line, not the threshold

    // The converter's filters and the limit line.
    DesignFilter rfFilter = filterWithEdges("12.5", "16.5");
    DesignFilter loFilter = filterWithEdges("20", "28");
    DesignFilter ifFilter = filterWithEdges("37", "40");
    std::vector<LimitRow> limits{LimitRow{}}; // gridLimits(0), gridLimits(1), ...
    bool useLimits = false;                   // chkUseLimits

    // Receiver responses.
    std::string respRequired = "60"; // txtRespRequired, dB

    bool operator==(const Design&) const = default;
};

} // namespace kestrel
