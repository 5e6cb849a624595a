#include "core/listops/order_reference.h"

#include <array>

namespace kanalo {

namespace {

// What blanks fold to; a zero byte never reaches the fold, as a name ends before it.
constexpr char kBlank = '\0';

// Each byte's folded form.
constexpr std::array<char, 256> makeFoldTable() {
    std::array<char, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned folded = byte;
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
            folded = byte + 0x20; // ASCII and the Latin-1 block: À..Þ to à..þ, not ×
        else if (byte == 0x8A || byte == 0x8C || byte == 0x8E)
            folded = byte + 0x10; // Š Œ Ž to š œ ž
        else if (byte == 0x9F)
            folded = 0xFF; // Ÿ to ÿ
        else if (byte == 0x86)
            folded = '[';
        else if (byte == 0x87)
            folded = ']';
        table[byte] = static_cast<char>(folded);
    }
    table[' '] = table['\t'] = table[0xA0] = kBlank;
    return table;
}

constexpr std::array<char, 256> kFold = makeFoldTable();

} // namespace

ChannelIdentity channelIdentity(const ChannelRecord& record) {
    // Any polarisation value other than 0 is written and tuned as vertical.
    const ChannelIdentity vertical = record.polarisation() != 0 ? 1 : 0;
    return ChannelIdentity{record.satelliteIndex()} << 40 |
           ChannelIdentity{record.frequency()} << 24 | vertical << 16 | record.serviceId();
}

void appendChannelNameKey(std::string& out, std::string_view name) {
    const std::size_t start = out.size();
    out.resize(start + name.size());
    char* const key = out.data() + start;
    std::size_t length = 0;
    bool blankPending = false;
    for (const char byte : name) {
        const char folded = kFold[static_cast<unsigned char>(byte)];
        if (folded == kBlank) {
            blankPending = length != 0;
            continue;
        }
        if (blankPending)
            key[length++] = ' ';
        blankPending = false;
        key[length++] = folded;
    }
    out.resize(start + length);
}

std::string channelNameKey(std::string_view name) {
    std::string key;
    appendChannelNameKey(key, name);
    return key;
}

} // namespace kanalo
