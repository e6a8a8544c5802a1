#pragma once
// A receiver's responses: the input bands that reach the output band
// between the markers through some m x n product of one LO, each with the
// rejection an input there gets (the mixer's and the preselector's, in dB
// referred to the input) and whether that meets the required rejection.

#include <optional>
#include <string>
#include <vector>

#include "engine/Design.h"
#include "engine/Filter.h"
#include "engine/PairLevels.h"
#include "engine/SpurProducts.h"

namespace kestrel {

// How the input mixes with the m-th LO harmonic: the sum m LO + n f, the
// difference m LO - n f ("LO - RF") or n f - m LO ("RF - LO"); with m = 0
// the input's own harmonic n f ("RF"), one response in place of three.
enum class ResponseBranch { Sum, LoMinusRf, RfMinusLo, Direct };

// "sum", "LO - RF", "RF - LO", "RF".
std::string branchText(ResponseBranch branch);

// One input band [from, to] (from < to or a single point, both > 0 apart
// from a from cut to 0) that lands in the output band.
struct ResponseBand {
    int m = 0;
    int n = 1;
    ResponseBranch branch = ResponseBranch::Direct;
    double from = 0;
    double to = 0;
};

// Every response band of an LO for m = 0..mMax and n = 1..nMax, m outer,
// n inner, branches in enum order; output edges in either order. Bands
// wholly at or below 0 are left out, the others cut to f >= 0.
std::vector<ResponseBand> responseBands(double lo, double output1, double output2, int mMax,
                                        int nMax);

// The 1 x 1 branch that gives the wanted output at this LO and RF: the sum,
// or the difference with the sign of LO - RF (LO - RF when they are equal).
ResponseBranch wantedBranch(ProductFamily wanted, double lo, double rf);

// "wanted", "image", "half-IF", "IF feedthrough", "IF/2", "LO harmonic 3",
// "3 x 2".
std::string responseName(int m, int n, ResponseBranch branch, ResponseBranch wanted);

// The smallest attenuation of the filter over [from, to], found exactly:
// an analytic response at the band's ends, at its centre and at the
// Chebyshev ripple zeros inside; a measured one at the ends and at the
// points inside. A from of 0 stands for the limit just above 0.
Attenuation minimumAttenuation(const Filter& filter, double from, double to);

// The filter's attenuation at `points` evenly spaced frequencies over
// [from, to] (both ends included; from > 0 assumed), for drawing it.
std::vector<FilterPoint> attenuationCurve(const Filter& filter, double from, double to,
                                          int points);

struct ReceiverResponse {
    std::string name;
    ResponseBand band;
    bool wanted = false;
    bool inRfBand = false;             // the band overlaps [RF start, RF stop]
    std::optional<double> mixer;       // dB; none where the level model has no level
    double preselector = 0;            // dB
    bool outsideFilterData = false;    // the preselector's minimum lies outside its data
    std::optional<double> total;       // dB; none without a mixer rejection
    std::optional<bool> pass;          // none for the wanted response
};

// What the rejections are measured against at one step.
struct ResponseSetting {
    double lo = 0;
    double rf = 0; // the step's RF: the preselector's reference
    double output1 = 0, output2 = 0;
    double rfStart = 0, rfStop = 0;
    int mMax = 0, nMax = 0;
    ProductFamily wanted = ProductFamily::Difference;
    double required = 60; // dB
};

// The responses, weakest total first (no total is weakest), ties by the
// lower from, then in responseBands' order. L(m, n) from `levels` (the 1 x
// 1 at 0 dBc): mixer = -L / n.
std::vector<ReceiverResponse> receiverResponses(const ResponseSetting& setting,
                                                const PairLevels* levels,
                                                const Filter& preselector);

// "PASS" or "FAIL: <name> at <from>–<to>, <total> dB" for the weakest
// failing response; total with one decimal, "no level" without one.
std::string responsesVerdict(const std::vector<ReceiverResponse>& responses);
bool responsesPass(const std::vector<ReceiverResponse>& responses);

struct DesignResponses {
    int step = 0;
    int steps = 0; // steps solved: 0..steps - 1
    ResponseSetting setting;
    std::vector<ReceiverResponse> responses;
    std::string verdict;
    bool pass = false;
    std::string why; // not empty: no responses, and why
    bool stepOutOfRange = false; // why names the step asked for
};

// The responses of a design at RF step `step` (default the middle step,
// as the wanted output is decided), with the RF and LO of that step as the
// solve computes them, the levels as the solve evaluates them and the
// output band between the markers.
DesignResponses responsesFromDesign(const Design& design, const Filter& preselector,
                                    std::optional<int> step = std::nullopt);
// The same with the design's own preselector (the RF filter block); a block
// that cannot be used refuses, naming its field.
DesignResponses responsesFromDesign(const Design& design, std::optional<int> step = std::nullopt);

} // namespace kestrel
