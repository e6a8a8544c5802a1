#pragma once
// The design file: 14 fixed records of 125 bytes, numbers as little-endian
// IEEE singles, texts as a 2-byte little-endian length and 8-bit characters.
// Pure bytes in, a design record out, and back; no file system here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrel::designfile {

inline constexpr std::size_t kRecordLength = 125;
inline constexpr int kRecordCount = 14;
// A text must fit its record together with its length.
inline constexpr std::size_t kMaxTextLength = kRecordLength - 2;
// 13 full records and a unit text of three letters.
inline constexpr std::size_t kMinFileSize = 13 * kRecordLength + 2 + 3;
// Record 14 padded to its full length; nothing beyond it is ever read.
inline constexpr std::size_t kFullFileSize = kRecordCount * kRecordLength;
// Records 2 to 11 hold these many numbers.
inline constexpr int kValueCount = 10;
// The records that are not among the ten numbers.
inline constexpr int kOffsetStateRecord = 1;
inline constexpr int kFirstValueRecord = 2;
inline constexpr int kProjectRecord = 12;
inline constexpr int kProjectStateRecord = 13;
inline constexpr int kUnitRecord = 14;

// Byte offset of record n, numbered from 1.
constexpr std::size_t recordOffset(int record) {
    return static_cast<std::size_t>(record - 1) * kRecordLength;
}

struct DesignRecord {
    float offsetState = 0;               // record 1: tracking-LO box, 0 or 1
    std::array<float, kValueCount> values{}; // records 2 to 11, in record order
    std::string project;                 // record 12: Latin-1, one byte a character
    float projectState = 0;              // record 13: project box, 0 or 1
    std::string unit;                    // record 14: "GHz", "MHz" or "KHz"

    bool operator==(const DesignRecord&) const = default;
};

// Why bytes are not a design (or a design cannot be written).
enum class RecordError {
    TooShort,       // the file ends before its records do
    TextTooLong,    // a text length over 123
    BadCheckState,  // a check-box value that does not round to 0 or 1
    NotFinite,      // a number that is infinite or not a number
    BadUnit,        // a unit other than "GHz", "MHz", "KHz"
};

// A text record at byte `at`: a 2-byte little-endian length, then one byte a
// character. No text when the length is over 123 (`tooLong`) or the bytes
// end before the text does.
struct TextRead {
    std::optional<std::string> text;
    bool tooLong = false;
};
TextRead readTextRecord(std::span<const std::uint8_t> bytes, std::size_t at);
// The little-endian single at byte `at`, which must lie within `bytes`.
float readSingle(std::span<const std::uint8_t> bytes, std::size_t at);
// Writes one into `out`, which must have room for it.
void writeTextRecord(std::vector<std::uint8_t>& out, std::size_t at, const std::string& text);

// A short English phrase for the message boxes ("a text is longer than ...").
const char* describe(RecordError error);

// The check-box state a stored value stands for: the value rounded to the
// nearest integer, halves to even; nullopt unless that is 0 or 1.
std::optional<bool> checkState(float stored);

// Whether a record can be written and read back as it is.
std::optional<RecordError> validate(const DesignRecord& record);

struct ReadResult {
    std::optional<DesignRecord> record;
    RecordError error = RecordError::TooShort; // meaningful without a record
};

// Reads records 1 to 14 from the start of a file's bytes; whatever follows
// record 14's text is ignored. A file that is not a valid design gives no
// record at all.
ReadResult readRecords(std::span<const std::uint8_t> bytes);

// The whole file image of a valid record: 13 full records (the rest of each
// record zero) and record 14 without padding. nullopt for an invalid record.
std::optional<std::vector<std::uint8_t>> writeRecords(const DesignRecord& record);

} // namespace kestrel::designfile
