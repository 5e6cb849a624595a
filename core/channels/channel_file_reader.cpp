#include "core/channels/channel_file_reader.h"

#include "core/channels/line_scanner.h"
#include "core/channels/satellite_table.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace kanalo {

namespace {

constexpr std::size_t kSatelliteWordKeep = 31;
constexpr std::size_t kPolarisationWordKeep = 15;
constexpr char kQuote = '"';

struct ParsedLine {
    ChannelRecord record;
    bool toRadio = false;
    bool wantsUserList = false;
    bool epgValue = false;
};

// The numeric items after the two words, in file order.
enum Item { kFrequency, kSymbolRate, kFec, kServiceId, kPcrPid, kAudioPid, kVideoPid, kUserList };
constexpr int kShortFormItems = 11;
constexpr int kLongFormItems = 12;

struct Items {
    std::string_view satelliteWord;
    std::int32_t satelliteId = 0;
    std::string_view polarisationWord;
    std::array<std::int32_t, 8> numbers{};
    std::int32_t epgValue = 0;
    int count = 0;
};

// Reads as many of the twelve items as the line holds, stopping at the first that fails.
Items scanItems(std::string_view line) {
    Items items;
    LineScanner scanner(line);
    auto word = scanner.word(kSatelliteWordKeep);
    if (!word)
        return items;
    items.satelliteWord = *word;
    items.count = 1;
    auto id = scanner.hex();
    if (!id)
        return items;
    items.satelliteId = *id;
    items.count = 2;
    auto frequency = scanner.decimal();
    if (!frequency)
        return items;
    items.numbers[kFrequency] = *frequency;
    items.count = 3;
    auto polarisation = scanner.word(kPolarisationWordKeep);
    if (!polarisation)
        return items;
    items.polarisationWord = *polarisation;
    items.count = 4;
    for (int item = kSymbolRate; item <= kUserList; ++item) {
        auto value = scanner.decimal();
        if (!value)
            return items;
        items.numbers[item] = *value;
        ++items.count;
    }
    if (auto epg = scanner.decimal()) {
        items.epgValue = *epg;
        ++items.count;
    }
    return items;
}

// The text after an opening quote up to the next quote or the end of the line, cut to 31.
std::string_view quotedText(std::string_view line, std::size_t openingQuote) {
    const std::size_t start = openingQuote + 1;
    const std::size_t end = line.find(kQuote, start);
    const std::size_t length = (end == std::string_view::npos ? line.size() : end) - start;
    return line.substr(start, std::min(length, ChannelRecord::kMaxTextLength));
}

void parseTexts(std::string_view line, bool longForm, ChannelRecord& record) {
    const std::size_t nameQuote = line.find(kQuote);
    if (nameQuote == std::string_view::npos)
        return;
    record.setName(quotedText(line, nameQuote));
    if (!longForm)
        return;
    const std::size_t closingQuote = line.find(kQuote, nameQuote + 1);
    if (closingQuote == std::string_view::npos)
        return;
    const std::string_view rest = line.substr(closingQuote + 1);
    LineScanner scanner(rest);
    const auto bouquetNumber = scanner.decimal();
    if (!bouquetNumber)
        return;
    record.setBouquetNumber(static_cast<std::uint32_t>(*bouquetNumber));
    const std::size_t bouquetQuote = rest.find(kQuote);
    if (bouquetQuote != std::string_view::npos)
        record.setBouquetName(quotedText(rest, bouquetQuote));
}

std::optional<ParsedLine> parseLine(std::string_view line) {
    const Items items = scanItems(line);
    bool longForm;
    if (items.count == kShortFormItems)
        longForm = false;
    else if (items.count == kLongFormItems)
        longForm = items.epgValue == 0 || items.epgValue == 1;
    else
        return std::nullopt;

    ParsedLine parsed;
    ChannelRecord& record = parsed.record; // starts zeroed: not free, not marked
    const auto& n = items.numbers;
    record.setSatelliteIndex(items.satelliteId != SatelliteTable::kUserSatelliteId
                                 ? SatelliteTable::indexById(items.satelliteId)
                                 : SatelliteTable::indexByShortName(items.satelliteWord));
    // Integer division truncates towards zero, as the receiver's own software does.
    const auto toBits = [](std::int32_t value) { return static_cast<std::uint32_t>(value); };
    record.setFrequency(toBits(n[kFrequency] / 1000));
    record.setPolarisation(items.polarisationWord.front() == 'v' ? 1 : 0);
    record.setSymbolRate(toBits(n[kSymbolRate]));
    record.setFecCode(toBits(n[kFec]));
    record.setServiceId(toBits(n[kServiceId]));
    record.setPcrPid(toBits(n[kPcrPid]));
    record.setAudioPid(toBits(n[kAudioPid]));
    record.setVideoPid(toBits(n[kVideoPid]));
    parseTexts(line, longForm, record);

    parsed.toRadio = n[kVideoPid] == 0;
    parsed.wantsUserList = n[kUserList] != 0;
    parsed.epgValue = longForm && (items.epgValue & 1) != 0;
    return parsed;
}

// Calls visit(content) for each line of the text: up to and including the next LF but never
// more than kMaxReadLine bytes; a zero byte inside a line ends its content.
template <typename Visit> void forEachLine(std::string_view text, Visit visit) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] != '\0') {
        const std::size_t window = std::min(kMaxReadLine, text.size() - pos);
        const void* lf = std::memchr(text.data() + pos, '\n', window);
        const std::size_t length =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - (text.data() + pos)) + 1
               : window;
        std::string_view line = text.substr(pos, length);
        line = line.substr(0, line.find('\0'));
        visit(line);
        pos += length;
    }
}

struct ListFill {
    ChannelList list;
    std::size_t channels = 0;
    std::size_t userListChannels = 0;
};

bool isBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), isScanSpace);
}

} // namespace

bool isChannelListText(std::string_view text) {
    std::size_t channelLines = 0;
    std::size_t otherLines = 0;
    forEachLine(text, [&](std::string_view line) {
        if (parseLine(line))
            ++channelLines;
        else if (!isBlankLine(line))
            ++otherLines;
    });
    return channelLines > otherLines;
}

void readChannelText(std::string_view text, ChannelTable& table) {
    table.clear();
    ListFill tv{table.tv()};
    ListFill radio{table.radio()};
    forEachLine(text, [&](std::string_view line) {
        auto parsed = parseLine(line);
        if (!parsed)
            return;
        ListFill& fill = parsed->toRadio ? radio : tv;
        if (fill.channels == kListCapacity)
            return;
        ChannelRecord& record = parsed->record;
        if (parsed->wantsUserList && fill.userListChannels < kUserListCapacity) {
            record.setInUserList(true);
            record.setEpg(parsed->epgValue);
            ++fill.userListChannels;
        }
        fill.list[fill.channels++] = record;
    });
}

} // namespace kanalo
