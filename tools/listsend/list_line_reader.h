#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace kanalo::send {

// The longest piece of a file line sent as one list line.
inline constexpr std::size_t maxPieceLength = 2047;

// Reads the lines of a channel list file for sending: CR removed, LF ends a line, a line
// longer than maxPieceLength comes as several pieces, and a last line without LF is dropped.
// With the polarisation toggle, h/H in the fourth blank-separated field become "v" and
// v/V become "h".
class ListLineReader {
public:
    ListLineReader(std::FILE* file, bool togglePolarisation)
        : file_(file), togglePolarisation_(togglePolarisation) {}

    // The next piece; false when the file is exhausted.
    bool next(std::string& text);
    // True when reading stopped on a read error rather than at the end of the file.
    bool failed() const { return std::ferror(file_) != 0; }

private:
    void skipLineEndAfterFullPiece();

    std::FILE* file_;
    bool togglePolarisation_;
};

// Sum of the character codes from 0x21 to 0x7F; blanks, control and 8-bit codes do not count.
std::uint32_t lineChecksum(std::string_view text);

// The text as it goes on the wire: text, blank, sum right-aligned in eight places, LF.
std::string wireForm(std::string_view text);

} // namespace kanalo::send
