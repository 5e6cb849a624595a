#include "core/channels/channel_file.h"
#include "core/channels/file_descriptor.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kanalo {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkHops = 40; // the system's own limit for links in one path

// The file a save writes: its folder, held open so that every step names the file relative to
// it and no path grows past the system's limit, and its name in that folder.
struct Target {
    FileDescriptor folder;
    std::string name;

    int dir() const { return folder.get(); }
    const char* file() const { return name.c_str(); }
};

FileDescriptor openFolder(int at, const fs::path& path) {
    const char* name = path.empty() ? "." : path.c_str();
    int fd = ::openat(at, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder this user may enter and write but not list still takes the save.
    if (fd < 0 && errno == EACCES)
        fd = ::openat(at, name, O_PATH | O_DIRECTORY | O_CLOEXEC);
    return FileDescriptor(fd);
}

// Follows symbolic links, dangling ones too, to the file they name: the link stays a link, and
// a save through a dangling one creates the file it names.
std::optional<Target> resolveTarget(const fs::path& path) {
    Target target{openFolder(AT_FDCWD, path.parent_path()), path.filename().string()};
    for (int hop = 0;
         target.folder.valid() && !target.name.empty() && target.name != "." && target.name != "..";
         ++hop) {
        char link[PATH_MAX];
        const ssize_t length = ::readlinkat(target.dir(), target.file(), link, sizeof link);
        if (length < 0) {
            if (errno == EINVAL || errno == ENOENT) // not a link, or nothing there yet
                return target;
            return std::nullopt;
        }
        if (hop == kMaxLinkHops || static_cast<std::size_t>(length) == sizeof link)
            return std::nullopt;
        const fs::path next(std::string(link, static_cast<std::size_t>(length)));
        if (next.has_parent_path())
            target.folder =
                openFolder(next.is_absolute() ? AT_FDCWD : target.dir(), next.parent_path());
        target.name = next.filename().string();
    }
    return std::nullopt;
}

std::string backupNameOf(const Target& target) {
    const long longest = ::fpathconf(target.dir(), _PC_NAME_MAX);
    return backupNameFor(target.name, longest > 0 ? static_cast<std::size_t>(longest) : NAME_MAX);
}

// A new file in the folder, created exclusively so no other file is ever touched. Its name has
// a fixed short length, so every name the folder takes for the target leaves room.
FileDescriptor createTemporaryIn(int folder, std::string& name) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = ".kanalo-";
        for (int i = 0; i < 6; ++i)
            name += kLetters[entropy() % (sizeof kLetters - 1)];
        FileDescriptor fd(::openat(folder, name.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (fd.valid() || errno != EEXIST)
            return fd;
    }
    return FileDescriptor();
}

// Writes the bytes to a new file of that name, which must not exist yet; nothing is left
// behind on failure.
bool writeNewFile(int folder, const std::string& name, std::string_view bytes) {
    FileDescriptor fd(
        ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!fd.valid())
        return false;
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.close()) {
        ::unlinkat(folder, name.c_str(), 0);
        return false;
    }
    return true;
}

