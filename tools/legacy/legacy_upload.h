#pragma once

#include "tools/legacy/legacy_command_line.h"
#include "tools/legacy/legacy_serial.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace kanalo::legacy {

// What tells the two upload builds apart.
struct UploadVariant {
    std::string_view acceptWord;
    unsigned replyPauseMs; // between sending a line and reading its reply
    bool takesS;           // whether -s (38400 baud) is an option
};

inline constexpr UploadVariant firstUploadVariant{"Added!", 1, false};
inline constexpr UploadVariant secondUploadVariant{"added!", 20, true};

// Sends on every line at most this often before counting it failed.
inline constexpr unsigned sendsPerLine = 4;
// Longer input lines go out in pieces of this many characters, each with its own LF, so a
// piece and its LF fit the line buffer with room for the terminator.
inline constexpr std::size_t maxPieceLength = lineBufferSize - 2;

// Reads the next input line with its LF into `line`. The file's CR LF line end counts as LF.
// A line longer than maxPieceLength comes as several pieces. False at the end of the input;
// a last line without LF is dropped.
class UploadLineReader {
public:
    explicit UploadLineReader(std::FILE* input) : input_(input) {}
    bool next(std::string& line);

private:
    std::FILE* input_;
    std::string pending_; // pieces of a long line not yet handed out
    std::size_t pendingAt_ = 0;
};

// Sends the input line by line. Returns the exit code.
int runUpload(const LegacyOptions& options, const UploadVariant& variant, std::FILE* input);

} // namespace kanalo::legacy
