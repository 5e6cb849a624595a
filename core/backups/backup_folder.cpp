#include "core/backups/backup_folder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace kanalo {

namespace fs = std::filesystem;

namespace {

// An environment variable that holds an absolute path; relative ones are ignored, as the XDG
// base directory rules ask.
fs::path absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? fs::path(value) : fs::path();
}

fs::path homeFolder() {
    if (fs::path home = absoluteFromEnvironment("HOME"); !home.empty())
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir && user->pw_dir[0] == '/' ? fs::path(user->pw_dir) : fs::path();
}

} // namespace

fs::path defaultBackupFolder() {
    fs::path data = absoluteFromEnvironment("XDG_DATA_HOME");
    if (data.empty()) {
        const fs::path home = homeFolder();
        if (home.empty())
            return {};
        data = home / ".local/share";
    }
    return data / "Kanalo" / "backups";
}

std::string backupFailure(const char* what, const fs::path& path, int error) {
    return std::string(what) + ' ' + path.string() + ": " + std::strerror(error);
}

std::vector<BackupFile> findBackups(const fs::path& folder, std::string& failure) {
    std::vector<BackupFile> found;
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    if (error == std::errc::no_such_file_or_directory)
        return found;
    for (; !error && entry != fs::directory_iterator(); entry.increment(error))
        if (const auto name = parseBackupFileName(entry->path().filename().string()))
            found.push_back({entry->path(), *name});
    if (error) {
        failure = backupFailure("Cannot read the folder", folder, error.value());
        return {};
    }
    std::sort(found.begin(), found.end(), [](const BackupFile& a, const BackupFile& b) {
        if (a.name.stamp != b.name.stamp)
            return a.name.stamp > b.name.stamp;
        return a.path.filename() > b.path.filename();
    });
    return found;
}

} // namespace kanalo
