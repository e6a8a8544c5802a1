#include "engine/ConverterLevels.h"

#include <cmath>

#include "engine/DesignLists.h"
#include "engine/FastAttenuation.h"
#include "engine/FieldCaptions.h"
#include "engine/NumberText.h"
#include "engine/WantedProduct.h"

namespace kestrel {
namespace {

std::string fieldName(std::string_view prefix, std::string_view kind, std::string_view what) {
    return std::string(kind) + std::string(prefix) + std::string(what);
}

// A number in [min, max] (whole when asked), or the reason naming the field.
std::optional<double> numberIn(const std::string& text, double min, double max, bool whole,
                               const std::string& field, std::string& why) {
    const auto v = toDoubleStrict(text);
    if (v && *v >= min && *v <= max && (!whole || std::floor(*v) == *v)) return v;
    why = fieldCaption(field) + (whole ? " must hold a whole number from " : " must hold a number from ") +
          generalText(min) + " to " + generalText(max);
    return std::nullopt;
}

std::optional<double> edge(const std::string& text, const std::string& field, std::string& why) {
    const auto v = toDoubleStrict(text);
    if (v && *v > 0) return v;
    why = fieldCaption(field) + " must hold a frequency above 0";
    return std::nullopt;
}

} // namespace

std::optional<Filter> filterFromBlock(const DesignFilter& block, std::string_view prefix, std::string& why) {
    const std::string shapeField = fieldName(prefix, "cbo", "Filter");
    Filter f;
    if (block.shape == "None") return f;
    if (block.shape == "Measured (CSV)" || block.shape == "Measured (Touchstone)") {
        if (block.points.empty()) {
            why = fieldCaption(shapeField) + " is measured but holds no data";
            return std::nullopt;
        }
        f.shape = FilterShape::Measured;
        f.points = block.points;
        return f;
    }
    if (block.shape == "Band-pass") f.shape = FilterShape::BandPass;
    else if (block.shape == "Low-pass") f.shape = FilterShape::LowPass;
    else if (block.shape == "High-pass") f.shape = FilterShape::HighPass;
    else {
        why = fieldCaption(shapeField) + " must be one of the listed shapes";
        return std::nullopt;
    }
    if (!lists::contains(lists::kFilterResponses, block.response)) {
        why = fieldCaption(fieldName(prefix, "cbo", "Response")) + " must be Butterworth or Chebyshev";
        return std::nullopt;
    }
    f.response = block.response == "Chebyshev" ? FilterResponse::Chebyshev : FilterResponse::Butterworth;
    const std::string lowField = fieldName(prefix, "txt", "FilterLow");
    const std::string highField = fieldName(prefix, "txt", "FilterHigh");
    if (f.shape != FilterShape::LowPass) {
        const auto low = edge(block.low, lowField, why);
        if (!low) return std::nullopt;
        f.low = *low;
    }
    if (f.shape != FilterShape::HighPass) {
        const auto high = edge(block.high, highField, why);
        if (!high) return std::nullopt;
        f.high = *high;
    }
    if (f.shape == FilterShape::BandPass && !(f.low < f.high)) {
        why = fieldCaption(lowField) + " must be below " + fieldCaption(highField);
        return std::nullopt;
    }
    const auto order = numberIn(block.order, 1, 15, true, fieldName(prefix, "txt", "FilterOrder"), why);
    if (!order) return std::nullopt;
    f.order = int(*order);
    if (f.response == FilterResponse::Chebyshev) {
        const auto ripple = numberIn(block.ripple, 0.01, 3, false, fieldName(prefix, "txt", "FilterRipple"), why);
        if (!ripple) return std::nullopt;
        f.ripple = *ripple;
    }
    // A loss beyond the single range would take the levels out of it.
    const auto loss = numberIn(block.loss, 0, 1e6, false, fieldName(prefix, "txt", "FilterLoss"), why);
    if (!loss) return std::nullopt;
    f.loss = *loss;
    const auto floor = numberIn(block.floor, 20, 150, false, fieldName(prefix, "txt", "FilterFloor"), why);
    if (!floor) return std::nullopt;
    f.floor = *floor;
    return f;
}

std::optional<ConverterFilters> filtersFromDesign(const Design& design, std::string& why) {
    ConverterFilters out;
    auto rf = filterFromBlock(design.rfFilter, "RF", why);
    if (!rf) return std::nullopt;
    auto lo = filterFromBlock(design.loFilter, "LO", why);
    if (!lo) return std::nullopt;
    auto ifFilter = filterFromBlock(design.ifFilter, "IF", why);
    if (!ifFilter) return std::nullopt;
    out.rf = std::move(*rf);
    out.lo = std::move(*lo);
    out.ifFilter = std::move(*ifFilter);
    return out;
}

std::vector<ConverterStep> applyConverterFilters(std::vector<SpurTableRow>& rows,
                                                 const ConverterFilters& filters, const LevelModel& model,
                                                 const LevelInputs& in, ProductFamily wanted) {
    // Unfiltered terms are left out altogether, not added as 0 dB, so that a
    // design without filters keeps its levels bit for bit (-0 stays -0).
    const bool drivesFiltered = filters.rf.shape != FilterShape::None || filters.lo.shape != FilterShape::None;
    const bool ifFiltered = filters.ifFilter.shape != FilterShape::None;
    std::vector<ConverterStep> steps;
    PairLevels stepLevels;
    const FastAttenuation ifAt(filters.ifFilter);
    for (std::size_t begin = 0; begin < rows.size();) {
        std::size_t end = begin;
        const SpurTableRow* wantedRow = nullptr;
        while (end < rows.size() && rows[end].step == rows[begin].step) {
            if (rows[end].role == ProductRole::Wanted) wantedRow = &rows[end];
            ++end;
        }
        const SpurTableRow& first = rows[begin];
        ConverterStep step;
        step.step = first.step;
        step.wantedFrequency = wantedRow ? wantedRow->frequency
                               : wanted == ProductFamily::Sum ? first.lo + first.rf
                                                              : std::fabs(first.lo - first.rf);
        const Attenuation aRf = filters.rf.attenuation(first.rf);
        const Attenuation aLo = filters.lo.attenuation(first.lo);
        const Attenuation aIfWanted = filters.ifFilter.attenuation(step.wantedFrequency);
        step.aRf = aRf.db;
        step.aLo = aLo.db;
        step.aIfWanted = aIfWanted.db;
        step.outsideFilterData = aRf.outsideData || aLo.outsideData || aIfWanted.outsideData;
        step.beforeIf = in.rfPower - step.aRf - double(in.convLoss);
        step.wantedDbm = step.beforeIf - step.aIfWanted;
        if (drivesFiltered) {
            LevelInputs lowered = in;
            lowered.rfPower -= step.aRf;
            lowered.loPower -= step.aLo;
            stepLevels = model.evaluate(lowered);
        }
        for (std::size_t i = begin; i < end; ++i) {
            SpurTableRow& r = rows[i];
            const std::optional<double> mixer = drivesFiltered ? productLevel(&stepLevels, r.m, r.n) : r.level;
            const Attenuation aIf = ifFiltered ? ifAt(r.frequency) : Attenuation{};
            r.aRf = step.aRf;
            r.aLo = step.aLo;
            r.aIf = aIf.db;
            r.mixerLevel = mixer;
            r.level = mixer && ifFiltered ? std::optional<double>(*mixer - aIf.db + step.aIfWanted) : mixer;
            r.levelDbm = r.level ? std::optional<double>(*r.level + step.wantedDbm) : std::nullopt;
            r.outsideFilterData = aRf.outsideData || aLo.outsideData || aIf.outsideData;
        }
        steps.push_back(step);
        begin = end;
    }
    return steps;
}

} // namespace kestrel
