#pragma once

#include "core/channels/channel_file_writer.h"
#include "core/channels/channel_table.h"
#include "core/channels/file_stamp.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kanalo {

enum class LoadStatus { Ok, CannotOpen, ReadError };
enum class SaveStatus { Ok, WriteError };

// The user-facing text of each failure; the editor shows these in its message boxes.
const char* statusMessage(LoadStatus status); // "Cannot open file." / "Read error."
const char* statusMessage(SaveStatus status); // "File write error."

// The largest file any reader takes; a full list in the long form is under 600 KB.
constexpr std::uintmax_t kMaxChannelFileSize = 16u << 20;

// Reads a whole file into memory; every file input goes through here. Only regular files are
// read: a device, pipe, socket or folder is CannotOpen at once (opening never waits for a
// writer), a file over kMaxChannelFileSize is ReadError without being read. On failure the
// output is left untouched. With a stamp, the stamp of what was read is stored there.
LoadStatus readWholeFile(const std::filesystem::path& path, std::string& bytes,
                         FileStamp* stamp = nullptr);

// Reads a channel list file into the table. On failure the table is left untouched.
LoadStatus loadChannelFile(const std::filesystem::path& path, ChannelTable& table,
                           FileStamp* stamp = nullptr);

// The backup name of a list file: the name cut at its last "." (when it has one) plus ".bak".
// A name that would pass the folder's longest name is cut at its end first, by whole UTF-8
// characters.
std::string backupNameFor(std::string name, std::size_t longestName = 255);
std::filesystem::path backupPathFor(const std::filesystem::path& path);

// Saves the bytes as every file Kanalo writes is saved, with the backup rule: an existing file
// is kept as "<name>.bak" unless a backup exists already (an existing backup is never
// replaced). A file the user may not write is never replaced. The new content is written to a
// temporary file beside the target and renamed over it only once it is complete. Where that
// cannot be (a folder that takes no new file or refuses the rename, a file with more than one
// name), the file is overwritten in place after its old bytes were copied to the backup, and
// written back if that fails. Either way a failed save leaves the old file and any backup as
// they were; only when even the write-back fails does the new backup stay, holding the old
// bytes. A save through a symbolic link, a dangling one too, writes the file it names;
// permission bits (and, where allowed, the owner) are kept.
SaveStatus saveFile(const std::filesystem::path& path, std::string_view bytes);

// Saves the table as a channel list file with saveFile.
SaveStatus saveChannelFile(const std::filesystem::path& path, const ChannelTable& table,
                           FileForm form);

// Creates or truncates the file and writes the table, without backup. For the transfer file in
// the editor's private folder.
SaveStatus writeChannelFile(const std::filesystem::path& path, const ChannelTable& table,
                            FileForm form);

} // namespace kanalo
