// Feeds arbitrary text to the channels.conf import, checks the lists it fills, and checks that an
// export of them imports back the same.
#include "core/channels/satellite_table.h"
#include "core/listops/vdr_channels.h"
#include "tests/fuzz/filled_lists_check.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <utility>

namespace {

using namespace kanalo;

void check(const ChannelTable& table, const VdrImportCounts& counts) {
    checkFilledLists(
        table, counts.tv, counts.radio, [](const ChannelRecord& record, ListKind kind) {
            return !(record.marked() || record.epg() || record.satelliteIndex() > 31 ||
                     (record.videoPid() == 0) != (kind == ListKind::Radio) ||
                     record.name().find_first_of("\"\r\n\x86\x87") != std::string_view::npos ||
                     record.bouquetName().find_first_of("\"\r\n\x86\x87") !=
                         std::string_view::npos);
        });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto table = std::make_unique<ChannelTable>();
    static auto again = std::make_unique<ChannelTable>();
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const VdrImportCounts counts = importVdrText(text, *table);
    check(*table, counts);
    if (!isVdrChannelText(text) && counts.tv + counts.radio + counts.dvbS2 != 0)
        std::abort(); // a file refused as no channels.conf would have brought channels

    // Export and import again: every channel on a known satellite comes back whole, with its
    // list's group number as bouquet number. The channels left out move the others up, so the
    // first 999 of those that come back are in the user list.
    const VdrExport exported = writeVdrText(*table);
    const VdrImportCounts back = importVdrText(exported.text, *again);
    if (back.skipped() != 0)
        std::abort();
    std::size_t left = 0;
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        std::size_t next = 0;
        for (ChannelRecord record : std::as_const(*table).list(kind)) {
            if (record.isFree())
                break;
            if (record.satelliteIndex() == SatelliteTable::kUnknownIndex) {
                ++left;
                continue;
            }
            record.setBouquetNumber(kind == ListKind::Tv ? 1 : 2);
            record.setInUserList(next < kUserListCapacity);
            if (!(again->list(kind)[next++] == record))
                std::abort();
        }
        if (std::as_const(*again).list(kind).occupiedCount() != next)
            std::abort();
    }
    if (left != exported.skipped)
        std::abort();

    return 0;
}
