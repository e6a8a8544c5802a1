// The Touchstone reader behind readTouchstone (files/FilterData.h): a
// 2-port file of version 1 or 2, whose S21 gives a filter's loss.
#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/NumberText.h"
#include "files/FilterData.h"
#include "files/FilterDataParts.h"

namespace kestrel::filterdata {
namespace {

using detail::numberText;

enum class Format { RealImaginary, MagnitudeAngle, DecibelAngle };
enum class Matrix { Full, Lower, Upper };

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

std::optional<int> count(std::string_view text) {
    const auto value = toDoubleStrict(trimmed(text));
    if (!value || *value != std::floor(*value) || *value < 0 || *value > 1e9) return std::nullopt;
    return int(*value);
}

class TouchstoneReader {
public:
    TouchstoneReader(std::string_view fileName, double designHz) : fileName_(fileName), designHz_(designHz) {}

    FilterDataRead read(std::string_view text) {
        while (!text.empty() && points_.size() <= kMaxPoints && !ended_) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
            ++lineNumber_;
            line = trimmed(line.substr(0, line.find('!')));
            if (line.empty()) continue;
            if (const auto why = readLine(line)) return detail::refusedAt(lineNumber_, fileName_, *why);
        }
        if (!record_.empty() && points_.size() <= kMaxPoints)
            return detail::refusedAt(recordLine_, fileName_, "the record that starts here is incomplete: " + recordRule());
        FilterDataRead out = detail::finished(std::move(points_), fileName_);
        if (out.points && frequencies_ && std::size_t(*frequencies_) != out.points->size())
            return {std::nullopt, std::string(fileName_) + " names " + std::to_string(*frequencies_) +
                                      " frequencies in [Number of Frequencies] but holds " +
                                      std::to_string(out.points->size()) + "."};
        return out;
    }

private:
    // Each line returns what is wrong with it, if anything.
    std::optional<std::string> readLine(std::string_view line) {
        if (information_) {
            if (line.front() == '[' && upper(line).starts_with("[END INFORMATION]")) information_ = false;
            return std::nullopt;
        }
        if (line.front() == '[') return readKeyword(line);
        started_ = true;
        if (line.front() == '#') return readOptions(line.substr(1));
        if (noise_) return std::nullopt; // ignored
        const auto tokens = words(line);
        if (referencesLeft_ > 0) {
            referencesLeft_ -= int(std::min<std::size_t>(tokens.size(), std::size_t(referencesLeft_)));
            return std::nullopt;
        }
        if (version_ == 2 && !networkData_) return "numbers must follow [Network Data]";
        dataStarted_ = true;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const std::string_view token = tokens[i];
            const auto value = toDoubleStrict(token);
            if (!value) return '"' + std::string(token.substr(0, 24)) + "\" is not a number";
            if (record_.empty()) {
                // A record starts a line: more numbers after one ends mean another port count.
                if (i != 0) return recordRule();
                if (!points_.empty() && *value <= lastFrequency_) {
                    // In a version 1 file the noise parameters, five to a line, follow at a lower frequency.
                    if (version_ == 1 && *value < lastFrequency_ && tokens.size() == 5) {
                        noise_ = true;
                        return std::nullopt;
                    }
                    return "the frequency " + numberText(*value) + " does not rise above " +
                           numberText(lastFrequency_) + " before it";
                }
                recordLine_ = lineNumber_;
            }
            record_.push_back(*value);
            if (record_.size() == recordSize())
                if (auto why = finishRecord()) return why;
        }
        return std::nullopt;
    }

    std::optional<std::string> readKeyword(std::string_view line) {
        const std::size_t close = line.find(']');
        if (close == std::string_view::npos) return "a keyword lacks its closing \"]\"";
        const std::string key = upper(trimmed(line.substr(1, close - 1)));
        const std::string_view value = trimmed(line.substr(close + 1));
        if (key == "VERSION") {
            const auto v = toDoubleStrict(value);
            if (started_) return "[Version] must come first";
            if (!v || *v < 2 || *v >= 3) return "only Touchstone versions 1 and 2 can be read";
            version_ = 2;
            started_ = true;
            return std::nullopt;
        }
        started_ = true;
        if (version_ == 1) return "keywords need [Version] 2.0 at the start of the file";
        if (key == "END") {
            ended_ = true;
        } else if (noise_) {
            // the noise parameters are not used
        } else if (key == "NUMBER OF PORTS") {
            const auto n = count(value);
            if (!n) return "[Number of Ports] needs a number";
            if (*n != 2) return "the file has " + std::to_string(*n) + " ports; a filter's response needs a 2-port file";
            ports_ = *n;
        } else if (key == "TWO-PORT DATA ORDER") {
            const std::string order = upper(value);
            if (order != "12_21" && order != "21_12") return "[Two-Port Data Order] must be 12_21 or 21_12";
            s12First_ = order == "12_21";
        } else if (key == "NUMBER OF FREQUENCIES") {
            frequencies_ = count(value);
            if (!frequencies_ || *frequencies_ < 1) return "[Number of Frequencies] needs a number of 1 or more";
        } else if (key == "REFERENCE") {
            referencesLeft_ = std::max(0, 2 - int(words(value).size()));
        } else if (key == "MATRIX FORMAT") {
            const std::string format = upper(value);
            if (format == "FULL") matrix_ = Matrix::Full;
            else if (format == "LOWER") matrix_ = Matrix::Lower;
            else if (format == "UPPER") matrix_ = Matrix::Upper;
            else return "[Matrix Format] must be Full, Lower or Upper";
        } else if (key == "MIXED-MODE ORDER") {
            return "mixed-mode data hold no single S21";
        } else if (key == "NETWORK DATA") {
            if (ports_ != 2) return "[Number of Ports] must come before [Network Data]";
            networkData_ = true;
            referencesLeft_ = 0;
        } else if (key == "NOISE DATA") {
            if (!record_.empty()) return "the record before it is incomplete: " + recordRule();
            noise_ = true;
        } else if (key == "BEGIN INFORMATION") {
            information_ = true;
        }
        // [Number of Noise Frequencies] and keywords of later versions say nothing about S21.
        return std::nullopt;
    }

