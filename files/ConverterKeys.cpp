#include "files/ConverterKeys.h"

#include <charconv>
#include <cmath>

#include "engine/FieldCaptions.h"
#include "engine/LimitLine.h"
#include "files/DesignRecord.h"

namespace kestrel::designfile {
namespace {

// The most points one filter holds.
constexpr std::size_t kMaxPoints = 2001;

struct Block {
    std::string_view prefix;
    DesignFilter Design::*filter;
};
constexpr Block kBlocks[] = {{"RF", &Design::rfFilter}, {"LO", &Design::loFilter}, {"IF", &Design::ifFilter}};

std::string dataName(std::string_view prefix) { return std::string(prefix) + "FilterDataName"; }
std::string dataRecord(std::string_view prefix, std::size_t k) {
    return std::string(prefix) + "FilterData(" + std::to_string(k) + ")";
}
std::string limitName(std::size_t k) { return "gridLimits(" + std::to_string(k) + ")"; }

// The index of "stem(k)", or none.
std::optional<std::size_t> indexOf(std::string_view name, std::string_view stem) {
    if (!name.starts_with(stem) || name.size() < stem.size() + 3) return std::nullopt;
    if (name[stem.size()] != '(' || name.back() != ')') return std::nullopt;
    const std::string_view digits = name.substr(stem.size() + 1, name.size() - stem.size() - 2);
    if (digits.empty() || digits.size() > 5 || (digits.size() > 1 && digits[0] == '0')) return std::nullopt;
    std::size_t k = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), k);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return k;
}

std::string exactText(double v) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, v);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

std::optional<double> exactNumber(std::string_view text) {
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::vector<std::string_view> split(std::string_view text, char by) {
    std::vector<std::string_view> out;
    for (std::size_t start = 0;;) {
        const std::size_t at = text.find(by, start);
        out.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return out;
        start = at + 1;
    }
}

std::optional<std::vector<FilterPoint>> parsePoints(std::string_view text) {
    std::vector<FilterPoint> out;
    for (std::string_view pair : split(text, ';')) {
        const auto fields = split(pair, ',');
        if (fields.size() != 2) return std::nullopt;
        const auto f = exactNumber(fields[0]);
        const auto loss = exactNumber(fields[1]);
        if (!f || !loss) return std::nullopt;
        out.push_back({*f, *loss});
    }
    return out;
}

std::string limitText(const LimitRow& row) { return row.from + ',' + row.to + ',' + row.limit + ',' + row.unit; }

std::optional<LimitRow> parseLimitText(std::string_view text) {
    const auto fields = split(text, ',');
    if (fields.size() != 4) return std::nullopt;
    LimitRow row{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]), std::string(fields[3])};
    if (!parseLimitRow(row)) return std::nullopt;
    return row;
}

bool rising(const std::vector<FilterPoint>& points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        if (!(points[i].frequency > points[i - 1].frequency)) return false;
    return true;
}

std::optional<std::string> setPoints(DesignFilter& filter, std::string_view prefix, std::size_t k,
                                     std::string_view value, const std::string& caption) {
    const auto added = parsePoints(value);
    if (!added) return "the value of " + caption + " must be frequency,loss pairs separated by \";\"";
    // The records as a save would write them, so that record k is the one a
    // file holds.
    std::vector<std::vector<FilterPoint>> records;
    for (const std::string& text : pointRecords(filter.points, prefix)) records.push_back(*parsePoints(text));
    if (k > records.size()) return caption + " cannot be set before the records ahead of it";
    if (k == records.size()) records.push_back(*added);
    else records[k] = *added;
    std::vector<FilterPoint> points;
    for (const auto& r : records) points.insert(points.end(), r.begin(), r.end());
    if (points.size() > kMaxPoints) return caption + " would hold more than 2001 points";
    if (!rising(points)) return "the frequencies of " + caption + " must rise";
    filter.points = std::move(points);
    return std::nullopt;
}

std::optional<std::string> appendPoints(DesignFilter& filter, std::string_view value, const std::string& caption) {
    const auto added = parsePoints(value);
    if (!added) return "the value of " + caption + " must be frequency,loss pairs separated by \";\"";
    if (filter.points.size() + added->size() > kMaxPoints) return caption + " would hold more than 2001 points";
    const std::size_t first = filter.points.size();
    filter.points.insert(filter.points.end(), added->begin(), added->end());
    for (std::size_t i = std::max<std::size_t>(first, 1); i < filter.points.size(); ++i)
        if (!(filter.points[i].frequency > filter.points[i - 1].frequency))
            return "the frequencies of " + caption + " must rise";
    return std::nullopt;
}

