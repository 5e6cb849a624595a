#include "core/compare/update_comparison.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace kanalo {

namespace {

constexpr unsigned kMaxFrequency = (1u << 14) - 1;

// The fields that must be equal, packed so that records differing only in frequency sit next
// to each other in a sorted index.
struct ChannelKey {
    std::uint64_t fixed = 0;
    std::uint64_t pidsAndFrequency = 0;
    std::string_view name;
};

std::uint64_t fixedFields(const ChannelRecord& r) {
    return std::uint64_t{r.symbolRate()} << 40 | std::uint64_t{r.serviceId()} << 24 |
           std::uint64_t{r.fecCode()} << 16 | std::uint64_t{r.satelliteIndex()} << 8 |
           std::uint64_t{r.polarisation()};
}

std::uint64_t pidsAndFrequency(const ChannelRecord& r, unsigned frequency) {
    return std::uint64_t{r.pcrPid()} << 48 | std::uint64_t{r.videoPid()} << 32 |
           std::uint64_t{r.audioPid()} << 16 | frequency;
}

bool keyLess(const ChannelKey& a, const ChannelKey& b) {
    if (a.fixed != b.fixed)
        return a.fixed < b.fixed;
    if (a.pidsAndFrequency != b.pidsAndFrequency)
        return a.pidsAndFrequency < b.pidsAndFrequency;
    return a.name < b.name;
}

// The used slots of one list, sorted, so that "is there a same channel" is three binary
// searches instead of a pass over 1999 slots. Free slots never equal a used one, and only used
// records are looked up, so they stay out of the index.
class ChannelIndex {
public:
    ChannelIndex(ConstChannelList list, bool ignoreNames) : ignoreNames_(ignoreNames) {
        keys_.reserve(list.size());
        for (const ChannelRecord& record : list)
            if (!record.isFree())
                keys_.push_back(keyOf(record, record.frequency()));
        std::sort(keys_.begin(), keys_.end(), keyLess);
    }

    bool containsSameChannel(const ChannelRecord& record) const {
        const unsigned frequency = record.frequency();
        const unsigned low = frequency == 0 ? 0 : frequency - 1;
        const unsigned high = std::min(frequency + 1, kMaxFrequency);
        for (unsigned candidate = low; candidate <= high; ++candidate) {
            const ChannelKey key = keyOf(record, candidate);
            const auto found = std::lower_bound(keys_.begin(), keys_.end(), key, keyLess);
            if (found != keys_.end() && !keyLess(key, *found))
                return true;
        }
        return false;
    }

private:
    ChannelKey keyOf(const ChannelRecord& record, unsigned frequency) const {
        return {fixedFields(record), pidsAndFrequency(record, frequency),
                ignoreNames_ ? std::string_view() : record.name()};
    }

    bool ignoreNames_;
    std::vector<ChannelKey> keys_;
};

} // namespace

int channelsDiffer(const ChannelRecord& a, const ChannelRecord& b, bool ignoreName) {
    if (a.symbolRate() != b.symbolRate())
        return -1;
    // name() stops at the zero byte within the 31 stored characters, so this is the comparison
    // of the first 31 characters.
    if (!ignoreName && a.name() != b.name())
        return -1;
    const int frequencyGap = int{a.frequency()} - int{b.frequency()};
    if (frequencyGap < -1 || frequencyGap > 1)
        return -1;
    if (a.polarisation() != b.polarisation() || a.satelliteIndex() != b.satelliteIndex())
        return -1;
    if (a.isFree() != b.isFree())
        return -1;
    if (a.pcrPid() != b.pcrPid() || a.serviceId() != b.serviceId() ||
        a.videoPid() != b.videoPid() || a.audioPid() != b.audioPid())
        return -1;
    if (a.fecCode() != b.fecCode())
        return -1;
    return 0;
}

std::vector<int> markUpdateDifferences(ConstChannelList main, ConstChannelList update,
                                       bool ignoreNames) {
    const ChannelIndex index(main, ignoreNames);
    std::vector<int> marked;
    for (std::size_t slot = 0; slot < update.size(); ++slot)
        if (!update[slot].isFree() && !index.containsSameChannel(update[slot]))
            marked.push_back(static_cast<int>(slot));
    return marked;
}

bool isDeletedFromUpdate(const ChannelRecord& record, ConstChannelList update) {
    if (record.isFree())
        return false;
    return std::none_of(update.begin(), update.end(), [&](const ChannelRecord& other) {
        return channelsDiffer(record, other, true) == 0;
    });
}

std::vector<bool> deletedFromUpdate(ConstChannelList main, ConstChannelList update) {
    const ChannelIndex index(update, true);
    std::vector<bool> deleted(main.size(), false);
    for (std::size_t slot = 0; slot < main.size(); ++slot)
        deleted[slot] = !main[slot].isFree() && !index.containsSameChannel(main[slot]);
    return deleted;
}

} // namespace kanalo
