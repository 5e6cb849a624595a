#include "core/channels/file_stamp.h"

#include "core/channels/channel_file.h"

#include <sys/stat.h>

namespace kanalo {

namespace {

// FNV-1a: tells apart the versions of one file, it need not withstand an adversary.
std::uint64_t hashOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

FileStamp FileStamp::of(const struct stat& info, std::string_view bytes) {
    return {.known = true,
            .device = static_cast<std::uint64_t>(info.st_dev),
            .inode = static_cast<std::uint64_t>(info.st_ino),
            .size = static_cast<std::uint64_t>(info.st_size),
            .modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                          info.st_mtim.tv_nsec,
            .hash = hashOf(bytes)};
}

FileStamp readFileStamp(const std::filesystem::path& path) {
    std::string bytes;
    FileStamp stamp;
    readWholeFile(path, bytes, &stamp);
    return stamp;
}

bool changedSince(const std::filesystem::path& path, const FileStamp& stamp) {
    struct stat info {};
    if (!stamp.known || ::stat(path.c_str(), &info) != 0)
        return false;
    // The same file, size and time: nothing was written, no need to read it.
    const FileStamp quick = FileStamp::of(info, {});
    if (quick.device == stamp.device && quick.inode == stamp.inode && quick.size == stamp.size &&
        quick.modifiedNs == stamp.modifiedNs)
        return false;
    const FileStamp now = readFileStamp(path);
    return !now.known || now.size != stamp.size || now.hash != stamp.hash;
}

} // namespace kanalo
