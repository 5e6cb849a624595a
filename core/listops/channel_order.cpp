#include "core/listops/channel_order.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace kanalo {

namespace {

constexpr unsigned char kEmphasisOn = 0x86;
constexpr unsigned char kEmphasisOff = 0x87;

// Everything one slot contributes to the order under one key, built once per slot so a sort
// does not refold names in every comparison.
struct OrderKey {
    // Free flag on top, then the numeric keys in the key's order, each in its own bit range.
    std::uint64_t rank = 0;
    std::uint8_t nameLength = 0;
    std::array<unsigned char, ChannelRecord::kMaxTextLength> name{};
};

constexpr std::uint64_t kFreeBit = std::uint64_t{1} << 63;

void foldName(std::string_view stored, OrderKey& key) {
    std::size_t length = 0;
    for (const char c : stored.substr(0, ChannelRecord::kMaxTextLength)) {
        auto byte = static_cast<unsigned char>(c);
        if (byte == kEmphasisOn || byte == kEmphasisOff)
            continue;
        if (byte >= 'A' && byte <= 'Z')
            byte = static_cast<unsigned char>(byte - 'A' + 'a');
        key.name[length++] = byte;
    }
    key.nameLength = static_cast<std::uint8_t>(length);
}

OrderKey makeKey(ColumnKind column, ListKind list, const ChannelRecord& record) {
    OrderKey key;
    if (record.isFree()) {
        // Every free slot gets the same key, whatever stale data it holds.
        key.rank = kFreeBit;
        return key;
    }
    const std::uint64_t sat = record.satelliteIndex();
    const std::uint64_t freq = record.frequency();
    const std::uint64_t pid = list == ListKind::Tv ? record.videoPid() : record.audioPid();
    const std::uint64_t pol = record.polarisation();
    switch (column) {
    case ColumnKind::Name:
    case ColumnKind::SatNumber:
    case ColumnKind::SatName:
        key.rank = sat << 32 | freq << 16 | pid;
        break;
    case ColumnKind::Frequency:
        key.rank = freq << 32 | sat << 16 | pid;
        break;
    case ColumnKind::Polarisation:
        key.rank = pol << 48 | sat << 32 | freq << 16 | pid;
        break;
    default:
        return key;
    }
    foldName(record.name(), key);
    return key;
}

int compareNames(const OrderKey& a, const OrderKey& b) {
    const std::size_t common = std::min(a.nameLength, b.nameLength);
    if (const int byBytes = std::memcmp(a.name.data(), b.name.data(), common); byBytes != 0)
        return byBytes;
    return int{a.nameLength} - int{b.nameLength};
}

int compareRanks(std::uint64_t a, std::uint64_t b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

int compareKeys(ColumnKind column, const OrderKey& a, const OrderKey& b) {
    if (column == ColumnKind::Name) {
        // The name leads, but a free slot still goes after every channel.
        if (const int byFree = compareRanks(a.rank & kFreeBit, b.rank & kFreeBit); byFree != 0)
            return byFree;
        if (const int byName = compareNames(a, b); byName != 0)
            return byName;
        return compareRanks(a.rank, b.rank);
    }
    if (const int byRank = compareRanks(a.rank, b.rank); byRank != 0)
        return byRank;
    return compareNames(a, b);
}

} // namespace

bool isChannelOrderKey(ColumnKind key) {
    switch (key) {
    case ColumnKind::Name:
    case ColumnKind::SatNumber:
    case ColumnKind::SatName:
    case ColumnKind::Frequency:
    case ColumnKind::Polarisation:
        return true;
    default:
        return false;
    }
}

int compareChannels(ColumnKind key, ListKind list, const ChannelRecord& a, const ChannelRecord& b) {
    if (!isChannelOrderKey(key))
        return 0;
    return compareKeys(key, makeKey(key, list, a), makeKey(key, list, b));
}

std::vector<int> sortedSlotOrder(ConstChannelList list, ListKind kind, ColumnKind key) {
    std::vector<int> order(list.size());
    std::iota(order.begin(), order.end(), 0);
    if (!isChannelOrderKey(key))
        return order;
    std::vector<OrderKey> keys;
    keys.reserve(list.size());
    for (const ChannelRecord& record : list)
        keys.push_back(makeKey(key, kind, record));
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return compareKeys(key, keys[static_cast<std::size_t>(a)],
                           keys[static_cast<std::size_t>(b)]) < 0;
    });
    return order;
}

void rewriteInOrder(ChannelList list, std::span<const int> order) {
    assert(order.size() == list.size());
    const std::vector<ChannelRecord> before(list.begin(), list.end());
    const std::size_t count = std::min(order.size(), list.size());
    for (std::size_t slot = 0; slot < count; ++slot)
        list[slot] = before[static_cast<std::size_t>(order[slot])];
}

std::vector<int> orderByNumberTexts(std::span<const int> numbers) {
    std::vector<int> order(numbers.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return numbers[static_cast<std::size_t>(a)] < numbers[static_cast<std::size_t>(b)];
    });
    return order;
}

} // namespace kanalo
