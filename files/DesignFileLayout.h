#pragma once
// Record layout of a design file: 14 fixed records of 125 bytes.

#include <cstddef>

namespace kestrel::designfile {

inline constexpr std::size_t kRecordLength = 125;
inline constexpr int kRecordCount = 14;

// Byte offset of record n, numbered from 1.
std::size_t recordOffset(int record);

} // namespace kestrel::designfile
