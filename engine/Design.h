#pragma once
// Everything a design file stores, as a plain value. Its defaults are the
// start-up design. Records 2 to 11 hold the numbers the file holds (their
// field text is shortText of the number); the other values hold what the
// file's "name=value" records hold, so that a design read and written again
// gives the same bytes.

#include <string>

#include "engine/LevelModel.h"

namespace kestrel {

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

    bool operator==(const Design&) const = default;
};

} // namespace kestrel
