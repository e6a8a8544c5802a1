// Fuzz target for the design-file reader: any bytes in, never a crash, a
// design only when the bytes really hold one, and an extension only when it
// writes back to the same values.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

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
    return readRecords({data, size}).record.has_value();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkExtension(data, size);
    const ReadResult read = readRecords({data, size});
    if (!read.record) return 0;
    const DesignRecord& r = *read.record;
    require(!validate(r));

    // Accepted means: written again, the values sit at the same bytes as in
    // the input, and they read back to the same design.
    const auto image = writeRecords(r);
    require(image.has_value());
    require(image->size() >= kMinFileSize - 3 && image->size() <= kFullFileSize);
    const auto sameAt = [&](std::size_t at, std::size_t length) {
        require(at + length <= size && at + length <= image->size());
        require(std::memcmp(data + at, image->data() + at, length) == 0);
    };
    for (int record = 1; record <= kRecordCount; ++record) {
        const std::size_t at = recordOffset(record);
        if (record == 12)
            sameAt(at, 2 + r.project.size());
        else if (record == 14)
            sameAt(at, 2 + r.unit.size());
        else
            sameAt(at, 4);
    }
    const ReadResult back = readRecords(*image);
    require(back.record && *back.record == r);
    return 0;
}
