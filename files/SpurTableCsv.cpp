#include "files/SpurTableCsv.h"

#include <array>

#include "engine/DesignConstants.h"
#include "engine/NumberText.h"

namespace kestrel::csv {
namespace {

void appendField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

const char* yesNo(bool b) { return b ? "yes" : "no"; }

// The number text of a value that repeats over many rows, formatted once.
class CachedText {
public:
    template <class T> const std::string& of(T value, std::string (*format)(T)) {
        if (!valid_ || value != key_) {
            key_ = value;
            text_ = format(value);
            valid_ = true;
        }
        return text_;
    }

private:
    bool valid_ = false;
    double key_ = 0;
    std::string text_;
};

std::string levelText(double level) { return shortText(toSingle(level)); }

} // namespace

std::string record(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        appendField(line, fields[i]);
    }
    return line + "\r\n";
}

std::string spurTable(const std::vector<SpurTableRow>& rows, std::string_view freqUnit) {
    const std::string unit = " (" + std::string(freqUnit) + ")";
    std::string out = record({"step", "RF frequency" + unit, "LO frequency" + unit, "m", "n",
                              "family", "product", "frequency" + unit, "in band",
                              "between markers", "level (dBc)", "role", "A_RF (dB)", "A_LO (dB)", "A_IF (dB)",
                              "mixer level (dBc)", "level (dBm)", "limit (dBc)", "margin (dB)",
                              "outside filter data"});
    out.reserve(out.size() + rows.size() * 64);
    // Step texts repeat for every pair, level texts for every step.
    CachedText rfText, loText, aRfText, aLoText;
    std::array<CachedText, kOrderCount * kOrderCount> levelTexts, mixerTexts;
    const auto optional = [](std::string& out, const std::optional<double>& v) {
        out += ',';
        if (v) out += levelText(*v);
    };
    for (const SpurTableRow& r : rows) {
        const bool sum = r.family == ProductFamily::Sum;
        out += std::to_string(r.step);
        out += ',';
        out += rfText.of(r.rf, &shortText);
        out += ',';
        out += loText.of(r.lo, &shortText);
        out += ',';
        out += std::to_string(r.m);
        out += ',';
        out += std::to_string(r.n);
        out += sum ? ",sum," : ",difference,";
        appendField(out, productName(r.m, r.n, r.family));
        out += ',';
        out += shortText(r.frequency);
        out += ',';
        out += yesNo(r.inBand);
        out += ',';
        if (r.betweenMarkers) out += yesNo(*r.betweenMarkers);
        out += ',';
        const bool cached = r.m >= 0 && r.m < kOrderCount && r.n >= 0 && r.n < kOrderCount;
        if (r.level)
            out += cached ? levelTexts[r.m * kOrderCount + r.n].of(*r.level, &levelText)
                          : levelText(*r.level);
        out += ',';
        appendField(out, roleText(r.role, r.m, r.n, r.family));
        out += ',';
        out += aRfText.of(r.aRf, &levelText);
        out += ',';
        out += aLoText.of(r.aLo, &levelText);
        out += ',';
        out += levelText(r.aIf);
        out += ',';
        if (r.mixerLevel)
            out += cached ? mixerTexts[r.m * kOrderCount + r.n].of(*r.mixerLevel, &levelText)
                          : levelText(*r.mixerLevel);
        optional(out, r.levelDbm);
        optional(out, r.limit);
        optional(out, r.margin);
        out += ',';
        out += yesNo(r.outsideFilterData);
        out += "\r\n";
    }
    return out;
}

} // namespace kestrel::csv
