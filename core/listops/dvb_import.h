#pragma once

#include "core/channels/channel_table.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kanalo {

// DVB2000 channel list files: 64-byte big-endian records, each starting with "DVSO".
inline constexpr std::size_t kDvbRecordSize = 64;
inline constexpr std::string_view kDvbMagic = "DVSO";
inline constexpr std::size_t kDvbNameLength = 20;

enum class DvbReadStatus { Ok, CannotOpen, ReadError, WrongVersion };

// "Cannot open file.", "Read error." or "Wrong file version."; empty for Ok.
const char* statusMessage(DvbReadStatus status);

// Reads the whole file and checks that it starts with the magic. On failure the bytes are left
// untouched.
DvbReadStatus readDvbFile(const std::filesystem::path& path, std::string& bytes);

// Reads a foreign list file whole into `bytes` when `recognised` accepts its content; the
// status says why not otherwise. Shared by the imports of every foreign format.
DvbReadStatus readForeignFile(const std::filesystem::path& path, std::string& bytes,
                              const std::function<bool(const std::string&)>& recognised);

// What to do with the channels of a group, asked with the group's title (raw bytes).
enum class DvbGroupAnswer { Import, Skip, Stop };
using DvbGroupQuestion = std::function<DvbGroupAnswer(std::string_view title)>;

struct DvbImportCounts {
    std::size_t tv = 0;
    std::size_t radio = 0;
    bool stopped = false; // a group question ended the walk
};

// File code (low 3 bits) to FEC code.
std::uint8_t dvbFecCode(std::uint8_t fileCode);

// Replaces the whole table with the channels of the records: TV ones fill the TV list from its
// first slot, Radio ones the Radio list, each up to 1999; the first 999 of each list go into
// the user list. The walk ends at the first record without the magic; a trailing piece shorter
// than a record is ignored. Without a question every group is imported.
DvbImportCounts importDvbRecords(std::string_view bytes, ChannelTable& table,
                                 const DvbGroupQuestion& askGroup = {});

} // namespace kanalo
