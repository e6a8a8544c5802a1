#include "engine/DesignSolve.h"

#include <memory>

#include "engine/FieldCaptions.h"
#include "engine/NumberText.h"
#include "engine/WantedProduct.h"

namespace kestrel {
namespace {

std::string notANumber(const char* field) {
    return fieldCaption(field) + " does not hold a number in range";
}

} // namespace

DesignSolveInput solveInputFromTexts(const SolveFieldTexts& t) {
    DesignSolveInput out;
    const char* fault = nullptr;
    const auto failed = [&fault](const char* field) {
        if (!fault) fault = field;
    };
    // Every frequency ends up in single precision, so each must fit one.
    const auto strictSingle = [&](const std::string& text, const char* field) -> float {
        const auto v = toSingleStrict(text);
        if (!v) failed(field);
        return v.value_or(0);
    };
    const auto strictDouble = [&](const std::string& text, const char* field) -> double {
        strictSingle(text, field);
        return toDoubleStrict(text).value_or(0);
    };
    const auto listValue = [&](const std::string& text, const char* field) -> std::int16_t {
        const auto v = toInt16HalfEven(text);
        if (!v) failed(field);
        return v.value_or(0);
    };

    SolveInput in;
    in.rfStart = strictDouble(t.rfStart, "txtRFStart");
    in.rfStop = strictDouble(t.rfStop, "txtRFStop");
    in.numSteps = listValue(t.steps, "cboSteps");
    in.loFreq = strictSingle(t.loFreq, "txtLOFreq");
    in.ifStart = strictSingle(t.ifStart, "txtIFStart");
    in.ifStop = strictSingle(t.ifStop, "txtIFStop");
    in.trackingLO = t.trackingLO;
    if (in.trackingLO) {
        const double offset = leadingNumber(t.loOffset);
        in.loOffset = [offset] { return offset; };
    }
    in.mMax = listValue(t.loHarmonics, "cboLOHar");
    in.nMax = listValue(t.rfHarmonics, "cboRFHar");
    if (fault) {
        out.field = fault;
        out.why = notANumber(fault);
        return out;
    }
    // Fields that fit one by one can still add up beyond the single range.
    switch (findSolveOverflow(in)) {
    case SolveOverflow::None: out.input = std::move(in); return out;
    case SolveOverflow::Span: fault = "txtRFStop"; break;
    case SolveOverflow::TrackingLO: fault = "txtLoOffset"; break;
    case SolveOverflow::DisplayBand: fault = "txtIFStop"; break;
    }
    out.field = fault;
    out.why = fieldCaption(fault) + " takes the solve beyond the single range";
    return out;
}

// Records 2 to 11 show as the short text of their number, and the window
// reads that text back.
DesignSolveInput solveInputFromDesign(const Design& d) {
    SolveFieldTexts t;
    t.rfStart = shortText(d.rfStart);
    t.rfStop = shortText(d.rfStop);
    t.steps = d.steps;
    t.loFreq = shortText(d.loFreq);
    t.ifStart = shortText(d.ifStart);
    t.ifStop = shortText(d.ifStop);
    t.trackingLO = d.offsetChecked;
    t.loOffset = shortText(d.loOffset);
    t.loHarmonics = d.loHarmonics;
    t.rfHarmonics = d.rfHarmonics;
    return solveInputFromTexts(t);
}

DesignLevels levelsFromDesign(const Design& d) {
    DesignLevels out;
    const auto loPower = toDoubleStrict(shortText(d.loPower));
    const auto rfPower = toDoubleStrict(shortText(d.rfPower));
    const auto convLoss = toSingleStrict(d.conversionLoss);
    const auto rfIsolation = toDoubleStrict(d.rfIsolation);
    const auto loIsolation = toSingleStrict(d.loIsolation);
    const char* fault = !loPower       ? "txtLOPower"
                        : !rfPower     ? "txtRFPower"
                        : !convLoss    ? "txtConversionLoss"
                        : !rfIsolation ? "txtRFIsolation"
                        : !loIsolation ? "txtLOIsolation"
                                       : nullptr;
    if (fault) {
        out.why = notANumber(fault);
        return out;
    }
    const LevelInputs in{*loPower, *rfPower, *convLoss, *rfIsolation, *loIsolation};
    static const BuiltInLevelModel builtIn;
    const LevelModel& model = d.useIMT ? static_cast<const LevelModel&>(d.imt) : builtIn;
    PairLevels levels = model.evaluate(in);
    if (!fitsSingle(levels)) {
        const auto at = findLevelOverflow(model, in, LevelInput::RFPower);
        static constexpr const char* kFields[] = {"txtLOPower", "txtRFPower", "txtConversionLoss",
                                                  "txtRFIsolation", "txtLOIsolation"};
        const char* field = kFields[at ? int(*at) : 1];
        out.why = fieldCaption(field) +
                  " gives spur levels beyond the single range";
        return out;
    }
    out.levels = levels;
    out.model = &model;
    out.inputs = in;
    return out;
}

std::optional<MarkerPair> designMarkers(const Design& d) {
    const auto m1 = toSingleStrict(shortText(d.marker1));
    const auto m2 = toSingleStrict(shortText(d.marker2));
    if (m1 && m2) return MarkerPair{*m1, *m2};
    return std::nullopt;
}

SolvableDesign solvableDesign(const Design& d) {
    DesignSolveInput in = solveInputFromDesign(d);
    if (!in.input) return {std::nullopt, std::nullopt, std::move(in.why), nullptr, {}};
    DesignLevels levels = levelsFromDesign(d);
    if (!levels.levels) return {std::nullopt, std::nullopt, std::move(levels.why), nullptr, {}};
    return {std::move(in.input), std::move(levels.levels), {}, levels.model, levels.inputs};
}

ProductFamily wantedFromDesign(const Design& d, const SpurMatrix& matrix, const WorkingState& state,
                               const LastSolve& solve) {
    if (d.wanted == "LO + RF") return ProductFamily::Sum;
    if (d.wanted == "|LO - RF|") return ProductFamily::Difference;
    return defaultWantedProduct(matrix, state, solve, designMarkers(d));
}

DesignReport reportFromDesign(const Design& d) {
    DesignReport report;
    const SolvableDesign solvable = solvableDesign(d);
    if (!solvable.input) {
        report.why = solvable.why;
        return report;
    }
    // Far too large for the stack.
    auto matrix = std::make_unique<SpurMatrix>();
    WorkingState state;
    solveSpurMatrix(*solvable.input, state, *matrix);
    report.solve = {solvable.input->mMax, solvable.input->nMax, solvable.input->trackingLO};
    report.steps = lastSolvedStep(state) + 1;
    const auto markers = designMarkers(d);
    report.wanted = wantedFromDesign(d, *matrix, state, report.solve);
    report.why = reportOfSolve(report, *matrix, state, &*solvable.levels, markers, d, *solvable.model, solvable.inputs);
    if (!report.why.empty()) report.rows.clear();
    return report;
}

std::string reportOfSolve(DesignReport& report, const SpurMatrix& matrix, const WorkingState& state,
                          const PairLevels* levels, std::optional<MarkerPair> markers, const Design& design,
                          const LevelModel& model, const LevelInputs& in) {
    report.rows = spurTableRows(matrix, state, report.solve, levels, markers, report.wanted);
    const float bandStart = state.IFStart;
    const float bandStop = state.IFStop;
    std::string why;
    auto filters = filtersFromDesign(design, why);
    if (!filters) return why;
    auto line = limitLineFromDesign(design, why);
    if (!line) return why;
    report.filters = std::move(*filters);
    report.limitLine = std::move(*line);
    report.converter = applyConverterFilters(report.rows, report.filters, model, in, report.wanted);
    applyLimitLine(report.rows, report.converter, report.limitLine, bandStart, bandStop);
    report.verdict = limitVerdict(report.rows);
    report.limitsUsed = design.useLimits;
    if (report.limitsUsed)
        report.needed = neededIfOrder(report.rows, report.converter, report.filters, report.limitLine, markers,
                                      bandStart, bandStop);
    return why;
}

} // namespace kestrel