// Keeps the existing file under the backup name unless a backup exists already. Reports
// whether a new backup was made, so a failed save can take it back.
bool makeBackup(const Target& target, const std::string& backup) {
    if (::linkat(target.dir(), target.file(), target.dir(), backup.c_str(), 0) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    // Some file systems have no hard links; a copy serves as well. Any other failure (a folder
    // that takes no new file) is ignored, as an existing backup would be.
    FileDescriptor fd(
        ::openat(target.dir(), target.file(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    std::string bytes;
    return fd.valid() && readOpenFile(fd.get(), bytes) == LoadStatus::Ok &&
           writeNewFile(target.dir(), backup, bytes);
}

// The replacement takes over the old file's owner where this user may give it (root saving
// someone else's list must not take it from them) and always its permission bits.
bool takeOverAttributes(int fd, const struct stat& old) {
    // Only root may give a file away; a member of its group may still keep the group.
    [[maybe_unused]] const bool owned = ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                                        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// For a file that must keep its place (another name links to it, a folder refuses to replace
// it or takes no new file): the file itself is overwritten. Its old bytes are kept in memory
// and in a copy first, and written back when the new ones cannot be written; the copy stays
// as the backup when even that fails.
SaveStatus overwriteInPlace(const Target& target, std::string_view bytes) {
    FileDescriptor fd(::openat(target.dir(), target.file(),
                               O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW));
    std::string old;
    if (!fd.valid() || readOpenFile(fd.get(), old) != LoadStatus::Ok)
        return SaveStatus::WriteError; // without the old bytes a failure could not be undone
    // A copy, not a link: a link would share the bytes about to be overwritten.
    const std::string backup = backupNameOf(target);
    const bool madeBackup = writeNewFile(target.dir(), backup, old);
    if (overwriteFromStart(fd.get(), bytes))
        return fd.close() ? SaveStatus::Ok : SaveStatus::WriteError;
    if (overwriteFromStart(fd.get(), old) && madeBackup)
        ::unlinkat(target.dir(), backup.c_str(), 0);
    return SaveStatus::WriteError;
}

// Writes the complete new content to a temporary file beside the target, then renames it over
// the target. A failure before the rename leaves the target and its backup as they were; a
// rename the folder refuses falls back to the save in place.
SaveStatus replaceByRename(const Target& target, std::string_view bytes, const struct stat* old) {
    std::string tempName;
    FileDescriptor temp = createTemporaryIn(target.dir(), tempName);
    if (!temp.valid())
        return old ? overwriteInPlace(target, bytes) : SaveStatus::WriteError;
    const bool written = writeAll(temp.get(), bytes) &&
                         (!old || takeOverAttributes(temp.get(), *old)) && ::fsync(temp.get()) == 0;
    if (!temp.close() || !written) {
        ::unlinkat(target.dir(), tempName.c_str(), 0);
        return SaveStatus::WriteError;
    }
    const std::string backup = old ? backupNameOf(target) : std::string();
    const bool madeBackup = old && makeBackup(target, backup);
    if (::renameat(target.dir(), tempName.c_str(), target.dir(), target.file()) == 0) {
        ::fsync(target.dir());
        return SaveStatus::Ok;
    }
    const int refusal = errno;
    ::unlinkat(target.dir(), tempName.c_str(), 0);
    if (madeBackup)
        ::unlinkat(target.dir(), backup.c_str(), 0);
    if (old && (refusal == EPERM || refusal == EACCES || refusal == EBUSY))
        return overwriteInPlace(target, bytes);
    return SaveStatus::WriteError;
}

// A sticky folder (such as /tmp) lets only the file's owner, the folder's owner and root
// replace or remove a file; a backup link to another user's file could not be taken back.
bool folderRefusesReplacing(int folder, const struct stat& file) {
    struct stat info {};
    const uid_t user = ::geteuid();
    return ::fstat(folder, &info) == 0 && (info.st_mode & S_ISVTX) && user != 0 &&
           file.st_uid != user && info.st_uid != user;
}

// A device or a pipe cannot be replaced and gets no backup; it is written directly.
SaveStatus writeToDevice(FileDescriptor fd, std::string_view text) {
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !writeAll(fd.get(), text) || !fd.close())
        return SaveStatus::WriteError;
    return SaveStatus::Ok;
}

} // namespace

SaveStatus writeChannelFile(const fs::path& path, const ChannelTable& table, FileForm form) {
    // Non-blocking, so a pipe without a reader fails at once instead of hanging the writer.
    FileDescriptor fd(::open(
        path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (!fd.valid() || !writeAll(fd.get(), writeChannelText(table, form)) || !fd.close())
        return SaveStatus::WriteError;
    return SaveStatus::Ok;
}

SaveStatus saveChannelFile(const fs::path& path, const ChannelTable& table, FileForm form) {
    return saveFile(path, writeChannelText(table, form));
}

SaveStatus saveFile(const fs::path& path, std::string_view bytes) {
    const std::optional<Target> target = resolveTarget(path);
    if (!target)
        return SaveStatus::WriteError;
    struct stat old {};
    if (::fstatat(target->dir(), target->file(), &old, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? replaceByRename(*target, bytes, nullptr) : SaveStatus::WriteError;
    if (S_ISDIR(old.st_mode) || S_ISLNK(old.st_mode))
        return SaveStatus::WriteError;
    // Opening for writing asks the system whether this user may write the file (mode, owner,
    // access lists, read-only mounts) and changes nothing. A file the user may not write is
    // never replaced, however writable its folder is.
    FileDescriptor check(
        ::openat(target->dir(), target->file(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!check.valid())
        return SaveStatus::WriteError;
    if (!S_ISREG(old.st_mode))
        return writeToDevice(std::move(check), bytes);
    check.close();
    // Every name of a hard-linked file must see the new list.
    if (old.st_nlink > 1 || folderRefusesReplacing(target->dir(), old))
        return overwriteInPlace(*target, bytes);
    return replaceByRename(*target, bytes, &old);
}

} // namespace kanalo
