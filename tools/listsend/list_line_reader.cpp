#include "tools/listsend/list_line_reader.h"

#include <cstdio>

namespace kanalo::send {

namespace {

char togglePolarisationLetter(char c) {
    switch (c) {
    case 'h':
    case 'H':
        return 'v';
    case 'v':
    case 'V':
        return 'h';
    default:
        return c;
    }
}

} // namespace

bool ListLineReader::next(std::string& text) {
    text.clear();
    unsigned separators = 0;
    // "No previous character" counts like a non-blank, so a leading blank is a separator.
    bool previousIsSpace = false;
    for (;;) {
        int read = std::getc(file_);
        if (read == EOF)
            return false;
        char c = static_cast<char>(read);
        if (c == '\r')
            continue;
        if (c == '\n')
            return true;
        if (togglePolarisation_) {
            if (c == ' ' && !previousIsSpace)
                ++separators;
            if (separators == 3)
                c = togglePolarisationLetter(c);
            previousIsSpace = c == ' ' || c == '\t';
        }
        text.push_back(c);
        if (text.size() == maxPieceLength) {
            skipLineEndAfterFullPiece();
            return true;
        }
    }
}

// A line of exactly maxPieceLength characters is one piece, not a piece plus an empty line.
void ListLineReader::skipLineEndAfterFullPiece() {
    int read = 0;
    do {
        read = std::getc(file_);
    } while (read == '\r');
    if (read != '\n' && read != EOF)
        std::ungetc(read, file_);
}

std::uint32_t lineChecksum(std::string_view text) {
    std::uint32_t sum = 0;
    for (char c : text) {
        auto code = static_cast<unsigned char>(c);
        if (code >= 0x21 && code <= 0x7F)
            sum += code;
    }
    return sum;
}

std::string wireForm(std::string_view text) {
    char sum[24];
    std::snprintf(sum, sizeof sum, " %8lu\n", static_cast<unsigned long>(lineChecksum(text)));
    std::string wire(text);
    wire += sum;
    return wire;
}

} // namespace kanalo::send
