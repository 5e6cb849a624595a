#pragma once

#include "core/backups/backup_name.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kanalo {

// The folder the editor keeps its backups in: "$XDG_DATA_HOME/Kanalo/backups" when
// XDG_DATA_HOME is an absolute path, else "$HOME/.local/share/Kanalo/backups" (the home
// folder from the user database when HOME is unset or relative). Empty when no home is known.
std::filesystem::path defaultBackupFolder();

// A file of the folder whose name is a backup's name.
struct BackupFile {
    std::filesystem::path path;
    BackupName name;
};

// The backups in the folder, newest first: by the stamp in the name, then by the name. A
// missing folder holds none. Other files are passed over. On failure the reason is stored
// in failure (an English text naming the folder) and the list is empty.
std::vector<BackupFile> findBackups(const std::filesystem::path& folder, std::string& failure);

// "<what> <path>: <the system's text for the error>", the wording of every backup failure.
std::string backupFailure(const char* what, const std::filesystem::path& path, int error);

} // namespace kanalo
