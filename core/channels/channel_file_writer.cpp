#include "core/channels/channel_file_writer.h"

#include "core/channels/satellite_table.h"

#include <charconv>
#include <cstdint>

namespace kanalo {

namespace {

// A line is at most 145 characters before its line end; this leaves ample room.
constexpr std::size_t kLineReserve = 160;

void appendPadded(std::string& out, std::int64_t value, int width) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    const int length = static_cast<int>(result.ptr - digits);
    if (length < width)
        out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(digits, result.ptr);
}

void appendHex(std::string& out, std::int32_t id) {
    char digits[16];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(id), 16);
    out.append(digits, result.ptr);
}

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    out += text;
    out += '"';
}

} // namespace

void appendChannelLine(std::string& out, const ChannelRecord& record, FileForm form) {
    const SatelliteEntry& satellite = SatelliteTable::entryForFile(record.satelliteIndex());
    out += satellite.shortName;
    out += ' ';
    appendHex(out, satellite.id);
    out += ' ';
    appendPadded(out, record.frequency(), 5);
    out += "000 ";
    out += record.polarisation() == 0 ? 'h' : 'v';
    out += ' ';
    appendPadded(out, record.symbolRate(), 5);
    out += ' ';
    appendPadded(out, record.fecCode(), 3);
    for (const unsigned value :
         {record.serviceId(), record.pcrPid(), record.audioPid(), record.videoPid()}) {
        out += ' ';
        appendPadded(out, value, 5);
    }
    out += record.inUserList() ? " 1" : " 0";
    if (form == FileForm::Long)
        out += record.inUserList() && record.epg() ? " 1" : " 0";
    out += ' ';
    appendQuoted(out, record.name());
    if (form == FileForm::Long) {
        out += ' ';
        appendPadded(out, record.bouquetNumber(), 0);
        out += ' ';
        appendQuoted(out, record.bouquetName());
    }
    out += "\r\n";
}

std::string writeChannelText(const ChannelTable& table, FileForm form) {
    std::string out;
    std::size_t occupied = 0;
    for (const auto& record : table.slots())
        occupied += record.isFree() ? 0 : 1;
    out.reserve(occupied * kLineReserve);
    for (const auto& record : table.slots())
        if (!record.isFree())
            appendChannelLine(out, record, form);
    return out;
}

} // namespace kanalo
