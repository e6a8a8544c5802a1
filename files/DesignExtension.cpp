#include "files/DesignExtension.h"

#include <algorithm>
#include <charconv>

#include "files/DesignRecord.h"

namespace kestrel::designfile {
namespace {

constexpr int kSignatureRecord = kRecordCount + 1;

// A record's text, with the same length rules as records 12 and 14.
std::optional<std::string> textAt(std::span<const std::uint8_t> bytes, std::size_t at,
                                  ExtensionError& error) {
    TextRead read = readTextRecord(bytes, at);
    if (!read.text) error = read.tooLong ? ExtensionError::TextTooLong : ExtensionError::TooShort;
    return std::move(read.text);
}

// A whole decimal number within [low, high], nothing else.
std::optional<int> wholeNumber(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || text[0] == '-' ||
        value < low || value > high)
        return std::nullopt;
    return value;
}

// "KESTREL-EXT <version> <count>": the count, or nullopt.
std::optional<int> signatureCount(std::string_view text) {
    if (!text.starts_with(kExtensionSignature)) return std::nullopt;
    text.remove_prefix(kExtensionSignature.size());
    if (!text.starts_with(' ')) return std::nullopt;
    text.remove_prefix(1);
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    // A later version may say more per record; names it does not share are
    // ignored by the window, so its files still load.
    if (!wholeNumber(text.substr(0, blank), kExtensionVersion, 9999)) return std::nullopt;
    return wholeNumber(text.substr(blank + 1), 0, kMaxExtensionRecords);
}

} // namespace

const char* describe(ExtensionError error) {
    switch (error) {
    case ExtensionError::BadSignature: return "the extension record does not give a version and a count";
    case ExtensionError::TooShort: return "the file ends before its extension records do";
    case ExtensionError::TextTooLong: return "an extension record is longer than 123 characters";
    case ExtensionError::NoEquals: return "an extension record is not of the form name=value";
    }
    return "the extension is broken";
}

ExtensionRead readExtension(std::span<const std::uint8_t> bytes) {
    ExtensionRead result;
    const std::size_t at = recordOffset(kSignatureRecord);
    const std::size_t textAtOffset = at + 2;
    // Only a record whose text starts with the signature is an extension.
    if (bytes.size() < textAtOffset + kExtensionSignature.size() ||
        !std::equal(kExtensionSignature.begin(), kExtensionSignature.end(),
                    bytes.begin() + textAtOffset)) {
        result.values.emplace();
        return result;
    }
    const auto signature = textAt(bytes, at, result.error);
    if (!signature) return result;
    const auto count = signatureCount(*signature);
    if (!count) {
        result.error = ExtensionError::BadSignature;
        return result;
    }
    std::vector<NamedValue> values;
    values.reserve(std::size_t(*count));
    for (int i = 1; i <= *count; ++i) {
        const auto text = textAt(bytes, recordOffset(kSignatureRecord + i), result.error);
        if (!text) return result;
        const std::size_t equals = text->find('=');
        if (equals == 0 || equals == std::string::npos) {
            result.error = ExtensionError::NoEquals;
            return result;
        }
        values.push_back({text->substr(0, equals), text->substr(equals + 1)});
    }
    result.values = std::move(values);
    return result;
}

bool fitsRecord(const NamedValue& value) {
    return !value.name.empty() && value.name.find('=') == std::string::npos &&
           value.name.size() + 1 + value.value.size() <= kMaxTextLength;
}

std::optional<std::vector<std::uint8_t>> writeExtension(const std::vector<NamedValue>& values) {
    if (values.size() > std::size_t(kMaxExtensionRecords)) return std::nullopt;
    for (const NamedValue& v : values)
        if (!fitsRecord(v)) return std::nullopt;
    std::vector<std::uint8_t> out((values.size() + 1) * kRecordLength, 0);
    writeTextRecord(out, 0,
            std::string(kExtensionSignature) + ' ' + std::to_string(kExtensionVersion) + ' ' +
                std::to_string(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        writeTextRecord(out, (i + 1) * kRecordLength, values[i].name + '=' + values[i].value);
    return out;
}

std::optional<std::vector<std::uint8_t>> withExtension(std::vector<std::uint8_t> records,
                                                       const std::vector<NamedValue>& values) {
    auto extension = writeExtension(values);
    if (!extension || records.size() > kFullFileSize) return std::nullopt;
    records.resize(kFullFileSize, 0);
    records.insert(records.end(), extension->begin(), extension->end());
    return records;
}

} // namespace kestrel::designfile
