// Fuzz target for the design codec: any bytes in, never a crash, a design
// only when the bytes really hold one, and an accepted design written again
// keeps its values at their bytes and reads back to what it writes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "files/DesignCodec.h"
#include "files/DesignExtension.h"
#include "files/DesignRecord.h"

using namespace kestrel::designfile;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// The extension: whatever it accepts writes back to the same values.
void checkExtension(const std::uint8_t* data, std::size_t size) {
    const ExtensionRead read = readExtension({data, size});
    if (!read.values) return;
    for (const NamedValue& v : *read.values) require(fitsRecord(v));
    const auto records = writeExtension(*read.values);
    require(records.has_value());
    std::vector<std::uint8_t> file(kFullFileSize, 0);
    file.insert(file.end(), records->begin(), records->end());
    const ExtensionRead back = readExtension(file);
    require(back.values && *back.values == *read.values);
}

} // namespace

bool fuzzInputAccepted(const std::uint8_t* data, std::size_t size) {
    return decodeDesign({data, size}).design.has_value();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkExtension(data, size);
    const DesignDecode decoded = decodeDesign({data, size});
    const ReadResult read = readRecords({data, size});
    if (!decoded.design) {
        require(!decoded.why.empty());
        return 0;
    }
    require(read.record.has_value());
    const DesignRecord& r = *read.record;

    // Accepted means: written again, records 1 to 14 sit at the same bytes
    // as in the input (check-box states as the state they stand for), and the file reads back to a design that writes the
    // same bytes once more.
    const DesignEncode image = encodeDesign(*decoded.design);
    require(image.bytes.has_value());
    const std::vector<std::uint8_t>& bytes = *image.bytes;
    require(bytes.size() >= kFullFileSize);
    const auto sameAt = [&](std::size_t at, std::size_t length) {
        require(at + length <= size && at + length <= bytes.size());
        require(std::memcmp(data + at, bytes.data() + at, length) == 0);
    };
    // A check-box state is written as the 0 or 1 it stands for.
    const ReadResult written = readRecords(bytes);
    require(written.record.has_value());
    require(checkState(written.record->offsetState) == checkState(r.offsetState));
    require(checkState(written.record->projectState) == checkState(r.projectState));
    for (int record = 2; record <= kRecordCount; ++record) {
        const std::size_t at = recordOffset(record);
        if (record == 13) continue;
        if (record == 12)
            sameAt(at, 2 + r.project.size());
        else if (record == 14)
            sameAt(at, 2 + r.unit.size());
        else
            sameAt(at, 4);
    }
    const DesignDecode back = decodeDesign(bytes);
    require(back.design.has_value());
    const DesignEncode again = encodeDesign(*back.design);
    require(again.bytes && *again.bytes == bytes);
    return 0;
}
