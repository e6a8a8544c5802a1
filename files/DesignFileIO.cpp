#include "files/DesignFileIO.h"

#include <algorithm>
#include <cerrno>
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

bool writeAt(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::vector<std::string> listDesignFiles(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!name.ends_with(kExtension)) continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue; // follows symbolic links
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

FileBytes readFileHead(const std::string& path, std::size_t limit) {
    FileBytes out;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        out.error = reason(errno);
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

std::string writeFileHead(const std::string& path, std::span<const std::uint8_t> image) {
    bool created = false;
    int raw = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (raw < 0 && errno == ENOENT) {
        raw = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created = raw >= 0;
    }
    if (raw < 0) return reason(errno);
    Fd fd(raw);

    // What the image will cover, to put back if the write fails halfway.
    std::vector<std::uint8_t> old(image.size());
    std::size_t oldSize = 0;
    if (!created && !readAt(fd.get(), old.data(), old.size(), oldSize)) return reason(errno);

    bool ok = writeAt(fd.get(), image.data(), image.size());
    int error = ok ? 0 : errno;
    if (ok && fd.close() != 0) {
        ok = false;
        error = errno;
    }
    if (ok) return {};

    if (created) {
        ::unlink(path.c_str());
    } else if (fd.get() >= 0) {
        if (writeAt(fd.get(), old.data(), oldSize) && oldSize < image.size()) {
            struct stat st {};
            if (::fstat(fd.get(), &st) == 0 && static_cast<std::size_t>(st.st_size) > oldSize &&
                S_ISREG(st.st_mode))
                (void)::ftruncate(fd.get(), static_cast<off_t>(oldSize));
        }
    }
    return reason(error);
}

std::string eraseFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) return reason(errno);
    return {};
}

} // namespace kestrel::designfile
