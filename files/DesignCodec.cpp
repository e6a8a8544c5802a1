#include "files/DesignCodec.h"

#include <array>
#include <bit>
#include <cmath>

#include "engine/FieldCaptions.h"
#include "files/DesignExtension.h"
#include "files/DesignKeys.h"
#include "files/DesignRecord.h"

namespace kestrel::designfile {
namespace {

// The field of each record, record 1 first.
constexpr std::array<const char*, kRecordCount> kRecordFields = {
    "chkOffset",  "txtLoOffset", "txtLOFreq",  "txtLOPower", "txtRFStart",
    "txtRFStop",  "txtRFPower",  "txtIFStart", "txtMarker1", "txtMarker2",
    "txtIFStop",  "txtProject",  "chkProject", "FreqUnit",
};
bool isText(int record) { return record == kProjectRecord || record == kUnitRecord; }
bool isCheck(int record) { return record == 1 || record == 13; }
std::string captionOf(int record) { return fieldCaption(kRecordFields[record - 1]); }

// Which record made readRecords refuse the bytes, and why, in the order it
// judges them.
std::string recordRefusal(std::span<const std::uint8_t> bytes) {
    const auto cut = [&](int record) { return "the file ends before the value of " + captionOf(record); };
    for (int r = 1; r <= kRecordCount; ++r) {
        const std::size_t at = recordOffset(r);
        if (at + (isText(r) ? 2 : 4) > bytes.size()) return cut(r);
        if (!isText(r)) continue;
        const TextRead text = readTextRecord(bytes, at);
        if (text.tooLong) return "the text of " + captionOf(r) + " is longer than 123 characters";
        if (!text.text) return cut(r);
    }
    for (int r = 1; r < kUnitRecord; ++r) {
        if (isText(r)) continue;
        const float value = readSingle(bytes, recordOffset(r));
        if (isCheck(r) && !checkState(value))
            return "the state of " + captionOf(r) + " is neither 0 nor 1";
        if (!isCheck(r) && !std::isfinite(value))
            return "the value of " + captionOf(r) + " is infinite or not a number";
    }
    return "the value of " + captionOf(kUnitRecord) + " is not GHz, MHz or KHz";
}

} // namespace

DesignDecode decodeDesign(std::span<const std::uint8_t> bytes, const Design& base) {
    DesignDecode out;
    const ReadResult read = readRecords(bytes);
    if (!read.record) {
        out.why = recordRefusal(bytes);
        return out;
    }
    const ExtensionRead extension = readExtension(bytes);
    if (!extension.values) {
        out.why = describe(extension.error);
        return out;
    }
    const DesignRecord& r = *read.record;
    Design d = base;
    d.offsetChecked = *checkState(r.offsetState);
    float Design::*const values[kValueCount] = {&Design::loOffset, &Design::loFreq,  &Design::loPower,
                                                &Design::rfStart,  &Design::rfStop,  &Design::rfPower,
                                                &Design::ifStart,  &Design::marker1, &Design::marker2,
                                                &Design::ifStop};
    for (int i = 0; i < kValueCount; ++i) d.*values[i] = r.values[i];
    d.project = r.project;
    d.projectChecked = *checkState(r.projectState);
    d.unit = r.unit;
    if (auto why = applyExtension(d, *extension.values)) {
        out.why = std::move(*why);
        return out;
    }
    out.design = std::move(d);
    return out;
}

DesignEncode encodeDesign(const Design& d) {
    DesignEncode out;
    const float values[kValueCount] = {d.loOffset, d.loFreq,  d.loPower, d.rfStart, d.rfStop,
                                       d.rfPower,  d.ifStart, d.marker1, d.marker2, d.ifStop};
    DesignRecord record;
    record.offsetState = d.offsetChecked ? 1.0f : 0.0f;
    for (int i = 0; i < kValueCount; ++i) {
        record.values[i] = values[i];
        if (!std::isfinite(values[i])) {
            out.why = "the value of " + captionOf(2 + i) + " is too large for a design file";
            return out;
        }
    }
    record.project = d.project;
    record.projectState = d.projectChecked ? 1.0f : 0.0f;
    record.unit = d.unit;
    if (const auto error = validate(record)) {
        out.why = *error == RecordError::TextTooLong
                      ? "the text of " + captionOf(kProjectRecord) + " is longer than 123 characters"
                      : "the value of " + captionOf(kUnitRecord) + " is not GHz, MHz or KHz";
        return out;
    }
    const auto extension = extensionValues(d, out.why);
    if (!extension) return out;
    auto records = writeRecords(record);
    out.bytes = withExtension(std::move(*records), *extension);
    if (!out.bytes) out.why = "its settings do not fit a design file";
    return out;
}

} // namespace kestrel::designfile
