#include "bench/full_table.h"

#include <cstdio>

namespace kanalo::bench {

std::unique_ptr<ChannelTable> fullTable() {
    auto table = std::make_unique<ChannelTable>();
    unsigned i = 0;
    for (auto& r : table->slots()) {
        const bool radio = i >= kListCapacity;
        r.setFree(false);
        r.setVideoPid(radio ? 0 : 160 + i % 7000);
        r.setAudioPid(80 + i % 8000);
        r.setPcrPid(160 + i % 7000);
        r.setServiceId(28000 + i);
        r.setFrequency(10700 + i % 2050);
        r.setPolarisation(i % 2);
        r.setSymbolRate(27500);
        r.setFecCode(i % 6);
        r.setSatelliteIndex(i % 32);
        r.setInUserList(i % 3 == 0);
        r.setEpg(i % 3 == 0);
        r.setBouquetNumber(i % 100);
        char name[40];
        std::snprintf(name, sizeof name, "Channel %04u with a long name..", i);
        r.setName(name);
        r.setBouquetName("Bouquet with a 31-character nam");
        ++i;
    }
    return table;
}

} // namespace kanalo::bench
