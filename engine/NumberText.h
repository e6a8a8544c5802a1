#pragma once
// Every conversion between field texts and numbers, in one place. The decimal
// separator is always ".", whatever the locale.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

// True when the whole text, blanks around it aside, is a decimal number:
// optional sign, digits with an optional decimal point, optional exponent.
bool isNumeric(std::string_view text);

// Strict conversions: the text must be numeric. A value beyond the type's
// range is not a number of that type (no infinities come out of here).
std::optional<double> toDoubleStrict(std::string_view text);
std::optional<float> toSingleStrict(std::string_view text);

// Rounds to the nearest integer, halves to the even one; nullopt when the
// text is not numeric or the result does not fit 16 bits.
std::optional<std::int16_t> toInt16HalfEven(std::string_view text);

// The longest decimal number at the start of the text (leading blanks
// skipped); 0 when there is none. Trailing characters are ignored. A number
// too large for a double gives an infinity of its sign.
double leadingNumber(std::string_view text);

// A double rounded to single precision as IEEE arithmetic does it: beyond the
// largest single it gives an infinity of its sign (a plain cast would be
// undefined there).
// Inline: it sits in the solve's innermost loop.
inline float toSingle(double value) {
    constexpr double maxSingle = std::numeric_limits<float>::max();
    if (!(std::fabs(value) > maxSingle)) [[likely]] // NaN too
        return static_cast<float>(value);
    // Up to half a unit in the last place above the largest single still
    // rounds down to it; from there on the result is infinite.
    const double limit = maxSingle + 0x1p103;
    const float big = std::fabs(value) < limit ? std::numeric_limits<float>::max()
                                               : std::numeric_limits<float>::infinity();
    return value < 0 ? -big : big;
}

// General text of a single-precision value: up to 7 significant digits, no
// trailing zeros, exponent form from 1E+07 up ("1.234568E+07").
std::string shortText(float value);

// General text of a double: up to 15 significant digits, no trailing zeros.
std::string generalText(double value);

// shortText appended to `out`, without a string of its own: for writers of
// thousands of numbers.
void appendShortText(std::string& out, float value);

// "##0.00": the decimal value of the text rounded to two decimals, halves
// away from zero ("40.125" gives "40.13"); a negative value keeps its sign
// unless it rounds to zero ("-0.004" gives "0.00"). An empty text stays empty, and so does any text
// that is not a number. A number beyond the double range (and an infinity or
// NaN given as a double) gives an empty text: there is no value to show.
std::string formatFixed2(std::string_view decimalText);
std::string formatFixed2(double value);

} // namespace kestrel
