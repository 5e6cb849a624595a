#include "core/listops/channel_changes.h"

#include <algorithm>
#include <string>

namespace kanalo {

namespace {

constexpr unsigned kSatelliteCount = 32;
constexpr unsigned kDefaultSymbolRate = 27500;

std::vector<int> topDown(std::span<const int> selected) {
    std::vector<int> slots;
    slots.reserve(selected.size());
    for (const int slot : selected)
        if (slot >= 0 && static_cast<std::size_t>(slot) < kListCapacity)
            slots.push_back(slot);
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    return slots;
}

// Applies change to every selected slot the filter admits and reports the slots that differ.
template <typename Change>
std::vector<int> changeEach(ChannelList list, std::span<const int> selected, bool includeFree,
                            Change change) {
    std::vector<int> changed;
    for (const int slot : topDown(selected)) {
        ChannelRecord& record = list[static_cast<std::size_t>(slot)];
        if (record.isFree() && !includeFree)
            continue;
        const ChannelRecord before = record;
        change(record);
        if (!(record == before))
            changed.push_back(slot);
    }
    return changed;
}

bool validSlot(int slot) {
    return slot >= 0 && static_cast<std::size_t>(slot) < kListCapacity;
}

} // namespace

std::vector<int> setUserList(ChannelList list, std::span<const int> selected, bool on) {
    if (!on)
        return changeEach(list, selected, false, [](ChannelRecord& record) {
            record.setInUserList(false);
            record.setEpg(false);
        });
    std::size_t count = list.userListCount();
    return changeEach(list, selected, false, [&count](ChannelRecord& record) {
        if (record.inUserList() || count >= kUserListCapacity)
            return;
        record.setInUserList(true);
        ++count;
    });
}

std::vector<int> setEpg(ChannelList list, std::span<const int> selected, bool on) {
    return changeEach(list, selected, false, [on](ChannelRecord& record) {
        if (!on || record.inUserList())
            record.setEpg(on);
    });
}

std::vector<int> setPolarisation(ChannelList list, std::span<const int> selected, unsigned value) {
    if (value > 1)
        return {};
    return changeEach(list, selected, false,
                      [value](ChannelRecord& record) { record.setPolarisation(value); });
}

std::vector<int> setFrequency(ChannelList list, std::span<const int> selected, unsigned mhz) {
    return changeEach(list, selected, false,
                      [mhz](ChannelRecord& record) { record.setFrequency(mhz); });
}

std::vector<int> setSymbolRate(ChannelList list, std::span<const int> selected, unsigned rate) {
    return changeEach(list, selected, false,
                      [rate](ChannelRecord& record) { record.setSymbolRate(rate); });
}

std::vector<int> setSatellite(ChannelList list, std::span<const int> selected, unsigned index) {
    if (index >= kSatelliteCount)
        return {};
    return changeEach(list, selected, false,
                      [index](ChannelRecord& record) { record.setSatelliteIndex(index); });
}

std::vector<int> freeSlots(ChannelList list, std::span<const int> selected) {
    return changeEach(list, selected, true, [](ChannelRecord& record) { record.setFree(true); });
}

bool toggleUserList(ChannelList list, int slot) {
    if (!validSlot(slot))
        return false;
    ChannelRecord& record = list[static_cast<std::size_t>(slot)];
    if (record.isFree())
        return false;
    if (!record.inUserList() && list.userListCount() >= kUserListCapacity)
        return false;
    record.setInUserList(!record.inUserList());
    if (!record.inUserList())
        record.setEpg(false); // the flag means nothing outside the user list
    return true;
}

bool toggleEpg(ChannelList list, int slot) {
    if (!validSlot(slot))
        return false;
    ChannelRecord& record = list[static_cast<std::size_t>(slot)];
    if (record.isFree() || !(record.epg() || record.inUserList()))
        return false;
    record.setEpg(!record.epg());
    return true;
}

void writeNewChannelDefaults(ChannelRecord& record, ListKind kind, std::size_t userListCount) {
    if (!record.isFree() && record.inUserList() && userListCount > 0)
        --userListCount;
    record.setName(std::string(30, ' '));
    record.setSatelliteIndex(0);
    record.setFecCode(2); // 3/4
    record.setFrequency(12000);
    record.setPolarisation(0);
    record.setSymbolRate(kDefaultSymbolRate);
    record.setAudioPid(0);
    record.setVideoPid(kind == ListKind::Tv ? 1 : 0);
    record.setFree(false);
    record.setServiceId(1);
    record.setInUserList(userListCount < kUserListCapacity);
    record.setEpg(false);
    record.setBouquetNumber(0);
    record.setBouquetName({});
}

unsigned initialSymbolRate(const ChannelRecord& first) {
    return first.symbolRate() < 1000 ? kDefaultSymbolRate : first.symbolRate();
}

} // namespace kanalo
