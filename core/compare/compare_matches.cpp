#include "core/compare/compare_matches.h"

namespace kanalo {

namespace {

constexpr int kFrequencyWindow = 10; // MHz

// Lower case of a Windows-1252 byte. The upper-case letters are A-Z, 0xC0-0xDE without the
// multiplication sign 0xD7, and Š, Œ, Ž, Ÿ.
unsigned char foldCase(unsigned char byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<unsigned char>(byte + 0x20);
    switch (byte) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<unsigned char>(byte + 0x10);
    case 0x9F: // Ÿ
        return 0xFF;
    default:
        return byte;
    }
}

} // namespace

bool namesMatchIgnoringCase(std::string_view a, std::string_view b) {
    a = a.substr(0, ChannelRecord::kMaxTextLength);
    b = b.substr(0, ChannelRecord::kMaxTextLength);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldCase(static_cast<unsigned char>(a[i])) !=
            foldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool frequenciesMatch(const ChannelRecord& a, const ChannelRecord& b) {
    const int gap = int{a.frequency()} - int{b.frequency()};
    return a.satelliteIndex() == b.satelliteIndex() && a.polarisation() == b.polarisation() &&
           gap > -kFrequencyWindow && gap < kFrequencyWindow;
}

std::vector<int> compareMatches(ConstChannelList main, const ChannelRecord& update,
                                CompareMode mode) {
    std::vector<int> matches;
    if (update.isFree())
        return matches;
    for (std::size_t slot = 0; slot < main.size() && matches.size() < kMaxCompareMatches; ++slot) {
        const ChannelRecord& record = main[slot];
        if (record.isFree())
            continue;
        const bool match = mode == CompareMode::ByName
                               ? namesMatchIgnoringCase(record.name(), update.name())
                               : frequenciesMatch(record, update);
        if (match)
            matches.push_back(static_cast<int>(slot));
    }
    return matches;
}

bool copyUpdateChannel(ChannelList main, std::size_t slot, const ChannelRecord& update,
                       bool keepName) {
    ChannelRecord& target = main[slot];
    const bool targetCounted = !target.isFree() && target.inUserList();
    const std::size_t othersInUserList = main.userListCount() - (targetCounted ? 1 : 0);
    ChannelRecord copy = update;
    if (keepName)
        copy.setName(target.name());
    bool complete = true;
    if (!copy.isFree() && copy.inUserList() && othersInUserList >= kUserListCapacity) {
        copy.setInUserList(false);
        copy.setEpg(false);
        complete = false;
    }
    target = copy;
    return complete;
}

} // namespace kanalo
