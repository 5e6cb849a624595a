#pragma once

#include "core/channels/channel_record.h"

#include <string_view>

namespace kanalo::test {

// An occupied record with the fields the order and the comparison look at.
struct Channel {
    std::string_view name = "Channel";
    unsigned sat = 0, freq = 11954, pol = 0;
    unsigned videoPid = 255, audioPid = 256, pcrPid = 255;
    unsigned serviceId = 28006, symbolRate = 27500, fec = 2;
    bool free = false;

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
        r.setFree(free);
        return r;
    }
};

} // namespace kanalo::test
