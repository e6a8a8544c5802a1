#include "engine/LimitLine.h"

#include <algorithm>
#include <cstdio>

#include "engine/FieldCaptions.h"
#include "engine/NumberText.h"
#include "engine/WantedProduct.h"

namespace kestrel {
namespace {

// Whether a is the worse of two held rows: without a level first, then the
// smaller margin; the earlier row stays on a tie.
bool worse(const SpurTableRow& a, const SpurTableRow& b) {
    if (a.margin.has_value() != b.margin.has_value()) return !a.margin;
    return a.margin && *a.margin < *b.margin;
}

std::string oneDecimal(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", v + 0.0);
    const std::string s = text;
    return s == "-0.0" ? "0.0" : s;
}

} // namespace

std::optional<LimitBand> parseLimitRow(const LimitRow& row) {
    LimitBand band;
    const auto edge = [](const std::string& text, std::optional<double>& out) {
        if (text.empty()) return true;
        out = toDoubleStrict(text);
        return out.has_value();
    };
    if (!edge(row.from, band.from) || !edge(row.to, band.to)) return std::nullopt;
    const auto limit = toDoubleStrict(row.limit);
    if (!limit) return std::nullopt;
    band.limit = *limit;
    if (row.unit == "dBc") band.unit = LimitUnit::Dbc;
    else if (row.unit == "dBm") band.unit = LimitUnit::Dbm;
    else return std::nullopt;
    return band;
}

std::optional<std::vector<LimitBand>> limitLineFromDesign(const Design& design, std::string& why) {
    std::vector<LimitBand> line;
    for (std::size_t k = 0; k < design.limits.size(); ++k) {
        const auto band = parseLimitRow(design.limits[k]);
        if (!band) {
            why = fieldCaption("gridLimits(" + std::to_string(k) + ")") +
                  " must hold From and To (numbers or empty), a limit and dBc or dBm";
            return std::nullopt;
        }
        line.push_back(*band);
    }
    return line;
}

RowLimits limitsAt(double f, const std::vector<LimitBand>& line, float bandStart, float bandStop) {
    RowLimits out;
    for (const LimitBand& b : line) {
        double from = b.from.value_or(bandStart);
        double to = b.to.value_or(bandStop);
        if (from > to) std::swap(from, to);
        if (!(f >= from && f <= to)) continue;
        std::optional<double>& slot = b.unit == LimitUnit::Dbc ? out.dbc : out.dbm;
        if (!slot || b.limit < *slot) slot = b.limit;
    }
    return out;
}

std::optional<double> limitDbc(const RowLimits& limits, double wantedDbm) {
    std::optional<double> out = limits.dbc;
    if (limits.dbm) {
        const double converted = *limits.dbm - wantedDbm;
        if (!out || converted < *out) out = converted;
    }
    return out;
}

bool heldAgainstLimits(const SpurTableRow& row) {
    return row.inBand && row.role != ProductRole::Wanted && !(row.m == 0 && row.n == 0);
}

void applyLimitLine(std::vector<SpurTableRow>& rows, const std::vector<ConverterStep>& steps,
                    const std::vector<LimitBand>& line, float bandStart, float bandStop) {
    std::size_t s = 0;
    for (SpurTableRow& r : rows) {
        while (s + 1 < steps.size() && steps[s].step != r.step) ++s;
        r.limit.reset();
        r.margin.reset();
        if (!heldAgainstLimits(r) || s >= steps.size()) continue;
        r.limit = limitDbc(limitsAt(r.frequency, line, bandStart, bandStop), steps[s].wantedDbm);
        if (r.limit && r.level) r.margin = *r.limit - *r.level;
    }
}

bool failsLimit(const SpurTableRow& row) { return row.limit && (!row.margin || *row.margin < 0); }

LimitVerdict limitVerdict(const std::vector<SpurTableRow>& rows) {
    LimitVerdict v;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SpurTableRow& r = rows[i];
        if (v.steps.empty() || v.steps.back().step != r.step) v.steps.push_back({r.step, std::nullopt});
        if (!r.limit) continue;
        if (failsLimit(r)) v.pass = false;
        std::optional<std::size_t>& stepWorst = v.steps.back().worst;
        if (!stepWorst || worse(r, rows[*stepWorst])) stepWorst = i;
        if (!v.worst || worse(r, rows[*v.worst])) v.worst = i;
    }
    if (v.worst) v.worstMargin = rows[*v.worst].margin;
    return v;
}

std::string verdictText(const LimitVerdict& v, const std::vector<SpurTableRow>& rows) {
    if (!v.worst) return "PASS, no product is held against the limit line";
    const SpurTableRow& r = rows[*v.worst];
    const std::string where = productName(r.m, r.n, r.family) + " at step " + std::to_string(r.step);
    if (!r.margin) return "FAIL: " + where + " has no level";
    if (v.pass) return "PASS, margin " + oneDecimal(*r.margin) + " dB";
    return "FAIL by " + oneDecimal(-*r.margin) + " dB: " + where;
}

} // namespace kestrel
