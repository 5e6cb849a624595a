#include "core/listops/duplicates.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace kanalo {

namespace {

// Everything that is compared, packed so that equal channels have equal keys.
using Key = std::array<std::uint64_t, 2>;

Key compareKey(const ChannelRecord& record, ListKind kind) {
    const std::uint64_t videoPid = kind == ListKind::Tv ? record.videoPid() : 0;
    const std::uint64_t tuning = std::uint64_t{record.frequency()} |
                                 std::uint64_t{record.polarisation()} << 14 |
                                 std::uint64_t{record.satelliteIndex()} << 16 |
                                 std::uint64_t{record.fecCode()} << 24 | videoPid << 32;
    const std::uint64_t pids = std::uint64_t{record.audioPid()} |
                               std::uint64_t{record.pcrPid()} << 13 |
                               std::uint64_t{record.serviceId()} << 26;
    return {tuning, pids};
}

} // namespace

bool sameChannelData(const ChannelRecord& a, const ChannelRecord& b, ListKind kind) {
    return compareKey(a, kind) == compareKey(b, kind);
}

std::vector<DuplicateLine> findDuplicates(ConstChannelList list, ListKind kind) {
    struct Entry {
        Key key;
        int slot;
    };
    std::vector<Entry> entries;
    entries.reserve(list.size());
    for (std::size_t slot = 0; slot < list.size(); ++slot)
        if (!list[slot].isFree())
            entries.push_back({compareKey(list[slot], kind), static_cast<int>(slot)});
    // Sorted by key and then slot, each group of equal channels is one run in slot order.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.slot < b.slot;
    });
    // For every slot, where its entry sits and where its run ends.
    std::vector<int> position(list.size(), -1);
    std::vector<int> runEnd(list.size(), -1);
    for (std::size_t begin = 0; begin < entries.size();) {
        std::size_t end = begin + 1;
        while (end < entries.size() && entries[end].key == entries[begin].key)
            ++end;
        for (std::size_t i = begin; i < end; ++i) {
            position[static_cast<std::size_t>(entries[i].slot)] = static_cast<int>(i);
            runEnd[static_cast<std::size_t>(entries[i].slot)] = static_cast<int>(end);
        }
        begin = end;
    }

    std::vector<DuplicateLine> lines;
    for (std::size_t slot = 0; slot < list.size(); ++slot) {
        const int at = position[slot];
        if (at < 0 || at + 1 >= runEnd[slot])
            continue;
        lines.push_back({static_cast<int>(slot), true});
        for (int later = at + 1; later < runEnd[slot]; ++later)
            lines.push_back({entries[static_cast<std::size_t>(later)].slot, false});
    }
    return lines;
}

std::string duplicateLineText(const ChannelRecord& record, int slot, ListKind kind, bool head) {
    const std::string_view stored = record.name();
    const std::size_t last = stored.find_last_not_of(' ');
    const std::string_view name =
        last == std::string_view::npos ? std::string_view() : stored.substr(0, last + 1);
    char number[64];
    std::snprintf(number, sizeof number, "%c\t%03d\t%s\t", head ? '*' : ' ', slot + 1,
                  kind == ListKind::Tv ? "TV" : "Radio");
    char tail[32];
    std::snprintf(tail, sizeof tail, "\t%02d\t%05d", record.satelliteIndex() + 1,
                  record.frequency());
    return std::string(number) + std::string(name) + tail;
}

} // namespace kanalo
