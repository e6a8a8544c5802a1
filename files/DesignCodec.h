#pragma once
// A design file's bytes to a Design and back: records 1 to 14 and the
// extension, each value judged as its field would judge it. The one place
// where stored bytes become a design.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/Design.h"

namespace kestrel::designfile {

struct DesignDecode {
    std::optional<Design> design;
    // Without a design: why the bytes are not one, naming the field by its
    // caption where one is at fault ("the state of "Project Name" is
    // neither 0 nor 1").
    std::string why;
};

// Reads records 1 to 14 and the extension. What the file does not store
// (a file of 14 records stores no extension) keeps the value of `base`.
// Names nobody knows are passed over; a name stored twice is refused.
DesignDecode decodeDesign(std::span<const std::uint8_t> bytes, const Design& base = Design{});

struct DesignEncode {
    std::optional<std::vector<std::uint8_t>> bytes;
    std::string why; // without bytes: why the design cannot be stored
};

// The whole file: records 1 to 14 padded to their full length, then the
// extension. A design that cannot be stored, or whose file would not load
// again, gives the reason instead.
DesignEncode encodeDesign(const Design& design);

} // namespace kestrel::designfile
