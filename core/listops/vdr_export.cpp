#include "core/channels/satellite_table.h"
#include "core/channels/windows1252.h"
#include "core/listops/vdr_channels.h"

#include <charconv>

namespace kanalo {

namespace {

constexpr std::size_t kLineReserve = 120;

void appendNumber(std::string& out, unsigned value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// The receiver's bytes as UTF-8 without what would break the line: ":" is written as VDR's
// escape "|", line ends as blanks, and the emphasis codes are dropped. In a name, the
// separators of the short name and the provider, and a "#" that would make the line a comment,
// become ".".
void appendText(std::string& out, std::string_view bytes, bool name) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        if (c == '\x86' || c == '\x87')
            continue;
        if (c == ':')
            text += '|';
        else if (c == '\r' || c == '\n')
            text += ' ';
        else if (name && (c == ',' || c == ';' || (c == '#' && text.empty())))
            text += '.';
        else
            text += c;
    }
    out += windows1252ToUtf8(text);
}

// "S19.2E" from the id's three decimal digits and its east bit; nothing for the user satellites.
bool appendSource(std::string& out, std::int32_t id) {
    if (id < 0)
        return false;
    const auto digit = [id](unsigned shift) { return (static_cast<unsigned>(id) >> shift) & 0xFu; };
    out += 'S';
    appendNumber(out, digit(8) * 10 + digit(4));
    out += '.';
    appendNumber(out, digit(0));
    out += (id & 0x8000) != 0 ? 'E' : 'W';
    return true;
}

bool appendLine(std::string& out, const ChannelRecord& record, bool tv) {
    const std::size_t start = out.size();
    appendText(out, record.name(), true);
    out += ';';
    appendText(out, record.bouquetName(), false);
    out += ':';
    appendNumber(out, record.frequency());
    out += record.polarisation() == 0 ? ":H" : ":V";
    if (record.fecCode() < kVdrFecRates.size() && !kVdrFecRates[record.fecCode()].empty()) {
        out += 'C';
        out += kVdrFecRates[record.fecCode()];
    }
    out += "M2S0:";
    if (!appendSource(out, SatelliteTable::entryForFile(record.satelliteIndex()).id)) {
        out.resize(start);
        return false;
    }
    out += ':';
    appendNumber(out, record.symbolRate());
    out += ':';
    // A Radio channel has no video PID; its PCR PID is written only when not the audio PID.
    const unsigned video = tv ? record.videoPid() : 0;
    appendNumber(out, video);
    if (record.pcrPid() != (tv ? video : record.audioPid())) {
        out += '+';
        appendNumber(out, record.pcrPid());
    }
    out += ':';
    appendNumber(out, record.audioPid());
    out += ":0:0:";
    appendNumber(out, record.serviceId());
    out += ":0:0:0\n";
    return true;
}

} // namespace

VdrExport writeVdrText(const ChannelTable& table) {
    VdrExport result;
    result.text.reserve(table.slots().size() * kLineReserve);
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        result.text += kind == ListKind::Tv ? ":TV\n" : ":Radio\n";
        for (const ChannelRecord& record : table.list(kind))
            if (!record.isFree() && !appendLine(result.text, record, kind == ListKind::Tv))
                ++result.skipped;
    }
    return result;
}

} // namespace kanalo
