#pragma once
// The design files of a directory on disk: list, read, write in place and
// erase. Names are bare file names in the working directory, as bytes.
// Failures come back as the system's reason ("Permission denied").

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kestrel::designfile {

inline constexpr std::string_view kExtension = ".kst";

// Names of the regular files in `directory` that end in ".kst", sorted;
// empty when the directory cannot be read.
std::vector<std::string> listDesignFiles(const std::string& directory = ".");

struct FileBytes {
    std::vector<std::uint8_t> bytes;
    std::string error; // empty on success
};

// The first `limit` bytes of the file (all of it when shorter).
FileBytes readFileHead(const std::string& path, std::size_t limit);

// Writes `image` over the start of the file, creating it when it does not
// exist; bytes beyond the image stay as they were. On failure a file that
// was created is removed again and an existing one gets its old bytes back,
// so no half-written design is left behind. Returns the reason, or "".
std::string writeFileHead(const std::string& path, std::span<const std::uint8_t> image);

// Deletes the file; returns the reason, or "".
std::string eraseFile(const std::string& path);

} // namespace kestrel::designfile
