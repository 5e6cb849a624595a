// Feeds arbitrary bytes to the clipboard block decoder and pastes what it accepts.
#include "core/listops/clipboard_block.h"
#include "core/listops/slot_operations.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kanalo;
    // The block is copied to its own allocation so the sanitizer sees any read past its end.
    const auto copy = std::make_unique<std::uint8_t[]>(size);
    std::copy(data, data + size, copy.get());
    const std::span<const std::uint8_t> block(copy.get(), size);
    const auto records = decodeClipboardBlock(block);
    if (!records)
        return 0;
    const std::size_t count = records->size();
    if (count == 0 || count > kClipboardMaxCount || size < clipboardBlockSize(count) ||
        count != ((std::size_t{data[0]} << 8) | data[1]))
        std::abort();
    for (const auto& record : *records)
        if (record.marked() || record.satelliteIndex() > 31)
            std::abort();
    // Encoding what was decoded gives the same records back.
    if (decodeClipboardBlock(encodeClipboardBlock(*records)) != records)
        std::abort();

    // Pasting into an empty list must fit and keep the user list within its limit.
    static auto table = std::make_unique<ChannelTable>();
    table->clear();
    const ChannelList list = table->tv();
    if (pasteInsert(list, 0, *records) != PasteOutcome::Done)
        std::abort();
    if (list.userListCount() > kUserListCapacity ||
        trailingFreeCount(list) < static_cast<int>(kListCapacity - count))
        std::abort();
    return 0;
}
