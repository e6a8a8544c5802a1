#include "files/DesignFileIO.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::designfile {
namespace {

std::string reason(int error) { return std::strerror(error); }

// Closes on every path out; a failing close is a failing write.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

// pread/pwrite until done; false with errno set on failure.
bool readAt(int fd, std::uint8_t* data, std::size_t size, std::size_t& got) {
    got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, data + got, size - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Reaching the file-size limit raises SIGXFSZ, whose default ends the
// program; ignored while a file is written, the write fails with EFBIG.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        restore_ = ::sigaction(SIGXFSZ, &ignore, &saved_) == 0;
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;
    ~FileSizeSignalIgnored() {
        if (restore_) ::sigaction(SIGXFSZ, &saved_, nullptr);
    }

private:
    struct sigaction saved_ {};
    bool restore_ = false;
};

bool noWriteBits(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

// The length of the valid UTF-8 character at the start of `s`, 0 if none.
std::size_t utf8Length(std::string_view s) {
    const auto b = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1F, lowest = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0F, lowest = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07, lowest = 0x10000;
    else return 0;
    if (s.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (b(i) & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and beyond U+10FFFF are not characters.
    if (code < lowest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
    return length;
}

const char* const kNotRegular = "it is not a regular file";

// The permission bits a newly created file gets.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::vector<std::string> listDesignFiles(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!name.ends_with(kExtension) || name.starts_with('.')) continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue; // follows symbolic links
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

FileBytes readFileHead(const std::string& path, std::size_t limit) {
    FileBytes out;
    // Non-blocking, so that a FIFO in the file's place cannot hang the open.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        out.error = reason(errno);
        return out;
    }
    if (!S_ISREG(st.st_mode)) {
        out.error = S_ISDIR(st.st_mode) ? reason(EISDIR) : kNotRegular;
        return out;
    }
    out.bytes.resize(limit);
    std::size_t got = 0;
    if (!readAt(fd.get(), out.bytes.data(), limit, got)) {
        out.error = reason(errno);
        out.bytes.clear();
        return out;
    }
    out.bytes.resize(got);
    return out;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool isReadOnly(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && noWriteBits(st.st_mode);
}

std::string readableName(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    while (!bytes.empty()) {
        std::size_t length = utf8Length(bytes);
        if (length > 0) {
            out.append(bytes.substr(0, length));
        } else {
            const auto byte = static_cast<unsigned char>(bytes.front());
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
            length = 1;
        }
        bytes.remove_prefix(length);
    }
    return out;
}

std::string replaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    // Through a link to the file it names, so the link stays a link.
    std::string target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    mode_t mode = newFileMode();
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return reason(EISDIR);
        if (!S_ISREG(st.st_mode)) return kNotRegular;
        // The rename needs only the folder's permission: without this, a
        // read-only file would be replaced.
        if (noWriteBits(st.st_mode)) return reason(EACCES);
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return reason(errno);
    }

    // Hidden and without the extension: never listed as a design.
    std::string temp = folderOf(target) + "/.kestrel-save-XXXXXX";
    const int raw = ::mkostemp(temp.data(), O_CLOEXEC);
    if (raw < 0) return reason(errno);
    Fd fd(raw);
    const FileSizeSignalIgnored sizeSignal;
    const bool ok = writeAll(fd.get(), bytes.data(), bytes.size()) && ::fsync(fd.get()) == 0 &&
                    ::fchmod(fd.get(), mode) == 0 && fd.close() == 0 &&
                    ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlink(temp.c_str());
        return reason(error);
    }
    // The rename itself on disk too; a failure here loses nothing.
    Fd folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) (void)::fsync(folder.get());
    return {};
}

std::string eraseFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) return reason(errno);
    return {};
}

} // namespace kestrel::designfile
