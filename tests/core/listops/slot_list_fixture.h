#pragma once

#include "core/channels/channel_table.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace kanalo::test {

// A TV list whose channels carry their original slot as service ID (tag), so tests can say
// which channel ended where. Free slots read as tag -1.
class SlotListTest : public ::testing::Test {
protected:
    ChannelTable table;
    ChannelList list = table.tv();

    static constexpr int kSlots = static_cast<int>(kListCapacity);

    // Occupies the first count slots; the rest stay free.
    void fill(int count) {
        for (int slot = 0; slot < count; ++slot)
            occupy(slot);
    }
    void occupy(int slot) {
        ChannelRecord& record = at(slot);
        record = ChannelRecord();
        record.setVideoPid(100);
        record.setServiceId(static_cast<unsigned>(slot));
        record.setName("Channel");
    }
    void release(std::initializer_list<int> slots) {
        for (const int slot : slots)
            at(slot).setFree(true);
    }
    ChannelRecord& at(int slot) { return list[static_cast<std::size_t>(slot)]; }
    int tag(int slot) { return at(slot).isFree() ? -1 : at(slot).serviceId(); }
    std::vector<int> tags(int first, int count) {
        std::vector<int> result;
        for (int slot = first; slot < first + count; ++slot)
            result.push_back(tag(slot));
        return result;
    }
    static ChannelRecord channel(unsigned serviceId, bool inUserList = false) {
        ChannelRecord record;
        record.setVideoPid(200);
        record.setServiceId(serviceId);
        record.setInUserList(inUserList);
        return record;
    }
};

} // namespace kanalo::test
