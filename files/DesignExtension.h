#pragma once
// The records after the 14 of a design: a signature record ("KESTREL-EXT 1 9")
// and as many "name=value" text records as it counts, each in a record of
// 125 bytes like the others. A reader that knows only the 14 records reads
// an extended file unchanged. Pure bytes; which names mean what is the
// window's business.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrel::designfile {

struct NamedValue {
    std::string name;
    std::string value; // Latin-1, one byte a character
    bool operator==(const NamedValue&) const = default;
};

inline constexpr std::string_view kExtensionSignature = "KESTREL-EXT";
inline constexpr int kExtensionVersion = 1;
// Far more than any design needs; a count beyond it is a broken file.
inline constexpr int kMaxExtensionRecords = 4096;
// Enough bytes to read the largest file a reader accepts.
inline constexpr std::size_t kMaxDesignFileSize =
    (14 + 1 + std::size_t{kMaxExtensionRecords}) * 125;

enum class ExtensionError {
    BadSignature, // the signature record does not say a version and a count
    TooShort,     // the file ends before the counted records do
    TextTooLong,  // a record's length over 123
    NoEquals,     // a record that is not "name=value"
};

const char* describe(ExtensionError error);

struct ExtensionRead {
    // nullopt with `error` set: the file is broken. An empty list: no
    // extension (nothing after record 14 starts with the signature).
    std::optional<std::vector<NamedValue>> values;
    ExtensionError error = ExtensionError::BadSignature;
};

// Reads the extension of a whole file's bytes. Bytes after the last counted
// record are ignored.
ExtensionRead readExtension(std::span<const std::uint8_t> bytes);

// Whether a value can be stored: "name=value" must fit one record, the name
// must be non-empty and hold no "=", and both must be Latin-1 bytes.
bool fitsRecord(const NamedValue& value);

// Records 15 onwards as bytes: the signature, then one record per value,
// every record padded to 125 bytes. nullopt when a value does not fit.
std::optional<std::vector<std::uint8_t>> writeExtension(const std::vector<NamedValue>& values);

// The complete file: records 1 to 14 as given (padded to their full length)
// followed by the extension.
std::optional<std::vector<std::uint8_t>> withExtension(std::vector<std::uint8_t> records,
                                                       const std::vector<NamedValue>& values);

} // namespace kestrel::designfile
