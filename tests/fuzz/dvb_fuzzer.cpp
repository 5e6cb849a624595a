// Feeds arbitrary bytes to the DVB2000 import, taking every group and choosing group by group,
// and checks the lists it fills.
#include "core/channels/channel_file_reader.h"
#include "core/channels/channel_file_writer.h"
#include "core/listops/dvb_import.h"
#include "tests/fuzz/filled_lists_check.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

using namespace kanalo;

void check(const ChannelTable& table, const DvbImportCounts& counts) {
    checkFilledLists(table, counts.tv, counts.radio,
                     [](const ChannelRecord& record, ListKind kind) {
                         return !(record.marked() || record.epg() || record.satelliteIndex() > 3 ||
                                  record.bouquetNumber() != 0 || !record.bouquetName().empty() ||
                                  record.name().size() > kDvbNameLength ||
                                  record.name().find_first_of("\"\r\n") != std::string_view::npos ||
                                  (kind == ListKind::Radio && record.videoPid() != 0));
                     });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto table = std::make_unique<ChannelTable>();
    static auto again = std::make_unique<ChannelTable>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    check(*table, importDvbRecords(bytes, *table));
    // What the import produced survives a save and a load, short of the TV channels whose
    // video PID is 0, which any list file sends to the Radio list.
    const std::string text = writeChannelText(*table, FileForm::Long);
    readChannelText(text, *again);
    bool radioLike = false;
    for (const auto& record : table->tv())
        radioLike |= !record.isFree() && record.videoPid() == 0;
    if (!radioLike && writeChannelText(*again, FileForm::Long) != text)
        std::abort();

    // Group by group: the answers come from the titles, so inputs steer them.
    std::size_t asked = 0;
    const DvbImportCounts counts =
        importDvbRecords(bytes, *table, [&asked](std::string_view title) {
            ++asked;
            const unsigned pick = title.empty() ? 0 : static_cast<unsigned char>(title[0]) % 3;
            return pick == 0   ? DvbGroupAnswer::Import
                   : pick == 1 ? DvbGroupAnswer::Skip
                               : DvbGroupAnswer::Stop;
        });
    check(*table, counts);
    if (counts.stopped && asked == 0)
        std::abort();
    return 0;
}
