#include "core/backups/backup_writer.h"

#include "core/backups/backup_folder.h"
#include "core/channels/channel_file.h"

#include <cerrno>
#include <sys/stat.h>
#include <system_error>

namespace kanalo {

namespace fs = std::filesystem;

namespace {

// Enough for every backup a burst of transfers can make within one second of each other.
constexpr int kNameAttempts = 60;

// Creates the folder and each missing parent, private to the user as the XDG base directory
// rules ask. 0 on success, else the error.
int createPrivateFolder(const fs::path& folder) {
    fs::path prefix;
    for (const fs::path& part : folder) {
        prefix /= part;
        if (::mkdir(prefix.c_str(), 0700) == 0)
            continue;
        if (errno != EEXIST)
            return errno;
        struct stat info {};
        if (::stat(prefix.c_str(), &info) != 0)
            return errno;
        if (!S_ISDIR(info.st_mode))
            return ENOTDIR;
    }
    return 0;
}

std::vector<BackupFile> backupsOf(BackupDirection direction, const fs::path& folder,
                                  std::string& failure) {
    std::vector<BackupFile> all = findBackups(folder, failure);
    std::erase_if(all, [&](const BackupFile& file) { return file.name.direction != direction; });
    return all;
}

bool holdsBytes(const fs::path& path, std::string_view bytes) {
    std::string existing;
    return readWholeFile(path, existing) == LoadStatus::Ok && existing == bytes;
}

// The first name from the moment on that no file of the folder carries.
fs::path freeName(const fs::path& folder, BackupDirection direction,
                  std::chrono::system_clock::time_point time) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const fs::path path = folder / backupFileName(direction, localStamp(time));
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT)
            return path;
        time += std::chrono::seconds(1);
    }
    return {};
}

} // namespace

BackupResult writeBackup(const fs::path& folder, BackupDirection direction, std::string_view bytes,
                         std::chrono::system_clock::time_point time, int keep) {
    if (keep <= 0)
        return {BackupOutcome::Off, {}, {}};
    if (folder.empty())
        return {BackupOutcome::Failed, {}, "No folder for backups: no home folder is known"};
    if (const int error = createPrivateFolder(folder))
        return {
            BackupOutcome::Failed, {}, backupFailure("Cannot create the folder", folder, error)};
    std::string failure;
    const std::vector<BackupFile> before = backupsOf(direction, folder, failure);
    if (!failure.empty())
        return {BackupOutcome::Failed, {}, failure};
    if (!before.empty() && holdsBytes(before.front().path, bytes))
        return {BackupOutcome::SkippedSameAsNewest, before.front().path, {}};

    const fs::path path = freeName(folder, direction, time);
    if (path.empty())
        return {BackupOutcome::Failed, {}, "No free backup name in " + folder.string()};
    errno = 0;
    if (saveFile(path, bytes) != SaveStatus::Ok) {
        // saveFile leaves the error of the step that failed; without one, its own text.
        const int error = errno;
        return {BackupOutcome::Failed,
                {},
                error ? backupFailure("Cannot write", path, error)
                      : "Cannot write " + path.string() + ": " +
                            statusMessage(SaveStatus::WriteError)};
    }

    // A backup that cannot be removed only stays; the new one is written all the same. Local
    // time can run back (the end of summer time), so the one just written may sort as older:
    // it is never the one removed.
    const std::vector<BackupFile> after = backupsOf(direction, folder, failure);
    std::size_t kept = 0;
    for (const BackupFile& backup : after) {
        if (backup.path == path || kept < static_cast<std::size_t>(keep - 1)) {
            kept += backup.path == path ? 0 : 1;
            continue;
        }
        std::error_code ignored;
        fs::remove(backup.path, ignored);
    }
    return {BackupOutcome::Written, path, {}};
}

} // namespace kanalo
