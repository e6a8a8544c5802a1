#include "ui/MainLayout.h"

#include <array>

namespace kestrel::ui {
namespace {

using K = Kind;

// Captions to the left of a field start 30 twips lower, so their text sits
// on the field's baseline.
constexpr std::array kLayout = std::to_array<ControlSpec>({
    // Local oscillator
    {"Frame1", "", K::Frame, 120, 120, 2175, 2295, "Local Oscillator Input", PlainFace},
    {"chkOffset", "Frame1", K::Check, 240, 240, 255, 255, "Check1"},
    {"Label37", "Frame1", K::Label, 600, 240, 1335, 255, "Lock LO to RF"},
    {"Label2", "Frame1", K::Label, 120, 630, 795, 255, "Frequency"},
    {"txtLOFreq", "Frame1", K::Text, 960, 600, 615, 285, "24"},
    {"txtLoOffset", "Frame1", K::Text, 960, 600, 615, 285, "38.5", Hidden},
    {"lblFreq(0)", "Frame1", K::Label, 1650, 630, 495, 255, "GHz"},
    {"lblOffsetInst", "Frame1", K::Label, 120, 930, 1935, 435,
     "Enter +/- Frequency Offset for Locked LO", Hidden | WordWrap},
    {"Label1", "Frame1", K::Label, 120, 1470, 795, 255, "LO Power"},
    {"txtLOPower", "Frame1", K::Text, 960, 1440, 615, 285, "8"},
    {"Label11", "Frame1", K::Label, 1650, 1470, 495, 255, "dBm"},
    {"Label3", "Frame1", K::Label, 120, 1830, 795, 255, "Harmonics"},
    {"cboLOHar", "Frame1", K::Combo, 960, 1800, 615, 345, ""},
    {"Label23", "Frame1", K::Label, 1650, 1830, 495, 255, "xN"},

    // RF input
    {"Frame2", "", K::Frame, 120, 2520, 2175, 2175, "RF Input Parameters", PlainFace},
    {"Label7", "Frame2", K::Label, 120, 270, 795, 255, "RF Start"},
    {"txtRFStart", "Frame2", K::Text, 960, 240, 615, 285, "12.5"},
    {"lblFreq(1)", "Frame2", K::Label, 1650, 270, 495, 255, "GHz"},
    {"Label8", "Frame2", K::Label, 120, 630, 795, 255, "RF Stop"},
    {"txtRFStop", "Frame2", K::Text, 960, 600, 615, 285, "16.5"},
    {"lblFreq(2)", "Frame2", K::Label, 1650, 630, 495, 255, "GHz"},
    {"Label9", "Frame2", K::Label, 120, 990, 795, 255, "Steps"},
    {"cboSteps", "Frame2", K::Combo, 960, 960, 615, 345, ""},
    {"Label13", "Frame2", K::Label, 120, 1350, 795, 255, "RF Power"},
    {"txtRFPower", "Frame2", K::Text, 960, 1320, 615, 285, "-5.0"},
    {"Label24", "Frame2", K::Label, 1650, 1350, 495, 255, "dBm"},
    {"Label10", "Frame2", K::Label, 120, 1710, 795, 255, "Harmonics"},
    {"Label38", "Frame2", K::Label, 1650, 1710, 495, 255, "xM"},
    // Sits on the form over the RF frame, beside its "Harmonics" caption.
    {"cboRFHar", "", K::Combo, 1080, 4200, 615, 345, ""},

    // IF band and markers
    {"Frame3(0)", "", K::Frame, 120, 4800, 2175, 1815, "Spectrum Analyzer", PlainFace},
    {"Label14", "Frame3(0)", K::Label, 120, 270, 795, 255, "Start"},
    {"txtIFStart", "Frame3(0)", K::Text, 960, 240, 615, 285, "30"},
    {"lblFreq(3)", "Frame3(0)", K::Label, 1650, 270, 495, 255, "GHz"},
    {"Label21", "Frame3(0)", K::Label, 120, 630, 795, 255, "Marker 1"},
    {"txtMarker1", "Frame3(0)", K::Text, 960, 600, 615, 285, "37"},
    {"lblFreq(4)", "Frame3(0)", K::Label, 1650, 630, 495, 255, "GHz"},
    {"Label22", "Frame3(0)", K::Label, 120, 990, 795, 255, "Marker 2"},
    {"txtMarker2", "Frame3(0)", K::Text, 960, 960, 615, 285, "40"},
    {"lblFreq(5)", "Frame3(0)", K::Label, 1650, 990, 495, 255, "GHz"},
    {"Label15", "Frame3(0)", K::Label, 120, 1350, 795, 255, "Stop"},
    {"txtIFStop", "Frame3(0)", K::Text, 960, 1320, 615, 285, "50"},
    {"lblFreq(6)", "Frame3(0)", K::Label, 1650, 1350, 495, 255, "GHz"},

    // Solve and replay
    {"cmdCalculate", "", K::Button, 120, 6720, 2175, 615, "Solve  Matrix"},
    {"cmdSweep", "", K::Button, 120, 7320, 2175, 615, "Sweep ", Disabled},
    {"chkSingle", "", K::Check, 240, 8040, 855, 255, "1 Sweep", Checked},
    {"chkSUMONLY", "", K::Check, 1320, 8040, 855, 375, "Calculate SUM ONLY", WordWrap},
    {"lblWorking2", "", K::Label, 1320, 8400, 585, 195, "Label4", Hidden},
    {"Label20", "", K::Label, 240, 8640, 735, 255, "Swp Speed"},
    {"cboSweepSpeed", "", K::Combo, 240, 8880, 855, 345, ""},
    {"Frame5", "", K::Frame, 1200, 8640, 855, 615, "SingleStep"},
    {"cmdSTEPBACK", "Frame5", K::Button, 120, 240, 255, 255, "-", Disabled},
    {"cmdSingleStep", "Frame5", K::Button, 480, 240, 255, 255, "+"},

    // Analyzer and its read-outs
    {"Frame4", "", K::Panel, 3240, 240, 7215, 4335, "Spectrum Analyzer", PlainFace},
    {"lblRFANA", "Frame4", K::Label, 5880, 0, 1155, 195, "RF Frequency"},
    {"lblStepPointer", "Frame4", K::Label, 0, 0, 255, 195, "0", Hidden},
    {"lblMOUSEPOINTER", "Frame4", K::Label, 0, 0, 255, 195, "1", Hidden},
    {"lblIfDispLo", "", K::Label, 3240, 4680, 495, 255, "30"},
    {"lblDisIFHI", "", K::Label, 9960, 4680, 495, 255, "50", AlignRight},
    {"Label33", "", K::Label, 5880, 4560, 600, 255, "LO - RF"},
    {"lblIfDisFreq", "", K::Label, 6480, 4560, 735, 255, "Diff Spur", Boxed},
    {"Label32", "", K::Label, 5880, 4800, 600, 255, "LO + RF"},
    {"lblIFSUM", "", K::Label, 6480, 4800, 735, 255, "Sum Spur", Boxed},
    // Level scale: each label beside its graticule line, 0 to -100 dBc.
    {"Label12", "", K::Label, 2880, 480, 330, 255, "0", AlignRight},
    {"Label26", "", K::Label, 2880, 840, 330, 255, "-10", AlignRight},
    {"Label16", "", K::Label, 2880, 1200, 330, 255, "-20", AlignRight},
    {"Label27", "", K::Label, 2880, 1560, 330, 255, "-30", AlignRight},
    {"Label17", "", K::Label, 2880, 1920, 330, 255, "-40", AlignRight},
    {"Label28", "", K::Label, 2880, 2280, 330, 255, "-50", AlignRight},
    {"Label18", "", K::Label, 2880, 2640, 330, 255, "-60", AlignRight},
    {"Label29", "", K::Label, 2880, 3000, 330, 255, "-70", AlignRight},
    {"Label19", "", K::Label, 2880, 3360, 330, 255, "-80", AlignRight},
    {"Label30", "", K::Label, 2880, 3720, 330, 255, "-90", AlignRight},
    {"Label25", "", K::Label, 2880, 4080, 330, 255, "-100", AlignRight},
    {"Label31", "", K::Label, 2640, 2400, 255, 255, "dBc"},
    // "RF" beside the span start; its twin Label5 sits off the client area.
    {"Label6", "", K::Label, 2880, 4680, 330, 255, "RF", AlignRight},
    {"Label5", "", K::Label, -720, 5640, 330, 255, "RF"},
    {"Label34", "", K::Label, 5760, 5040, 600, 240, "RF Input"},
    {"txtRFDisFreq", "", K::Text, 6360, 5040, 975, 240, "FREQUENCY", ReadOnly},
    {"Label35", "", K::Label, 2880, 5160, 1260, 225, " Blue = Sum Spurs  "},
    {"Label36", "", K::Label, 4080, 5160, 1305, 225, "  Green = Diff. Spurs "},
    // The limit line's verdict, empty while the limit line is not checked.
    {"lblVerdict", "", K::Label, 7380, 4920, 3075, 240, ""},
    {"lblWorking4", "", K::Label, 7920, 5160, 1320, 225, "Actual LO Frequency"},
    {"lblWorking3", "", K::Label, 9360, 5160, 1095, 255, "Tracking LO"},
    {"gridSpurs", "", K::Grid, 2880, 5400, 7695, 2775, ""},

    // Banner, project text and the hidden file lists
    {"Logo", "", K::Picture, 2520, 8400, 6750, 930, ""},
    {"txtProject", "Logo", K::Text, 0, 0, 6735, 855, "Project Info", Hidden},
    {"chkProject", "", K::Check, 9480, 8760, 1335, 375, "Project Name "},
    {"FileMixer", "", K::FileList, 2520, 120, 3375, 4410, "", Hidden},
    {"FileErase", "", K::FileList, 2520, 120, 3375, 4410, "", Hidden},
});

} // namespace

// Axis strokes between the edge and centre read-outs, and the shadow-coloured
// boxes around the display and around the sweep controls.
constexpr std::array kLines = std::to_array<display::LineSpec>({
    {"Line20", 3720, 4800, 5760, 4800},
    {"Line21", 7200, 4800, 9960, 4800},
    {"Line18", 2520, 120, 10680, 120, display::kDefaultLineColor, true},
    {"Line25", 10680, 120, 10680, 8280, display::kDefaultLineColor, true},
    {"Line26", 2520, 8280, 10680, 8280, display::kDefaultLineColor, true},
    {"Line27", 2520, 120, 2520, 8280, display::kDefaultLineColor, true},
    {"Line28", 120, 7920, 120, 9360, display::kDefaultLineColor, true},
    {"Line29", 2280, 7920, 2280, 9360, display::kDefaultLineColor, true},
    {"Line30", 120, 9360, 2280, 9360, display::kDefaultLineColor, true},
});

// The fields, lists and the lock check box whose caption a person reads on
// the label beside them.
constexpr std::array kLabels = std::to_array<LabelledControl>({
    {"chkOffset", "Label37"},
    {"txtLOFreq", "Label2"},
    {"txtLoOffset", "lblOffsetInst"},
    {"txtLOPower", "Label1"},
    {"cboLOHar", "Label3"},
    {"txtRFStart", "Label7"},
    {"txtRFStop", "Label8"},
    {"cboSteps", "Label9"},
    {"txtRFPower", "Label13"},
    {"cboRFHar", "Label10"},
    {"txtIFStart", "Label14"},
    {"txtMarker1", "Label21"},
    {"txtMarker2", "Label22"},
    {"txtIFStop", "Label15"},
    {"cboSweepSpeed", "Label20"},
    {"txtRFDisFreq", "Label34"},
    {"txtProject", "chkProject"},
});

std::span<const ControlSpec> mainWindowLayout() { return kLayout; }
std::span<const LabelledControl> mainWindowLabels() { return kLabels; }
std::span<const display::LineSpec> mainWindowLines() { return kLines; }

} // namespace kestrel::ui
