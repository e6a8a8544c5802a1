#pragma once
// The design files of a directory on disk: list, read, replace and erase. Names are bare file names in the working directory, as bytes.
// Failures come back as the system's reason ("Permission denied").

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::designfile {

inline constexpr std::string_view kExtension = ".kst";

// Names of the regular files in `directory` that end in ".kst", sorted,
// without the hidden ones (a leading "."), as a shell's *.kst lists them;
// empty when the directory cannot be read.
std::vector<std::string> listDesignFiles(const std::string& directory = ".");

struct FileBytes {
    std::vector<std::uint8_t> bytes;
    std::string error; // empty on success
};

// The first `limit` bytes of the file (all of it when shorter). Anything but
// a regular file is refused without waiting for it (a FIFO never blocks).
FileBytes readFileHead(const std::string& path, std::size_t limit);

// Whether something of that name exists (a dangling link counts).
bool fileExists(const std::string& path);

// Whether the file (through a link, the file it names) exists and its
// permission bits give no one write permission. Judged on the bits alone,
// so that it holds for a user whom access() would let write anyway.
bool isReadOnly(const std::string& path);

// A name as bytes made readable: valid UTF-8 as it is, every byte that is
// not part of a valid UTF-8 character as "\xNN" (upper-case hex).
std::string readableName(std::string_view bytes);

// Makes `bytes` the whole file: written to a temporary file in the same
// folder, flushed to disk and renamed over the old one, with the old file's
// permission bits. A link is followed to the file it names. A read-only
// file (isReadOnly) is refused. A failure at any point, a file-size limit
// reached too, leaves the old file exactly as it was and no temporary file
// behind. Returns the reason, or "".
std::string replaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Deletes the file; returns the reason, or "".
std::string eraseFile(const std::string& path);

} // namespace kestrel::designfile
