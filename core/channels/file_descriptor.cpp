#include "core/channels/file_descriptor.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kanalo {

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0)
        ::close(fd_);
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

bool FileDescriptor::close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

namespace {

bool rewriteFromStart(int fd, std::string_view bytes) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, bytes) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

} // namespace

OverwriteFunction overwriteFromStart = rewriteFromStart;

LoadStatus readOpenFile(int fd, std::string& bytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return LoadStatus::CannotOpen;
    // Checked before any memory is taken: a list is far smaller than this.
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > kMaxChannelFileSize)
        return LoadStatus::ReadError;
    std::string content(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t got = ::read(fd, content.data() + done, content.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return LoadStatus::ReadError;
        done += static_cast<std::size_t>(got);
    }
    bytes = std::move(content);
    return LoadStatus::Ok;
}

} // namespace kanalo
