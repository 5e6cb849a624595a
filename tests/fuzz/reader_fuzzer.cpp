// Feeds arbitrary bytes to the channel list reader and checks what it produced.
#include "core/channels/channel_file_reader.h"
#include "core/channels/channel_file_writer.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kanalo;
    static auto table = std::make_unique<ChannelTable>();
    static auto again = std::make_unique<ChannelTable>();
    readChannelText(std::string_view(reinterpret_cast<const char*>(data), size), *table);
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        const ConstChannelList list = table->list(kind);
        if (list.userListCount() > kUserListCapacity)
            std::abort();
        for (const auto& record : list)
            if (!record.isFree() && (record.marked() || record.satelliteIndex() >= 32 ||
                                     (record.epg() && !record.inUserList())))
                std::abort();
    }
    // What the writer makes of it reads back to the same table, unless a name holds a line
    // feed (an unclosed quote takes the line end along), which no file line can carry, or a
    // video PID of 8192 and up was masked to 0 in the TV list, which reads back as Radio.
    bool lossyInput = false;
    for (const auto& record : table->slots())
        if (!record.isFree())
            lossyInput |= record.name().find('\n') != std::string_view::npos ||
                          record.bouquetName().find('\n') != std::string_view::npos;
    for (const auto& record : table->tv())
        lossyInput |= !record.isFree() && record.videoPid() == 0;
    const std::string text = writeChannelText(*table, FileForm::Long);
    readChannelText(text, *again);
    if (!lossyInput && writeChannelText(*again, FileForm::Long) != text)
        std::abort();
    return 0;
}
