#include "files/DesignRecord.h"

#include <bit>
#include <cmath>

namespace kestrel::designfile {

// Explicit byte order: the file is little-endian on every machine.
float readSingle(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | bytes[at + i];
    return std::bit_cast<float>(bits);
}

namespace {

void writeSingle(std::vector<std::uint8_t>& out, std::size_t at, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// A text's bytes, or nullopt when its length or its bytes do not fit.
std::optional<std::string> readText(std::span<const std::uint8_t> bytes, std::size_t at,
                                    RecordError& error) {
    TextRead read = readTextRecord(bytes, at);
    if (!read.text) error = read.tooLong ? RecordError::TextTooLong : RecordError::TooShort;
    return std::move(read.text);
}

} // namespace

TextRead readTextRecord(std::span<const std::uint8_t> bytes, std::size_t at) {
    TextRead out;
    if (at + 2 > bytes.size()) return out;
    const std::size_t length = bytes[at] | (std::size_t{bytes[at + 1]} << 8);
    if (length > kMaxTextLength) {
        out.tooLong = true;
        return out;
    }
    if (at + 2 + length > bytes.size()) return out;
    out.text = std::string(bytes.begin() + at + 2, bytes.begin() + at + 2 + length);
    return out;
}

void writeTextRecord(std::vector<std::uint8_t>& out, std::size_t at, const std::string& text) {
    out[at] = static_cast<std::uint8_t>(text.size() & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>(text.size() >> 8);
    for (std::size_t i = 0; i < text.size(); ++i) out[at + 2 + i] = static_cast<std::uint8_t>(text[i]);
}

const char* describe(RecordError error) {
    switch (error) {
    case RecordError::TooShort: return "the file ends before its records do";
    case RecordError::TextTooLong: return "a text is longer than 123 characters";
    case RecordError::BadCheckState: return "a check-box state is neither 0 nor 1";
    case RecordError::NotFinite: return "a number is infinite or not a number";
    case RecordError::BadUnit: return "the frequency unit is not GHz, MHz or KHz";
    }
    return "the file is not a design";
}

std::optional<bool> checkState(float stored) {
    const float r = std::nearbyint(stored); // default rounding: halves to even
    if (r == 0) return false;
    if (r == 1) return true;
    return std::nullopt; // NaN lands here too
}

std::optional<RecordError> validate(const DesignRecord& record) {
    if (!checkState(record.offsetState) || !checkState(record.projectState))
        return RecordError::BadCheckState;
    for (float v : record.values)
        if (!std::isfinite(v)) return RecordError::NotFinite;
    if (record.project.size() > kMaxTextLength) return RecordError::TextTooLong;
    if (record.unit != "GHz" && record.unit != "MHz" && record.unit != "KHz")
        return RecordError::BadUnit;
    return std::nullopt;
}

ReadResult readRecords(std::span<const std::uint8_t> bytes) {
    ReadResult result;
    // Every fixed-place value lies before record 14's text.
    if (bytes.size() < recordOffset(kUnitRecord) + 2) return result;

    DesignRecord r;
    r.offsetState = readSingle(bytes, recordOffset(kOffsetStateRecord));
    for (int i = 0; i < kValueCount; ++i)
        r.values[i] = readSingle(bytes, recordOffset(kFirstValueRecord + i));
    auto project = readText(bytes, recordOffset(kProjectRecord), result.error);
    if (!project) return result;
    r.project = std::move(*project);
    r.projectState = readSingle(bytes, recordOffset(kProjectStateRecord));
    auto unit = readText(bytes, recordOffset(kUnitRecord), result.error);
    if (!unit) return result;
    r.unit = std::move(*unit);

    if (const auto error = validate(r)) {
        result.error = *error;
        return result;
    }
    result.record = std::move(r);
    return result;
}

std::optional<std::vector<std::uint8_t>> writeRecords(const DesignRecord& record) {
    if (validate(record)) return std::nullopt;
    std::vector<std::uint8_t> out(recordOffset(kUnitRecord) + 2 + record.unit.size(), 0);
    writeSingle(out, recordOffset(kOffsetStateRecord), record.offsetState);
    for (int i = 0; i < kValueCount; ++i)
        writeSingle(out, recordOffset(kFirstValueRecord + i), record.values[i]);
    writeTextRecord(out, recordOffset(kProjectRecord), record.project);
    writeSingle(out, recordOffset(kProjectStateRecord), record.projectState);
    writeTextRecord(out, recordOffset(kUnitRecord), record.unit);
    return out;
}

} // namespace kestrel::designfile
