#include "core/backups/backup_name.h"

#include <cstdio>
#include <ctime>

namespace kanalo {

namespace {

constexpr std::string_view kFromBox = "-from-box.dat";
constexpr std::string_view kToBox = "-to-box.dat";
constexpr std::size_t kStampLength = 17; // YYYY-MM-DD_HHMMSS

// The decimal value of the digits at [at, at + count), or -1 when any is no digit.
int digits(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

BackupStamp localStamp(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string backupStampText(const BackupStamp& stamp) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", stamp.year, stamp.month,
                  stamp.day, stamp.hour, stamp.minute, stamp.second);
    return text;
}

std::string backupFileName(BackupDirection direction, const BackupStamp& stamp) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d%02d%02d", stamp.year, stamp.month,
                  stamp.day, stamp.hour, stamp.minute, stamp.second);
    return text + std::string(direction == BackupDirection::FromBox ? kFromBox : kToBox);
}

std::optional<BackupName> parseBackupFileName(std::string_view name) {
    BackupName parsed;
    if (name.size() == kStampLength + kFromBox.size() && name.ends_with(kFromBox))
        parsed.direction = BackupDirection::FromBox;
    else if (name.size() == kStampLength + kToBox.size() && name.ends_with(kToBox))
        parsed.direction = BackupDirection::ToBox;
    else
        return std::nullopt;
    if (name[4] != '-' || name[7] != '-' || name[10] != '_')
        return std::nullopt;
    BackupStamp& s = parsed.stamp;
    s = {digits(name, 0, 4),  digits(name, 5, 2),  digits(name, 8, 2),
         digits(name, 11, 2), digits(name, 13, 2), digits(name, 15, 2)};
    // A leap second reads as second 60.
    if (s.year < 0 || !inRange(s.month, 1, 12) || !inRange(s.day, 1, 31) ||
        !inRange(s.hour, 0, 23) || !inRange(s.minute, 0, 59) || !inRange(s.second, 0, 60))
        return std::nullopt;
    return parsed;
}

} // namespace kanalo
