#pragma once

#include "core/channels/channel_file_writer.h"
#include "core/channels/channel_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kanalo::cli {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

using Arguments = std::vector<std::string_view>;

extern const char* const kUsage;

// Prints the usage text on standard error; returns the exit code for a bad command line.
int usage();
// Prints the message on standard error; returns the exit code for a failure.
int fail(const char* message);
// Writes the text to standard output; a failed write is a failure.
int writeToStdout(const std::string& text);
// Loads a channel list file; 0 on success, else the exit code after reporting the failure.
int loadTable(std::string_view path, ChannelTable& table);
// Saves with the backup rule; 0 on success, else the exit code after reporting the failure.
int saveTable(std::string_view path, const ChannelTable& table, FileForm form);
// The form of "IN OUT [--form short|long]" (long by default); nothing for any other shape.
std::optional<FileForm> outputForm(const Arguments& args);

} // namespace kanalo::cli
