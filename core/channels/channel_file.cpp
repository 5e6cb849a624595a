#include "core/channels/channel_file.h"

#include "core/channels/channel_file_reader.h"
#include "core/channels/file_descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace kanalo {

namespace fs = std::filesystem;

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

LoadStatus readWholeFile(const fs::path& path, std::string& bytes, FileStamp* stamp) {
    // Devices are refused before they are opened: opening one can have effects of its own.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return LoadStatus::CannotOpen;
    // Non-blocking, so a file swapped for a pipe in the meantime cannot hang the open; the
    // descriptor's own type is what readOpenFile checks.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return LoadStatus::CannotOpen;
    const LoadStatus status = readOpenFile(fd.get(), bytes);
    if (stamp && status == LoadStatus::Ok && ::fstat(fd.get(), &info) == 0)
        *stamp = FileStamp::of(info, bytes);
    return status;
}

LoadStatus loadChannelFile(const fs::path& path, ChannelTable& table, FileStamp* stamp) {
    std::string bytes;
    const LoadStatus status = readWholeFile(path, bytes, stamp);
    if (status == LoadStatus::Ok)
        readChannelText(bytes, table);
    return status;
}

std::string backupNameFor(std::string name, std::size_t longestName) {
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    constexpr std::string_view kSuffix = ".bak";
    std::size_t room = longestName > kSuffix.size() ? longestName - kSuffix.size() : 0;
    if (name.size() > room) {
        while (room > 0 && (static_cast<unsigned char>(name[room]) & 0xC0) == 0x80)
            --room; // never inside a character
        name.erase(room);
    }
    return name + std::string(kSuffix);
}

fs::path backupPathFor(const fs::path& path) {
    return path.parent_path() / backupNameFor(path.filename().string());
}

} // namespace kanalo
