#include "core/listops/transponders.h"

#include "core/channels/satellite_table.h"
#include "core/format/cell_text.h"

namespace kanalo {

bool sameTransponder(const ChannelRecord& a, const ChannelRecord& b) {
    return a.satelliteIndex() == b.satelliteIndex() && a.frequency() == b.frequency() &&
           a.polarisation() == b.polarisation();
}

std::vector<TransponderLine> transponderChannels(const ChannelTable& table,
                                                 const ChannelRecord& chosen) {
    std::vector<TransponderLine> lines;
    for (const ListKind half : {ListKind::Tv, ListKind::Radio}) {
        const ConstChannelList list = table.list(half);
        for (std::size_t slot = 0; slot < list.size(); ++slot)
            if (!list[slot].isFree() && sameTransponder(list[slot], chosen))
                lines.push_back({half, static_cast<int>(slot)});
    }
    return lines;
}

std::string transponderTitle(const ChannelRecord& chosen) {
    const auto& entries = SatelliteTable::entries();
    const std::size_t index = chosen.satelliteIndex();
    const std::string_view satellite =
        index < entries.size() ? entries[index].displayName : std::string_view();
    return "Transponder " + std::string(satellite) + ' ' + std::to_string(chosen.frequency()) +
           ' ' + std::string(polarisationText(chosen.polarisation()));
}

std::string transponderLineText(const ChannelRecord& record, ListKind half) {
    return std::string(half == ListKind::Tv ? "TV" : "Radio") + '\t' + bracketedName(record.name());
}

} // namespace kanalo