std::optional<std::string> setLimit(Design& design, std::size_t k, std::string_view value,
                                    const std::string& caption) {
    if (k > design.limits.size()) return caption + " cannot be set before the rows ahead of it";
    if (value.empty()) {
        if (k == design.limits.size()) return "the value of " + caption + " must be from,to,limit,unit";
        design.limits.erase(design.limits.begin() + std::ptrdiff_t(k));
        return std::nullopt;
    }
    const auto row = parseLimitText(value);
    if (!row)
        return "the value of " + caption +
               " must be from,to,limit,unit: from and to numbers or empty, the limit a number, the unit dBc or dBm";
    if (k == design.limits.size()) {
        if (k >= kMaxLimitRows) return caption + ": a limit line holds at most 100 rows";
        design.limits.push_back(*row);
    } else {
        design.limits[k] = *row;
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> pointRecords(const std::vector<FilterPoint>& points, std::string_view prefix) {
    std::vector<std::string> out;
    std::string current;
    for (const FilterPoint& p : points) {
        const std::string pair = exactText(p.frequency) + ',' + exactText(p.loss);
        const std::size_t room = kMaxTextLength - dataRecord(prefix, out.size()).size() - 1;
        if (!current.empty() && current.size() + 1 + pair.size() > room) {
            out.push_back(std::move(current));
            current.clear();
        }
        current += (current.empty() ? "" : ";") + pair;
    }
    if (!current.empty()) out.push_back(std::move(current));
    return out;
}

std::vector<NamedValue> converterValues(const Design& design) {
    std::vector<NamedValue> out;
    const Design startUp;
    for (const Block& b : kBlocks) {
        const DesignFilter& filter = design.*b.filter;
        if (filter.dataName != (startUp.*b.filter).dataName) out.push_back({dataName(b.prefix), filter.dataName});
        const auto records = pointRecords(filter.points, b.prefix);
        for (std::size_t k = 0; k < records.size(); ++k) out.push_back({dataRecord(b.prefix, k), records[k]});
    }
    if (design.limits != startUp.limits) {
        for (std::size_t k = 0; k < design.limits.size(); ++k)
            out.push_back({limitName(k), limitText(design.limits[k])});
        if (design.limits.empty()) out.push_back({limitName(0), ""});
    }
    return out;
}

std::vector<NamedValue> converterKeys(const Design& design) {
    std::vector<NamedValue> out;
    for (const Block& b : kBlocks) {
        out.push_back({dataName(b.prefix), (design.*b.filter).dataName});
        const auto records = pointRecords((design.*b.filter).points, b.prefix);
        for (std::size_t k = 0; k < records.size(); ++k) out.push_back({dataRecord(b.prefix, k), records[k]});
    }
    for (std::size_t k = 0; k < design.limits.size(); ++k) out.push_back({limitName(k), limitText(design.limits[k])});
    return out;
}

bool isConverterName(std::string_view name) {
    for (const Block& b : kBlocks)
        if (name == dataName(b.prefix) || indexOf(name, std::string(b.prefix) + "FilterData")) return true;
    return indexOf(name, "gridLimits").has_value();
}

std::optional<std::string> setConverterValue(Design& design, std::string_view name, std::string_view value) {
    const std::string caption = fieldCaption(name);
    for (const Block& b : kBlocks) {
        DesignFilter& filter = design.*b.filter;
        if (name == dataName(b.prefix)) {
            if (value.size() > 100) return "the value of " + caption + " must be at most 100 characters long";
            filter.dataName = std::string(value);
            return std::nullopt;
        }
        if (const auto k = indexOf(name, std::string(b.prefix) + "FilterData"))
            return setPoints(filter, b.prefix, *k, value, caption);
    }
    if (const auto k = indexOf(name, "gridLimits")) return setLimit(design, *k, value, caption);
    return "there is no design value named \"" + std::string(name) + "\"";
}

std::optional<std::string> loadConverterValue(Design& design, std::string_view name, std::string_view value,
                                              ConverterLoad& load) {
    for (std::size_t i = 0; i < std::size(kBlocks); ++i) {
        const Block& b = kBlocks[i];
        const auto k = indexOf(name, std::string(b.prefix) + "FilterData");
        if (!k) continue;
        // Re-cutting the records at each one would cost the square of their count.
        if (*k != load.next[i]) return fieldCaption(name) + " is stored out of order";
        ++load.next[i];
        return appendPoints(design.*b.filter, value, fieldCaption(name));
    }
    return setConverterValue(design, name, value);
}

} // namespace kestrel::designfile
