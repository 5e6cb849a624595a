#include "core/listops/apply_order.h"

#include "core/listops/channel_order.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace kanalo {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The channels sharing each key, in slot order. Taking a channel moves its key's group on, so
// every channel is taken at most once and always the first one left. Sorted groups rather than
// a hash map: no allocation per key.
template <typename Key> class KeyGroups {
public:
    explicit KeyGroups(std::size_t channels) { members_.reserve(channels); }

    void add(Key key, std::size_t channel) { members_.push_back({key, channel, 0}); }

    // After the last add.
    void group() {
        std::sort(members_.begin(), members_.end(), [](const Member& a, const Member& b) {
            return a.key < b.key || (a.key == b.key && a.channel < b.channel);
        });
        for (std::size_t at = 0; at < members_.size(); ++at)
            members_[at].next = at;
    }

    std::size_t take(const Key& key) {
        const auto first = std::lower_bound(
            members_.begin(), members_.end(), key,
            [](const Member& member, const Key& wanted) { return member.key < wanted; });
        if (first == members_.end() || first->key != key)
            return kNone;
        const std::size_t next = first->next; // kept in the group's first member
        if (next == members_.size() || members_[next].key != key)
            return kNone;
        first->next = next + 1;
        return members_[next].channel;
    }

private:
    struct Member {
        Key key;
        std::size_t channel;
        std::size_t next;
    };
    std::vector<Member> members_;
};

// Channel c is the c-th occupied slot of the list; entry e the e-th of the reference.
class Matching {
public:
    Matching(ConstChannelList list, std::span<const ReferenceEntry> reference)
        : list_(list), reference_(reference), channelOf_(reference.size(), kNone) {
        for (std::size_t slot = 0; slot < kListCapacity; ++slot)
            if (!list[slot].isFree())
                slots_.push_back(slot);
        taken_.assign(slots_.size(), false);
    }

    void matchIdentities() {
        KeyGroups<ChannelIdentity> channels(slots_.size());
        identities_.reserve(slots_.size());
        for (std::size_t c = 0; c < slots_.size(); ++c) {
            identities_.push_back(channelIdentity(record(c)));
            channels.add(identities_[c], c);
        }
        channels.group();
        for (std::size_t e = 0; e < reference_.size(); ++e) {
            if (const auto& identity = reference_[e].identity) {
                namedIdentities_.push_back(*identity);
                match(e, channels.take(*identity));
            }
        }
        std::sort(namedIdentities_.begin(), namedIdentities_.end());
    }

    // Names only for channels whose identity the reference does not name (see the header).
    void matchNames() {
        // The keys share one buffer, channel after channel; the other channels have empty ones.
        std::string keys;
        keys.reserve(slots_.size() * ChannelRecord::kTextCapacity);
        std::vector<std::size_t> keyEnds(slots_.size());
        for (std::size_t c = 0; c < slots_.size(); ++c) {
            if (!taken_[c] && !std::binary_search(namedIdentities_.begin(), namedIdentities_.end(),
                                                  identities_[c]))
                appendChannelNameKey(keys, record(c).name());
            keyEnds[c] = keys.size();
        }
        KeyGroups<std::string_view> channels(slots_.size());
        for (std::size_t c = 0, start = 0; c < slots_.size(); start = keyEnds[c++])
            if (keyEnds[c] > start)
                channels.add(std::string_view(keys).substr(start, keyEnds[c] - start), c);
        channels.group();
        for (std::size_t e = 0; e < reference_.size(); ++e)
            if (channelOf_[e] == kNone && !reference_[e].nameKey.empty())
                match(e, channels.take(reference_[e].nameKey));
    }

    // The slots in their new order: matched channels, unmatched ones, free slots.
    std::vector<int> slotOrder() const {
        std::vector<int> order;
        order.reserve(kListCapacity);
        for (const std::size_t c : channelOf_)
            if (c != kNone)
                order.push_back(static_cast<int>(slots_[c]));
        for (std::size_t c = 0; c < slots_.size(); ++c)
            if (!taken_[c])
                order.push_back(static_cast<int>(slots_[c]));
        for (std::size_t slot = 0; slot < kListCapacity; ++slot)
            if (list_[slot].isFree())
                order.push_back(static_cast<int>(slot));
        return order;
    }

    std::size_t channelCount() const { return slots_.size(); }
    std::size_t matchedCount() const {
        return static_cast<std::size_t>(std::count(taken_.begin(), taken_.end(), true));
    }

private:
    const ChannelRecord& record(std::size_t c) const { return list_[slots_[c]]; }
    void match(std::size_t e, std::size_t c) {
        if (c == kNone)
            return;
        channelOf_[e] = c;
        taken_[c] = true;
    }

    ConstChannelList list_;
    std::span<const ReferenceEntry> reference_;
    std::vector<std::size_t> slots_;
    std::vector<std::size_t> channelOf_; // per entry
    std::vector<bool> taken_;            // per channel
    std::vector<ChannelIdentity> identities_;
    std::vector<ChannelIdentity> namedIdentities_; // sorted
};

void appendListSummary(std::string& text, std::string_view list, const ListOrderSummary& summary) {
    if (!text.empty())
        text += ' ';
    text += list;
    if (summary.referenceEntries == 0) {
        text += ": no channels in the reference, list unchanged.";
        return;
    }
    text += ": " + std::to_string(summary.matched) + " of " + std::to_string(summary.channels) +
            " channels ordered by the reference, " + std::to_string(summary.notFound()) +
            (summary.unmatched == UnmatchedChannels::Remove ? " not found removed."
                                                            : " not found placed after them.");
}

} // namespace

ListOrderSummary applyReferenceOrder(ChannelList list, std::span<const ReferenceEntry> reference,
                                     UnmatchedChannels unmatched) {
    Matching matching(list, reference);
    ListOrderSummary summary;
    summary.referenceEntries = reference.size();
    summary.channels = matching.channelCount();
    summary.unmatched = unmatched;
    if (reference.empty())
        return summary; // nothing to order by: even Remove must not empty the list
    matching.matchIdentities();
    matching.matchNames();
    summary.matched = matching.matchedCount();
    rewriteInOrder(list, matching.slotOrder());
    if (unmatched == UnmatchedChannels::Remove)
        for (std::size_t slot = summary.matched; slot < summary.channels; ++slot)
            list[slot].setFree(true); // stale contents stay, as in every freed slot
    return summary;
}

ApplyOrderSummary applyReferenceOrder(ChannelTable& table, const OrderReference& reference,
                                      OrderedLists lists, UnmatchedChannels unmatched) {
    ApplyOrderSummary summary;
    if (lists != OrderedLists::Radio)
        summary.tv = applyReferenceOrder(table.tv(), reference.tv, unmatched);
    if (lists != OrderedLists::Tv)
        summary.radio = applyReferenceOrder(table.radio(), reference.radio, unmatched);
    return summary;
}

std::string applyOrderSummaryText(const ApplyOrderSummary& summary) {
    std::string text;
    if (summary.tv)
        appendListSummary(text, "TV", *summary.tv);
    if (summary.radio)
        appendListSummary(text, "Radio", *summary.radio);
    return text;
}

} // namespace kanalo
