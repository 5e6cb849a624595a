#pragma once

#include "channels/channel_record.h"

#include <string_view>

namespace kanalo::test {

// An occupied record with the fields the order and the comparison look at.
struct Channel {
    std::string_view name = "Channel";
    unsigned sat = 0;
    unsigned freq = 11954;
    unsigned pol = 0;
    unsigned videoPid = 255;
    unsigned audioPid = 256;
    unsigned pcrPid = 255;
    unsigned serviceId = 28006;
    unsigned symbolRate = 27500;
    unsigned fec = 2;

    ChannelRecord record() const {
        ChannelRecord r;
        r.setName(name);
        r.setSatelliteIndex(sat);
        r.setFrequency(freq);
        r.setPolarisation(pol);
        r.setVideoPid(videoPid);
        r.setAudioPid(audioPid);
        r.setPcrPid(pcrPid);
        r.setServiceId(serviceId);
        r.setSymbolRate(symbolRate);
        r.setFecCode(fec);
        return r;
    }
};

inline ChannelRecord freeSlot(ChannelRecord stale = Channel{}.record()) {
    stale.setFree(true);
    return stale;
}

} // namespace kanalo::test
