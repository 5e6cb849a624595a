#pragma once

#include "core/channels/channel_file.h"

#include <string>
#include <string_view>

namespace kanalo {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor();
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (it can report a delayed write error).
    bool close();

private:
    int fd_;
};

// Writes all bytes at the descriptor's position, retrying short writes.
bool writeAll(int fd, std::string_view bytes);

// Rewrites an open file from its start with the bytes, cuts what followed and syncs it: the one
// write that changes a file in place. A test may replace it with one that fails, as a disk
// that fills up between two writes does.
using OverwriteFunction = bool (*)(int fd, std::string_view bytes);
extern OverwriteFunction overwriteFromStart;

// Reads the whole content of an open file: only a regular file of at most
// kMaxChannelFileSize bytes is read. Anything else is CannotOpen (devices, pipes, sockets,
// folders) or ReadError (too large, or fewer bytes than its length); the output is then
// left untouched.
LoadStatus readOpenFile(int fd, std::string& bytes);

} // namespace kanalo