    std::optional<std::string> readOptions(std::string_view options) {
        if (optionsRead_) return std::nullopt; // only the first option line counts
        if (dataStarted_) return "the option line must come before the data";
        optionsRead_ = true;
        const auto tokens = words(options);
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const std::string word = upper(tokens[i]);
            if (word == "HZ") unitHz_ = 1;
            else if (word == "KHZ") unitHz_ = 1e3;
            else if (word == "MHZ") unitHz_ = 1e6;
            else if (word == "GHZ") unitHz_ = 1e9;
            else if (word == "RI") format_ = Format::RealImaginary;
            else if (word == "MA") format_ = Format::MagnitudeAngle;
            else if (word == "DB") format_ = Format::DecibelAngle;
            else if (word == "S") continue;
            else if (word == "Y" || word == "Z" || word == "H" || word == "G")
                return "the file holds " + word + "-parameters; the loss needs S-parameters (S21)";
            else if (word == "R") {
                if (i + 1 == tokens.size() || !toDoubleStrict(tokens[i + 1])) return "R needs the reference resistance";
                ++i;
            } else
                return '"' + std::string(tokens[i].substr(0, 24)) + "\" is not an option (units, S, RI/MA/DB or R)";
        }
        return std::nullopt;
    }

    std::size_t recordSize() const { return matrix_ == Matrix::Full ? 9 : 7; }

    std::string recordRule() const {
        return matrix_ == Matrix::Full
                   ? "a 2-port file's data come in records of 9 numbers, the frequency and S11, S21, S12, S22 as pairs"
                   : "a 2-port file's data in half a matrix come in records of 7 numbers, the frequency and three pairs";
    }

    std::optional<std::string> finishRecord() {
        const double raw = record_[0];
        // Half a matrix holds S21 (lower) or the equal S12 (upper) second.
        const std::size_t at = matrix_ == Matrix::Full && s12First_ ? 5 : 3;
        const double a = record_[at], b = record_[at + 1];
        record_.clear();
        const double frequency = raw * unitHz_ / designHz_;
        if (raw < 0) return "the frequency is negative";
        if (!std::isfinite(frequency)) return "the frequency is out of range";
        double loss = 0;
        if (format_ == Format::DecibelAngle) {
            loss = -a;
        } else {
            const double magnitude = format_ == Format::RealImaginary ? std::hypot(a, b) : std::fabs(a);
            if (magnitude == 0) return "S21 is zero, and no loss can be given for no transmission at all";
            loss = -20 * std::log10(magnitude);
        }
        if (!std::isfinite(loss)) return "S21 is out of range";
        lastFrequency_ = raw;
        points_.push_back({frequency, loss});
        return std::nullopt;
    }

    std::string_view fileName_;
    double designHz_;
    double unitHz_ = 1e9;
    Format format_ = Format::MagnitudeAngle;
    Matrix matrix_ = Matrix::Full;
    int version_ = 1;
    int ports_ = 0;
    bool s12First_ = false;
    std::optional<int> frequencies_;
    int referencesLeft_ = 0;
    bool started_ = false, optionsRead_ = false, dataStarted_ = false, networkData_ = false;
    bool noise_ = false, information_ = false, ended_ = false;
    int lineNumber_ = 0, recordLine_ = 0;
    std::vector<double> record_;
    double lastFrequency_ = 0;
    std::vector<FilterPoint> points_;
};

} // namespace

FilterDataRead readTouchstone(std::string_view text, std::string_view fileName, std::string_view designUnit) {
    const auto designHz = hertzPerUnit(designUnit);
    if (!designHz)
        return {std::nullopt, "The design's unit \"" + std::string(designUnit).substr(0, 24) +
                                  "\" is not GHz, MHz or KHz, so " + std::string(fileName) + " cannot be read."};
    return TouchstoneReader(fileName, *designHz).read(text);
}

} // namespace kestrel::filterdata
