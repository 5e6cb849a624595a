#include "core/channels/channel_file.h"
#include "core/channels/file_descriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kanalo {

namespace fs = std::filesystem;

namespace {

// A new file beside the target, created exclusively so no other file is ever touched. Its
// name has a fixed short length, so every name the folder takes for the target leaves room.
FileDescriptor createTemporaryIn(const fs::path& directory, fs::path& tempPath) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".kanalo-";
        for (int i = 0; i < 6; ++i)
            name += kLetters[entropy() % (sizeof kLetters - 1)];
        tempPath = directory / name;
        FileDescriptor fd(
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (fd.valid() || errno != EEXIST)
            return fd;
    }
    return FileDescriptor();
}

// Writes the bytes to a new file at a path that must not exist yet.
bool writeNewFile(const fs::path& to, std::string_view bytes) {
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
    // Some file systems have no hard links; a copy serves as well. Any other failure (a
    // folder that takes no new file) is ignored, as an existing backup would be.
    std::string bytes;
    return readWholeFile(existing, bytes) == LoadStatus::Ok && writeNewFile(backup, bytes);
}

void syncDirectory(const fs::path& directory) {
    FileDescriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

// The replacement takes over the old file's owner where this user may give it (root saving
// someone else's list must not take it from them) and always its permission bits.
bool takeOverAttributes(int fd, const struct stat& old) {
    // Only root may give a file away; a member of its group may still keep the group.
    [[maybe_unused]] const bool owned = ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                                        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Writes the complete new content to the temporary file, then renames it over the target. A
// failure before the rename leaves the target and its backup as they were.
SaveStatus renameOver(const fs::path& target, FileDescriptor temp, const fs::path& tempPath,
                      std::string_view text, const struct stat* old) {
    const bool written = writeAll(temp.get(), text) &&
                         (!old || takeOverAttributes(temp.get(), *old)) && ::fsync(temp.get()) == 0;
    if (!temp.close() || !written) {
        ::unlink(tempPath.c_str());
        return SaveStatus::WriteError;
    }
    const fs::path backup = backupPathFor(target);
    const bool madeBackup = old && makeBackup(target, backup);
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        if (madeBackup)
            ::unlink(backup.c_str());
        return SaveStatus::WriteError;
    }
    syncDirectory(tempPath.parent_path());
    return SaveStatus::Ok;
}

bool overwriteFromStart(int fd, std::string_view bytes) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, bytes) &&
           ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// For a folder that takes no new file: the file itself is overwritten. Its old bytes are kept
// in memory first and written back when the new ones cannot be written, so a failure still
// changes nothing.
SaveStatus overwriteInPlace(const fs::path& target, std::string_view text) {
    FileDescriptor fd(::open(target.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    std::string old;
    if (!fd.valid() || readOpenFile(fd.get(), old) != LoadStatus::Ok)
        return SaveStatus::WriteError; // without the old bytes a failure could not be undone
    // A copy, not a link: a link would share the bytes about to be overwritten.
    const fs::path backup = backupPathFor(target);
    const bool madeBackup = writeNewFile(backup, old);
    if (overwriteFromStart(fd.get(), text))
        return fd.close() ? SaveStatus::Ok : SaveStatus::WriteError;
    overwriteFromStart(fd.get(), old);
    if (madeBackup)
        ::unlink(backup.c_str());
    return SaveStatus::WriteError;
}

// A device or a pipe cannot be replaced and gets no backup; it is written directly.
SaveStatus writeToDevice(FileDescriptor fd, std::string_view text) {
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !writeAll(fd.get(), text) || !fd.close())
        return SaveStatus::WriteError;
    return SaveStatus::Ok;
}

// Saving through a symbolic link writes the file it names, so the link stays a link.
fs::path resolveLink(const fs::path& path) {
    std::error_code error;
    fs::path target =
        fs::is_symlink(fs::symlink_status(path, error)) ? fs::weakly_canonical(path, error) : path;
    return error ? path : target;
}

} // namespace

SaveStatus writeTextFile(const fs::path& path, std::string_view text) {
    // Non-blocking, so a pipe without a reader fails at once instead of hanging the writer.
    FileDescriptor fd(::open(
        path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (!fd.valid() || !writeAll(fd.get(), text) || !fd.close())
        return SaveStatus::WriteError;
    return SaveStatus::Ok;
}

SaveStatus writeChannelFile(const fs::path& path, const ChannelTable& table, FileForm form) {
    return writeTextFile(path, writeChannelText(table, form));
}

SaveStatus saveChannelFile(const fs::path& path, const ChannelTable& table, FileForm form) {
    const std::string text = writeChannelText(table, form);
    const fs::path target = resolveLink(path);
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");

    fs::path tempPath;
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) {
        if (errno != ENOENT)
            return SaveStatus::WriteError;
        FileDescriptor temp = createTemporaryIn(directory, tempPath);
        if (!temp.valid())
            return SaveStatus::WriteError;
        return renameOver(target, std::move(temp), tempPath, text, nullptr);
    }
    if (S_ISDIR(old.st_mode))
        return SaveStatus::WriteError;
    // Opening for writing asks the system whether this user may write the file (mode, owner,
    // access lists, read-only mounts) and changes nothing. A file the user may not write is
    // never replaced, however writable its folder is.
    FileDescriptor check(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!check.valid())
        return SaveStatus::WriteError;
    if (!S_ISREG(old.st_mode))
        return writeToDevice(std::move(check), text);
    check.close();

    FileDescriptor temp = createTemporaryIn(directory, tempPath);
    if (!temp.valid())
        return overwriteInPlace(target, text);
    return renameOver(target, std::move(temp), tempPath, text, &old);
}

} // namespace kanalo
