#include "core/channels/channel_file.h"
#include "core/channels/satellite_table.h"
#include "core/channels/windows1252.h"
#include "core/listops/vdr_channels.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace kanalo {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr unsigned kMaxMhz = 100000; // larger frequencies are in kHz
constexpr std::uint8_t kNoFecCode = 4;

enum Field { kName, kFrequency, kParameters, kSource, kSymbolRate, kVideo, kAudio, kServiceId = 9 };

enum class LineKind { Ignored, Group, Channel, DvbS2, NotSatellite, Unreadable };

struct ParsedLine {
    LineKind kind = LineKind::Ignored;
    bool mapped = false;  // the record holds the line's channel: Channel and readable DvbS2 lines
    ChannelRecord record; // Channel, DvbS2
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A whole field of decimal digits.
std::optional<std::uint32_t> number(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Calls the function with each line, without its line end, until it returns false.
template <typename Function> void forEachLine(std::string_view text, Function&& function) {
    if (text.starts_with(kUtf8Bom))
        text.remove_prefix(kUtf8Bom.size());
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!function(line))
            return;
    }
}

// UTF-8 to the receiver's bytes: "|" is VDR's escape for ":", a character the set lacks
// becomes "?", and so do the receiver's emphasis codes; what a list file cannot carry in a
// name becomes a blank, as in the DVB2000 import.
std::string receiverText(std::string_view utf8) {
    std::string text = utf8ToWindows1252Lossy(utf8, '?');
    for (char& c : text) {
        if (c == '|')
            c = ':';
        else if (c == '\x86' || c == '\x87')
            c = '?';
        else if (c == '"' || c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

struct Parameters {
    unsigned polarisation = 0;
    std::uint8_t fecCode = kNoFecCode;
    bool dvbS2 = false;
};

std::uint8_t fecCodeOf(std::string_view rate) {
    for (std::uint8_t code = 0; code < kVdrFecRates.size(); ++code)
        if (!kVdrFecRates[code].empty() && kVdrFecRates[code] == rate)
            return code;
    return kNoFecCode;
}

// Letters, each with an optional number: "HC34M2S0", "VC23M5O35S1".
std::optional<Parameters> parseParameters(std::string_view text) {
    Parameters parameters;
    for (std::size_t pos = 0; pos < text.size();) {
        const char key = static_cast<char>(text[pos++] & ~0x20);
        if (key < 'A' || key > 'Z')
            return std::nullopt;
        const std::size_t start = pos;
        while (pos < text.size() && isDigit(text[pos]))
            ++pos;
        const std::string_view value = text.substr(start, pos - start);
        if (key == 'H' || key == 'L')
            parameters.polarisation = 0;
        else if (key == 'V' || key == 'R')
            parameters.polarisation = 1;
        else if (key == 'C')
            parameters.fecCode = fecCodeOf(value);
        else if (key == 'S')
            parameters.dvbS2 = value == "1";
    }
    return parameters;
}

// "S19.2E": the satellite at that position, index 31 for one the table lacks.
std::optional<std::uint8_t> satelliteOf(std::string_view source) {
    source.remove_prefix(1);
    const bool east = source.ends_with('E');
    if (source.empty() || (!east && !source.ends_with('W')))
        return std::nullopt;
    source.remove_suffix(1);
    const std::size_t dot = source.find('.');
    const std::optional<std::uint32_t> degrees = number(source.substr(0, dot));
    std::uint32_t tenth = 0;
    if (dot != std::string_view::npos) {
        const std::string_view fraction = source.substr(dot + 1);
        if (!number(fraction))
            return std::nullopt;
        tenth = static_cast<std::uint32_t>(fraction[0] - '0');
    }
    if (!degrees)
        return std::nullopt;
    const std::optional<std::int32_t> id =
        *degrees < 100 ? satelliteIdOfPosition(*degrees * 10 + tenth, east) : std::nullopt;
    return id ? SatelliteTable::indexById(*id) : SatelliteTable::kUnknownIndex;
}

struct VideoPids {
    std::uint32_t video = 0;
    std::optional<std::uint32_t> pcr;
};

// "VPID[+PCR][=type]".
std::optional<VideoPids> videoPidsOf(std::string_view field) {
    field = field.substr(0, field.find('='));
    const std::size_t plus = field.find('+');
    VideoPids pids;
    const auto video = number(field.substr(0, plus));
    if (!video)
        return std::nullopt;
    pids.video = *video;
    if (plus != std::string_view::npos && !(pids.pcr = number(field.substr(plus + 1))))
        return std::nullopt;
    return pids;
}

// The first PID of "PID[=lang[@type]],..."; 0 for an empty list.
std::optional<std::uint32_t> firstPid(std::string_view list) {
    const std::string_view first = list.substr(0, list.find_first_of(",=@"));
    return first.empty() ? std::optional<std::uint32_t>(0) : number(first);
}

// "audio PIDs;Dolby PIDs": the first audio PID, else the first Dolby PID.
std::optional<std::uint32_t> audioPidOf(std::string_view field) {
    const std::size_t semicolon = field.find(';');
    const std::optional<std::uint32_t> audio = firstPid(field.substr(0, semicolon));
    if (!audio || *audio != 0 || semicolon == std::string_view::npos)
        return audio;
    return firstPid(field.substr(semicolon + 1));
}

ParsedLine parseLine(std::string_view line) {
    ParsedLine parsed;
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.starts_with('#'))
        return parsed;
    if (line.starts_with(':')) {
        parsed.kind = LineKind::Group;
        return parsed;
    }
    parsed.kind = LineKind::Unreadable;
    std::array<std::string_view, kVdrFieldCount> fields;
    std::size_t count = 0;
    for (std::string_view rest = line; count < fields.size(); ++count) {
        const std::size_t colon = rest.find(':');
        fields[count] = rest.substr(0, colon);
        if (colon == std::string_view::npos) {
            ++count;
            break;
        }
        rest.remove_prefix(colon + 1);
    }
    if (count < kVdrFieldCount || fields[kSource].empty())
        return parsed;
    const char system = fields[kSource][0];
    if (system != 'S') {
        if (system >= 'A' && system <= 'Z')
            parsed.kind = LineKind::NotSatellite;
        return parsed;
    }
    const std::optional<std::uint8_t> satellite = satelliteOf(fields[kSource]);
    const std::optional<Parameters> parameters = parseParameters(fields[kParameters]);
    if (!satellite || !parameters)
        return parsed;
    // The import skips DVB-S2 lines whatever they hold; a reference order still names them.
    if (parameters->dvbS2)
        parsed.kind = LineKind::DvbS2;
    const auto frequency = number(fields[kFrequency]);
    const auto symbolRate = number(fields[kSymbolRate]);
    const auto video = videoPidsOf(fields[kVideo]);
    const auto audio = audioPidOf(fields[kAudio]);
    const auto serviceId = number(fields[kServiceId]);
    if (!frequency || !symbolRate || !video || !audio || !serviceId)
        return parsed;

    ChannelRecord& record = parsed.record;
    const std::string_view names = fields[kName].substr(0, fields[kName].find(';'));
    record.setName(receiverText(names.substr(0, names.find(','))));
    if (const std::size_t semicolon = fields[kName].find(';'); semicolon != std::string_view::npos)
        record.setBouquetName(receiverText(fields[kName].substr(semicolon + 1)));
    record.setFrequency(*frequency > kMaxMhz ? *frequency / 1000 : *frequency);
    record.setPolarisation(parameters->polarisation);
    record.setFecCode(parameters->fecCode);
    record.setSatelliteIndex(*satellite);
    record.setSymbolRate(*symbolRate);
    record.setVideoPid(video->video);
    record.setAudioPid(*audio);
    record.setPcrPid(video->pcr ? *video->pcr : video->video != 0 ? video->video : *audio);
    record.setServiceId(*serviceId);
    if (!parameters->dvbS2)
        parsed.kind = LineKind::Channel;
    parsed.mapped = true;
    return parsed;
}

} // namespace

std::optional<std::int32_t> satelliteIdOfPosition(unsigned tenths, bool east) {
    if (tenths >= 1000)
        return std::nullopt;
    const unsigned digits = (tenths / 100) << 8 | (tenths / 10 % 10) << 4 | tenths % 10;
    return static_cast<std::int32_t>(digits | (east ? 0x8000u : 0u));
}

bool isVdrChannelText(std::string_view text) {
    bool found = false;
    forEachLine(text, [&found](std::string_view line) {
        const LineKind kind = parseLine(line).kind;
        found =
            kind == LineKind::Channel || kind == LineKind::DvbS2 || kind == LineKind::NotSatellite;
        return !found;
    });
    return found;
}

std::vector<ChannelRecord> vdrSatelliteChannels(std::string_view text) {
    std::vector<ChannelRecord> channels;
    forEachLine(text, [&channels](std::string_view line) {
        const ParsedLine parsed = parseLine(line);
        if (parsed.mapped)
            channels.push_back(parsed.record);
        return true;
    });
    return channels;
}

DvbReadStatus readVdrFile(const std::filesystem::path& path, std::string& text) {
    return readForeignFile(path, text,
                           [](const std::string& read) { return isVdrChannelText(read); });
}

VdrImportCounts importVdrText(std::string_view text, ChannelTable& table) {
    table.clear();
    VdrImportCounts counts;
    unsigned group = 0;
    forEachLine(text, [&](std::string_view line) {
        ParsedLine parsed = parseLine(line);
        switch (parsed.kind) {
        case LineKind::Ignored:
            return true;
        case LineKind::Group:
            ++group;
            return true;
        case LineKind::DvbS2:
            ++counts.dvbS2;
            return true;
        case LineKind::NotSatellite:
            ++counts.notSatellite;
            return true;
        case LineKind::Unreadable:
            ++counts.unreadable;
            return true;
        case LineKind::Channel:
            break;
        }
        const bool tv = parsed.record.videoPid() != 0;
        std::size_t& filled = tv ? counts.tv : counts.radio;
        if (filled >= kListCapacity) {
            ++counts.listsFull;
            return true;
        }
        parsed.record.setInUserList(filled < kUserListCapacity);
        parsed.record.setBouquetNumber(group);
        table.list(tv ? ListKind::Tv : ListKind::Radio)[filled++] = parsed.record;
        return true;
    });
    return counts;
}

std::string vdrImportSummary(const VdrImportCounts& counts) {
    std::string text = std::to_string(counts.tv) + " TV and " + std::to_string(counts.radio) +
                       " Radio channels imported";
    if (counts.skipped() == 0)
        return text + ".";
    return text + "; " + std::to_string(counts.skipped()) +
           " skipped (DVB-S2: " + std::to_string(counts.dvbS2) +
           ", not satellite: " + std::to_string(counts.notSatellite) +
           ", unreadable: " + std::to_string(counts.unreadable) +
           ", lists full: " + std::to_string(counts.listsFull) + ").";
}

} // namespace kanalo
