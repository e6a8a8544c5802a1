#include "engine/NeededOrder.h"

#include <algorithm>

#include "engine/FastAttenuation.h"

namespace kestrel {
namespace {

// What a held row keeps over the search: only the IF terms change with N.
struct HeldRow {
    double mixer = 0;
    double frequency = 0;
    std::optional<double> dbc, dbm; // the lowest limits of each unit
    std::size_t step = 0;           // index into the steps
};

// The IF filter the search varies, or none when it has no edges to use.
std::optional<Filter> searchFilter(const Filter& ifFilter, std::optional<MarkerPair> markers, bool& substitute) {
    substitute = ifFilter.shape == FilterShape::None || ifFilter.shape == FilterShape::Measured;
    if (!substitute) return ifFilter;
    if (!markers) return std::nullopt;
    Filter f;
    f.shape = FilterShape::BandPass;
    f.response = FilterResponse::Butterworth;
    f.low = std::min(markers->marker1, markers->marker2);
    f.high = std::max(markers->marker1, markers->marker2);
    if (!(f.low > 0 && f.low < f.high)) return std::nullopt;
    return f;
}

} // namespace

std::vector<NeededRejection> neededRejections(const std::vector<SpurTableRow>& rows) {
    std::vector<NeededRejection> out;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (failsLimit(rows[i]))
            out.push_back({i, rows[i].margin ? std::optional<double>(-*rows[i].margin) : std::nullopt});
    return out;
}

NeededOrder neededIfOrder(const std::vector<SpurTableRow>& rows, const std::vector<ConverterStep>& steps,
                          const ConverterFilters& filters, const std::vector<LimitBand>& line,
                          std::optional<MarkerPair> markers, float bandStart, float bandStop) {
    NeededOrder out;
    const auto base = searchFilter(filters.ifFilter, markers, out.substitute);
    if (!base) return out;
    out.searched = *base;

    std::vector<HeldRow> held;
    std::size_t s = 0;
    for (const SpurTableRow& r : rows) {
        while (s + 1 < steps.size() && steps[s].step != r.step) ++s;
        if (!heldAgainstLimits(r) || s >= steps.size()) continue;
        const RowLimits limits = limitsAt(r.frequency, line, bandStart, bandStop);
        if (!limits.dbc && !limits.dbm) continue;
        // No filter gives a product without a level a margin.
        if (!r.mixerLevel) return out;
        held.push_back({*r.mixerLevel, r.frequency, limits.dbc, limits.dbm, s});
    }

    std::vector<double> aWanted(steps.size());
    std::size_t lastFailing = 0; // tried first: it tends to fail the next order too
    for (int n = 1; n <= kMaxFilterOrder; ++n) {
        out.searched.order = n;
        const FastAttenuation at(out.searched);
        for (std::size_t k = 0; k < steps.size(); ++k)
            aWanted[k] = at(steps[k].wantedFrequency).db;
        const auto fails = [&](const HeldRow& h) {
            const double level = h.mixer - at(h.frequency).db + aWanted[h.step];
            const auto limit = limitDbc({h.dbc, h.dbm}, steps[h.step].beforeIf - aWanted[h.step]);
            return level > *limit;
        };
        bool pass = held.empty() || !fails(held[lastFailing]);
        for (std::size_t i = 0; pass && i < held.size(); ++i)
            if (fails(held[i])) {
                pass = false;
                lastFailing = i;
            }
        if (pass) {
            out.order = n;
            return out;
        }
    }
    return out;
}

std::string neededOrderText(const NeededOrder& needed) {
    std::string text = needed.order ? "Order " + std::to_string(*needed.order) + " is enough"
                                    : "No order up to 15 is enough";
    if (needed.substitute) text += ", searched with a Butterworth band-pass between the markers";
    return text;
}

} // namespace kestrel
