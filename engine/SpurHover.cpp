#include "engine/SpurHover.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/NumberText.h"
#include "engine/SpurProducts.h"
#include "engine/WantedProduct.h"

namespace kestrel::hover {
namespace {

// "<m>x<n>" with one or two digits each.
std::optional<std::pair<int, int>> parseOrders(std::string_view s) {
    const auto x = s.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    int m = 0, n = 0;
    const auto readInt = [](std::string_view part, int& value) {
        if (part.empty() || part.size() > 2) return false;
        const auto res = std::from_chars(part.data(), part.data() + part.size(), value);
        return res.ec == std::errc{} && res.ptr == part.data() + part.size();
    };
    if (!readInt(s.substr(0, x), m) || !readInt(s.substr(x + 1), n)) return std::nullopt;
    return std::pair{m, n};
}

// Level in dBc from a line top (360 is 0 dBc, 36 twips per dB), to 0.01 dB.
std::string levelText(double top) {
    const double level = std::round((360.0 - top) / 36.0 * 100.0) / 100.0;
    return generalText(level);
}

} // namespace

std::optional<LineId> parseLineName(std::string_view name) {
    if (name == "Mrkr1" || name == "Mrkr2") return LineId{LineKind::Marker, 0, 0, name[4] - '0'};
    LineKind kind = LineKind::Difference;
    std::string_view rest;
    if (name.starts_with("Spurs")) {
        kind = LineKind::Sum;
        rest = name.substr(5);
    } else if (name.starts_with("Spur") || name.starts_with("spur")) {
        rest = name.substr(4);
    } else {
        return std::nullopt;
    }
    const auto orders = parseOrders(rest);
    if (!orders) return std::nullopt;
    return LineId{kind, orders->first, orders->second, 0};
}

std::vector<std::size_t> hitLines(double xTwips, const std::vector<PlacedLine>& lines) {
    struct Hit {
        std::size_t index;
        bool marker;
        double top;
        double distance;
    };
    std::vector<Hit> found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PlacedLine& line = lines[i];
        const double distance = std::fabs(line.x - xTwips);
        if (!line.visible || !(distance <= kReachTwips)) continue;
        const auto id = parseLineName(line.name);
        if (!id) continue;
        found.push_back({i, id->kind == LineKind::Marker, line.top, distance});
    }
    std::stable_sort(found.begin(), found.end(), [](const Hit& a, const Hit& b) {
        if (a.marker != b.marker) return !a.marker;
        if (!a.marker && a.top != b.top) return a.top < b.top;
        return a.distance < b.distance;
    });
    std::vector<std::size_t> order;
    for (const Hit& h : found) order.push_back(h.index);
    return order;
}

std::string tooltipText(const std::vector<PlacedLine>& lines, const std::vector<std::size_t>& hits,
                        const HoverContext& context) {
    const bool stepShown = context.matrix != nullptr && context.shownStep >= 0 &&
                           context.shownStep <= kMaxStepIndex;
    const auto withUnit = [&](float f) { return shortText(f) + " " + context.unit; };
    std::string text;
    for (std::size_t index : hits) {
        const PlacedLine& line = lines.at(index);
        const auto id = parseLineName(line.name);
        if (!id) continue;
        if (!text.empty()) text += '\n';
        if (id->kind == LineKind::Marker) {
            const float f = id->marker == 1 ? context.marker1 : context.marker2;
            text += "Marker " + std::to_string(id->marker) + ": " + withUnit(line.frequency.value_or(f));
            continue;
        }
        const ProductFamily family =
            id->kind == LineKind::Sum ? ProductFamily::Sum : ProductFamily::Difference;
        text += line.label.empty() ? productName(id->m, id->n, family) : line.label;
        text += ": ";
        if (line.frequency)
            text += withUnit(*line.frequency) + ", ";
        else if (stepShown && id->m <= kMaxOrder && id->n <= kMaxOrder)
            text += withUnit(productFrequency(*context.matrix, context.shownStep, id->m, id->n,
                                              family)) + ", ";
        const ProductRole role = productRole(id->m, id->n, family, context.wanted);
        if (const SpurTableRow* row = context.converterRow ? context.converterRow(id->m, id->n, family) : nullptr;
            row && role != ProductRole::Wanted) {
            if (role == ProductRole::Image) text += "image, ";
            text += row->level ? generalText(std::round(*row->level * 100) / 100) + " dBc" : std::string("no level");
            if (row->margin && *row->margin < 0)
                text += ", over the limit by " + generalText(std::round(-*row->margin * 100) / 100) + " dB";
            else if (row->limit && !row->level)
                text += ", fails the limit line";
        } else if (role == ProductRole::Wanted)
            text += "wanted output";
        else if (role == ProductRole::Image)
            text += "image, " + generalText(*productLevel(context.levels, 1, 1)) + " dBc";
        else if (context.levels && !context.levels->at(id->m, id->n))
            text += "no level";
        else
            text += levelText(line.top) + " dBc";
    }
    return text;
}

} // namespace kestrel::hover
