#include "core/listops/search.h"

#include "core/channels/windows1252.h"

namespace kanalo {

unsigned char upperWindows1252(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z')
        return static_cast<unsigned char>(byte - 0x20);
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) // 0xF7 is the division sign
        return static_cast<unsigned char>(byte - 0x20);
    switch (byte) {
    case 0x9A: // s caron
    case 0x9C: // oe
    case 0x9E: // z caron
        return static_cast<unsigned char>(byte - 0x10);
    case 0xFF: // y diaeresis
        return 0x9F;
    default:
        return byte;
    }
}

std::string upperWindows1252(std::string_view bytes) {
    std::string upper(bytes);
    for (char& c : upper)
        c = static_cast<char>(upperWindows1252(static_cast<unsigned char>(c)));
    return upper;
}

std::string searchTextBytes(std::u32string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text) {
        const auto byte = encodeWindows1252(c);
        bytes += static_cast<char>(byte ? *byte : 0);
    }
    return bytes;
}

FieldValue readSearchFrequency(std::string_view text) {
    // The symbol rate reader without limits is the whole-integer check; the range is ours.
    FieldValue value = readSymbolRateField(text, true);
    if (value.ok() && (value.value < kSearchFrequencyMin || value.value > kSearchFrequencyMax))
        value.status = FieldStatus::OutOfRange;
    return value;
}

SearchState startNameSearch(std::string_view text, bool matchCase) {
    SearchState search;
    search.mode = SearchMode::Name;
    search.position = 0;
    search.matchCase = matchCase;
    search.text = matchCase ? std::string(text) : upperWindows1252(text);
    return search;
}

SearchState startFrequencySearch(unsigned mhz, int satelliteFilter) {
    SearchState search;
    search.mode = SearchMode::Frequency;
    search.position = 0;
    search.frequency = static_cast<std::uint16_t>(mhz);
    search.satelliteFilter = satelliteFilter;
    return search;
}

bool matchesSearch(const ChannelRecord& record, const SearchState& search) {
    if (record.isFree())
        return false;
    if (search.mode == SearchMode::Frequency)
        return record.frequency() == search.frequency &&
               (search.satelliteFilter < 0 || search.satelliteFilter == record.satelliteIndex());
    if (search.matchCase)
        return record.name().find(search.text) != std::string_view::npos;
    return upperWindows1252(record.name()).find(search.text) != std::string::npos;
}

FindStep findNext(ConstChannelList list, const SearchState& search) {
    if (!search.active())
        return {};
    const int size = static_cast<int>(list.size());
    const int start = search.position < size ? search.position : 0;
    // The second pass over the whole list only matters for the slots before the start.
    for (int step = 0; step < size; ++step) {
        const int slot = (start + step) % size;
        if (matchesSearch(list[static_cast<std::size_t>(slot)], search))
            return {slot, slot + 1 < size ? slot + 1 : 0};
    }
    return {};
}

} // namespace kanalo
