#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kanalo::test {

// One 64-byte DVB2000 record as the test wants it; big-endian words.
struct DvbRecord {
    unsigned serviceId = 28006;
    unsigned frequency = 11954; // 0 makes a group record
    unsigned symbolRate = 27500;
    unsigned fec = 0;
    unsigned polarisation = 0;
    unsigned satellite = 0;
    unsigned videoPid = 255;
    unsigned audioPid = 256;
    unsigned pcrPid = 257;
    unsigned serviceType = 1; // 1 TV, 2 Radio
    std::string text = "Channel";
    std::string magic = "DVSO";

    std::string bytes() const {
        std::string out(64, '\0');
        out.replace(0, 4, magic.substr(0, 4));
        const auto word = [&out](std::size_t at, unsigned value) {
            out[at] = static_cast<char>((value >> 8) & 0xff);
            out[at + 1] = static_cast<char>(value & 0xff);
        };
        word(4, serviceId);
        word(6, 0xabcd); // unread fields carry noise
        word(8, frequency);
        word(10, symbolRate);
        out[12] = static_cast<char>(fec);
        out[13] = '\x55';
        out[14] = static_cast<char>(polarisation);
        out[15] = static_cast<char>(satellite);
        word(16, videoPid);
        word(18, audioPid);
        word(20, pcrPid);
        out[22] = '\x77';
        out[27] = static_cast<char>(serviceType);
        out[28] = '\x66';
        out.replace(32, std::min<std::size_t>(text.size(), 32), text.substr(0, 32));
        return out;
    }
};

inline std::string dvbGroup(std::string_view title) {
    DvbRecord group;
    group.frequency = 0;
    group.serviceType = 0;
    group.text = std::string(title);
    return group.bytes();
}

inline std::string dvbChannel(std::string_view name, unsigned serviceType = 1) {
    DvbRecord channel;
    channel.text = std::string(name);
    channel.serviceType = serviceType;
    return channel.bytes();
}

} // namespace kanalo::test
