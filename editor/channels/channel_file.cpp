#include "channels/channel_file.h"

#include "channels/channel_file_reader.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kanalo {

namespace fs = std::filesystem;

namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (it can report a delayed write error).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

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

bool readAll(int fd, std::string& out, std::size_t expected) {
    out.resize(expected);
    std::size_t done = 0;
    while (done < expected) {
        const ssize_t got = ::read(fd, out.data() + done, expected - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// Pipes and character devices have no length; they are read until their end.
bool readToEnd(int fd, std::string& out) {
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        out.append(chunk, static_cast<std::size_t>(got));
    }
}

// Writes directly into an existing file that is not a regular one (a device, a pipe): such a
// file cannot be replaced by renaming and gets no backup.
SaveStatus writeInPlace(const fs::path& path, std::string_view text) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd.valid() || !writeAll(fd.get(), text) || !fd.close())
        return SaveStatus::WriteError;
    return SaveStatus::Ok;
}

// A new file beside the target, created exclusively so no other file is ever touched.
FileDescriptor createTemporaryBeside(const fs::path& target, fs::path& tempPath) {
    std::random_device entropy;
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = directory / ("." + target.filename().string() + "." +
                                std::to_string(::getpid()) + "-" + std::to_string(entropy()));
        FileDescriptor fd(
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (fd.valid() || errno != EEXIST)
            return fd;
    }
    return FileDescriptor();
}

// Copies a file to a new path that must not exist yet; for file systems without hard links.
bool copyToNewFile(const fs::path& from, const fs::path& to) {
    std::string bytes;
    if (readWholeFile(from, bytes) != LoadStatus::Ok)
        return false;
    FileDescriptor fd(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.valid())
        return false;
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.close()) {
        ::unlink(to.c_str());
        return false;
    }
    return true;
}

// Keeps the existing file under the backup name unless a backup exists already. Reports
// whether a new backup was made, so a failed save can take it back.
bool makeBackup(const fs::path& existing, const fs::path& backup) {
    if (::link(existing.c_str(), backup.c_str()) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    // Some file systems have no hard links; a copy serves as well. Any other failure is
    // ignored, as an existing backup would be: the save itself goes on.
    return copyToNewFile(existing, backup);
}

void syncDirectory(const fs::path& directory) {
    FileDescriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

} // namespace

const char* statusMessage(LoadStatus status) {
    switch (status) {
    case LoadStatus::Ok:
        return "";
    case LoadStatus::CannotOpen:
        return "Cannot open file.";
    case LoadStatus::ReadError:
        return "Read error.";
    }
    return "";
}

const char* statusMessage(SaveStatus status) {
    return status == SaveStatus::Ok ? "" : "File write error.";
}

LoadStatus readWholeFile(const fs::path& path, std::string& bytes) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return LoadStatus::CannotOpen;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || S_ISDIR(info.st_mode))
        return LoadStatus::CannotOpen;
    std::string content;
    const bool ok = S_ISREG(info.st_mode)
                        ? readAll(fd.get(), content, static_cast<std::size_t>(info.st_size))
                        : readToEnd(fd.get(), content);
    if (!ok)
        return LoadStatus::ReadError;
    bytes = std::move(content);
    return LoadStatus::Ok;
}

LoadStatus loadChannelFile(const fs::path& path, ChannelTable& table) {
    std::string bytes;
    const LoadStatus status = readWholeFile(path, bytes);
    if (status == LoadStatus::Ok)
        readChannelText(bytes, table);
    return status;
}

fs::path backupPathFor(const fs::path& path) {
    std::string name = path.filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return path.parent_path() / (name + ".bak");
}

SaveStatus writeChannelFile(const fs::path& path, const ChannelTable& table, FileForm form) {
    return writeInPlace(path, writeChannelText(table, form));
}

SaveStatus saveChannelFile(const fs::path& path, const ChannelTable& table, FileForm form) {
    const std::string text = writeChannelText(table, form);

    // Save through a symbolic link into the file it names, so the link stays a link.
    std::error_code error;
    fs::path target =
        fs::is_symlink(fs::symlink_status(path, error)) ? fs::weakly_canonical(path, error) : path;
    if (error)
        target = path;

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return S_ISDIR(existing.st_mode) ? SaveStatus::WriteError : writeInPlace(target, text);

    fs::path tempPath;
    FileDescriptor fd = createTemporaryBeside(target, tempPath);
    if (!fd.valid())
        return SaveStatus::WriteError;
    const bool written = writeAll(fd.get(), text) &&
                         (!exists || ::fchmod(fd.get(), existing.st_mode & 07777) == 0) &&
                         ::fsync(fd.get()) == 0;
    if (!fd.close() || !written) {
        ::unlink(tempPath.c_str());
        return SaveStatus::WriteError;
    }

    const fs::path backup = backupPathFor(target);
    const bool madeBackup = exists && makeBackup(target, backup);
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        if (madeBackup)
            ::unlink(backup.c_str());
        return SaveStatus::WriteError;
    }
    syncDirectory(target.has_parent_path() ? target.parent_path() : fs::path("."));
    return SaveStatus::Ok;
}

} // namespace kanalo
