#include "engine/QuickFill.h"

#include <cmath>
#include <optional>

#include "engine/NumberText.h"

namespace kestrel {
namespace {

using Values = std::vector<double>;

Values sums(double lo, double a, double b) { return {lo + a, lo + b}; }
Values differences(double lo, double a, double b) { return {std::fabs(lo - a), std::fabs(lo - b)}; }

std::optional<Values> compute(QuickFill kind, const QuickFillTexts& t) {
    const double lo = leadingNumber(t.lo);
    switch (kind) {
    case QuickFill::RFFromMarkersSum:
        return sums(lo, leadingNumber(t.marker1), leadingNumber(t.marker2));
    case QuickFill::RFFromMarkersDiff:
        return differences(lo, leadingNumber(t.marker1), leadingNumber(t.marker2));
    case QuickFill::MarkersFromRFSum:
        return sums(lo, leadingNumber(t.rfStart), leadingNumber(t.rfStop));
    case QuickFill::MarkersFromRFDiff:
        return differences(lo, leadingNumber(t.rfStart), leadingNumber(t.rfStop));
    case QuickFill::IFStart:
    case QuickFill::IFStop: {
        const auto m1 = toDoubleStrict(t.marker1);
        const auto m2 = toDoubleStrict(t.marker2);
        if (!m1 || !m2) return std::nullopt;
        const double half = (*m2 - *m1) * 0.5;
        if (kind == QuickFill::IFStart) return Values{std::floor(*m1 - half)};
        return Values{std::floor(leadingNumber(t.marker2) + half)};
    }
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> quickFill(QuickFill kind, const QuickFillTexts& texts) {
    const std::optional<Values> values = compute(kind, texts);
    std::vector<std::string> out;
    if (!values) return out;
    for (const double v : *values) {
        // An overflowing sum would write a text that is no number.
        if (!std::isfinite(v)) return {};
        out.push_back(generalText(v));
    }
    return out;
}

} // namespace kestrel
