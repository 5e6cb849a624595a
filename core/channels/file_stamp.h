#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

struct stat;

namespace kanalo {

// What a file was when Kanalo read or wrote it: enough to tell later whether another program
// has changed it since.
struct FileStamp {
    bool known = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t hash = 0; // of the bytes

    static FileStamp of(const struct stat& info, std::string_view bytes);
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file as it is now; unknown when it cannot be read.
FileStamp readFileStamp(const std::filesystem::path& path);

// True when the file at the path now holds other bytes than the stamp describes. A file only
// touched, or rewritten with the same bytes, is unchanged; so is a file that is gone (saving
// loses nothing then), and any file when the stamp is unknown.
bool changedSince(const std::filesystem::path& path, const FileStamp& stamp);

} // namespace kanalo
