#include "ui/QuickHelpTable.h"

#include <array>

namespace kestrel::ui {
namespace {

constexpr std::string_view kAnalyzerRange =
    "Spectrum Analyzer Range (Set by RF START/STOP)... Center boxes show CURRENT FREQUENCY OF SUM "
    "1x1 Spur and CURRENT FREQUENCY OF DIFFERENCE 1x1 Spur Values for CURRENT MIXER RF INPUT. ";

constexpr std::array kQuickHelp = std::to_array<QuickHelpEntry>({
    {"Label2",
     "Enter the LOCAL OSCILLATOR Frequency applied to the mixer (Need to run SOLVE MATRIX "
     "AGAIN)... ",
     "TUTORIAL(See Help File): Use 2500 MHz (Hint, set frequency units using OPTIONS menu)   "},
    {"Label1",
     "Enter the LOCAL OSCILLATOR POWER applied to the mixer.. Automatic update of SPUR Levels when "
     "you move to the next data field (Tab)",
     "TUTORIAL: Use 10 dBm  "},
    {"Label3",
     "Maximum Harmonic of LOCAL OSCILLATOR to calculate (Need to run SOLVE MATRIX again)... (Note: "
     "Grid calculates up to 10xN but Spectrum Analyzer display only uses up to 6x8 MxN and 8x0 LO)",
     "TUTORIAL: Use 6xN "},
    {"Label37", "Calculates a 'Tracking LO Frequency' by adding a fixed offset to the RF frequency",
     "TUTORIAL: Use -1.5GHz "},
    {"Label7",
     "Enter Lowest RF FREQUENCY INPUT the MIXER will see in operation (Solve Matrix need to be run "
     "after a change)... -- QwkHint: DoubleClick and automatically fills in RF Start/Stop with the "
     "SUM of LO + Marker1 and LO + Marker2 ",
     "TUTORIAL: Use 3000 MHz "},
    {"Label8",
     "Enter Highest RF FREQUENCY INPUT the MIXER will see in operation (Solve Matrix need to be run "
     "after a change)... - - QwkHint: DoubleClick and automatically fills in RF Start/Stop with "
     "difference of Marker1 - LO and Marker 2 - LO",
     "TUTORIAL: Use 4000 MHz "},
    {"Label9",
     "Enter Number of FREQUENCY STEP between RF START and RF STOP(Solve Matrix need to be run "
     "again).. (Note: More steps make a smoother sweep display, but takes longer to caclulate and "
     "sweep) ",
     "TUTORIAL: Use 10 Steps "},
    {"Label13",
     "Enter the RF INPUT POWER to the mixer under test... Automatic update of SPUR levels when you "
     "move to the next data field (Tab) ",
     "TUTORIAL: Use -5 dBm "},
    {"Label10",
     "Maximum Harmonic of RF INPUT  to calculate.. Need to run SOLVE MATRIX again (Note: Spectrum "
     "Analyzer displays up to 8xM)",
     "TUTORIAL: Use 5xM "},
    {"Label14",
     "Enter Lowest RF FREQUENCY OUTPUT you wish to display (Need to run SOLVE MATRIX AGAIN)... "
     "usually about 20% to 50% below your RF OUPTUT BAND OF INTEREST -- QwkHint: DoubleClick will "
     "fill in with minus 50% of your Bandwidth ",
     "TUTORIAL: Use 4500 MHz "},
    {"Label15",
     "Enter highest RF FREQUENCY OUTPUT you wish to display (Need to run SOLVE MATRIX AGAIN)... "
     "usually about 20% to 50% above your RF OUPTUT BAND OF INTEREST -- QwkHint: DoubleClick will "
     "fill in with plus 50% of your Bandwidth ",
     "TUTORIAL: Use 7500 MHz and then PRESS SOLVE MATRIX and SWEEP RESULTS "},
    {"Label21",
     "Enter Marker for upper BAND EDGE OF INTEREST (Updates when SWEEP or STEP are clicked) - - "
     "QwkHint: DoubleClick on Marker1 and The Markers will be filled in with LO + RFStart and LO + "
     "RFStop automatically ",
     "TUTORIAL: Use 5500 MHz "},
    {"Label22",
     "Enter Marker for upper BAND EDGE OF INTEREST (Updates when SWEEP or STEP are clicked)- - "
     "QwkHint: DoubleClick on Marker2 and the Markers will be fill in with LO - RFStart and LO - "
     "RFStop automatically ",
     "TUTORIAL: Use 6500 MHz "},
    {"Label20",
     "Set the Display SWEEP SPEED for the Analzyer. Larger numbers for faster sweep (up to your "
     "computer limits). Speed is the time per step/number of steps   ",
     ""},
    {"Frame5",
     "Single Steps the FREQUENCY through STORED VALUES from solved matrix.. Updates the GRID "
     "MATRIX for EACH STEP",
     ""},
    {"Label5",
     "Displays CURRENT RF INPUT FREQUENCY to the mixer (When using STEP, this is the RF Input "
     "currently generating the SPURS shown in the MATRIX) ",
     ""},
    {"Label6", kAnalyzerRange, ""},
    {"lblIfDispLo", kAnalyzerRange, ""},
    {"lblDisIFHI", kAnalyzerRange, ""},
    {"lblIFSUM", kAnalyzerRange, ""},
    {"lblIfDisFreq", kAnalyzerRange, ""},
});

} // namespace

std::span<const QuickHelpEntry> mainWindowQuickHelp() { return kQuickHelp; }

} // namespace kestrel::ui
