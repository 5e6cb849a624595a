#pragma once

#include <chrono>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace kanalo {

// Which way the list crossed the cable.
enum class BackupDirection { FromBox, ToBox };

// The local date and time a backup's name carries, to the second.
struct BackupStamp {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;

    friend auto operator<=>(const BackupStamp&, const BackupStamp&) = default;
};

// The local time of the moment, as the system's time zone gives it.
BackupStamp localStamp(std::chrono::system_clock::time_point time);

// "2026-12-08 11:20:05", as listings show it.
std::string backupStampText(const BackupStamp& stamp);

// "2026-12-08_112005-from-box.dat" or "2026-12-08_112005-to-box.dat".
std::string backupFileName(BackupDirection direction, const BackupStamp& stamp);

struct BackupName {
    BackupStamp stamp;
    BackupDirection direction = BackupDirection::FromBox;

    friend bool operator==(const BackupName&, const BackupName&) = default;
};

// The stamp and direction of a name backupFileName makes; nothing for any other name, so a
// file the user put into the folder is never taken for a backup.
std::optional<BackupName> parseBackupFileName(std::string_view name);

} // namespace kanalo
