#include "engine/NumberText.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace kestrel {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Length of the longest decimal number at the start of s, 0 when none.
std::size_t scanNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) ++i, ++expDigits;
        if (expDigits > 0) end = i;
    }
    return end;
}

// strtod and friends follow LC_NUMERIC, which the GUI sets from the user's
// environment; parse with a fixed C locale instead.
locale_t cLocale() {
    static const locale_t loc = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return loc;
}

double parseDouble(std::string_view number) {
    const std::string s(number);
    return strtod_l(s.c_str(), nullptr, cLocale());
}

float parseFloat(std::string_view number) {
    const std::string s(number);
    return strtof_l(s.c_str(), nullptr, cLocale());
}

// The exponent after the "e", held within a bound far beyond any double's,
// so that no text can overflow it.
long long exponentOf(std::string_view s) {
    constexpr long long bound = 1'000'000'000'000LL;
    const bool negative = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
    long long e = 0;
    for (char c : s) e = std::min(bound, e * 10 + (c - '0'));
    return negative ? -e : e;
}

void appendGeneral(std::string& out, double value, int precision) {
    if (std::isnan(value)) {
        out += "NaN";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-Inf" : "Inf";
        return;
    }
    if (value == 0) {
        out += '0'; // no "-0"
        return;
    }
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision);
    for (char* c = buf; c != res.ptr; ++c)
        if (*c == 'e') *c = 'E';
    out.append(buf, res.ptr);
}

std::string generalWithPrecision(double value, int precision) {
    std::string out;
    appendGeneral(out, value, precision);
    return out;
}

} // namespace

bool isNumeric(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    return !t.empty() && scanNumber(t) == t.size();
}

std::optional<double> toDoubleStrict(std::string_view text) {
    if (!isNumeric(text)) return std::nullopt;
    const double v = parseDouble(trimBlanks(text));
    if (std::isinf(v)) return std::nullopt;
    return v;
}

std::optional<float> toSingleStrict(std::string_view text) {
    if (!isNumeric(text)) return std::nullopt;
    // Rounded straight from the decimal text, not through a double.
    const float v = parseFloat(trimBlanks(text));
    if (std::isinf(v)) return std::nullopt;
    return v;
}

std::optional<std::int16_t> toInt16HalfEven(std::string_view text) {
    const auto v = toDoubleStrict(text);
    if (!v) return std::nullopt;
    const double r = std::nearbyint(*v); // default rounding mode: halves to even
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

double leadingNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    const std::size_t len = scanNumber(text);
    return len == 0 ? 0.0 : parseDouble(text.substr(0, len));
}

std::string shortText(float value) { return generalWithPrecision(value, 7); }

void appendShortText(std::string& out, float value) { appendGeneral(out, value, 7); }

std::string generalText(double value) { return generalWithPrecision(value, 15); }

std::string formatFixed2(std::string_view decimalText) {
    const std::string_view t = trimBlanks(decimalText);
    if (t.empty() || scanNumber(t) != t.size()) return std::string(decimalText);
    // Beyond the double range there is no value to show: an empty text tells
    // the caller so, where a made-up number would not.
    if (std::isinf(parseDouble(t))) return {};

    // Split into sign, mantissa digits and the position of the decimal point.
    std::size_t i = 0;
    const bool negative = t[i] == '-';
    if (t[i] == '+' || t[i] == '-') ++i;
    std::string digits;
    long long point = -1;
    for (; i < t.size() && (isDigit(t[i]) || t[i] == '.'); ++i) {
        if (t[i] == '.')
            point = static_cast<long long>(digits.size());
        else
            digits += t[i];
    }
    if (point < 0) point = static_cast<long long>(digits.size());
    // Leading zeros say nothing; without them the point's place bounds the
    // magnitude.
    const std::size_t zeros = std::min(digits.find_first_not_of('0'), digits.size());
    digits.erase(0, zeros);
    point -= static_cast<long long>(zeros);
    if (i < t.size()) point += exponentOf(t.substr(i + 1));
    // A value that fits a double has at most 309 integer digits, and one whose
    // first digit lies beyond the third decimal rounds to zero.
    const long places = digits.empty() ? 0L : static_cast<long>(std::clamp(point, -5LL, 400LL));

    // Integer part and exactly three decimals (the third decides the rounding).
    std::string intPart, frac;
    for (long k = 0; k < places; ++k)
        intPart += k < static_cast<long>(digits.size()) ? digits[k] : '0';
    for (long k = places; k < places + 3; ++k)
        frac += (k >= 0 && k < static_cast<long>(digits.size())) ? digits[k] : '0';

    std::string fixed = intPart + frac.substr(0, 2); // the value times 100
    if (frac[2] >= '5') { // halves away from zero: round the magnitude up
        int pos = static_cast<int>(fixed.size()) - 1;
        while (pos >= 0 && fixed[pos] == '9') fixed[pos--] = '0';
        if (pos >= 0)
            ++fixed[pos];
        else
            fixed.insert(fixed.begin(), '1');
    }
    fixed.insert(0, std::string(fixed.size() < 3 ? 3 - fixed.size() : 0, '0'));
    std::size_t lead = 0; // drop leading zeros, keeping one before the point
    while (lead + 3 < fixed.size() && fixed[lead] == '0') ++lead;
    fixed.erase(0, lead);

    // A value that rounds to zero has no sign: never "-0.00".
    const bool zero = fixed.find_first_not_of('0') == std::string::npos;
    std::string out = negative && !zero ? "-" : "";
    out += fixed.substr(0, fixed.size() - 2);
    out += '.';
    out += fixed.substr(fixed.size() - 2);
    return out;
}

std::string formatFixed2(double value) {
    if (!std::isfinite(value)) return {};
    std::string fixed = formatFixed2(generalText(value));
    if (fixed.empty()) {
        // Next to the largest double the 15-digit text rounds out of range;
        // the shortest exact text still fits.
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, value);
        fixed = formatFixed2(std::string_view(buf, std::size_t(res.ptr - buf)));
    }
    return fixed;
}

} // namespace kestrel
