#include "core/format/csv_export.h"

#include "core/channels/satellite_table.h"
#include "core/channels/windows1252.h"
#include "core/format/cell_text.h"

#include <charconv>

namespace kanalo {

namespace {

constexpr std::size_t kLineReserve = 160;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "List,No.,Name,Sat,Sat name,Frequency,Pol,SR,FEC,PCR,VPID,"
                                     "APID,SID,User list,EPG,Bouquet number,Bouquet name\r\n";

// RFC 4180: a field with a comma, a quote or a line end is quoted, its quotes doubled.
void appendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string_view trimmed(std::string_view text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

void appendNumber(std::string& out, unsigned value) {
    char digits[16];
    out += ',';
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Receiver bytes, padding blanks trimmed, as UTF-8. A text a spreadsheet would take for a
// formula ("=1+1", "@SUM(A1)") gets a leading apostrophe, which keeps it text.
void appendText(std::string& out, std::string_view bytes) {
    out += ',';
    std::string text = windows1252ToUtf8(trimmed(bytes));
    if (!text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos)
        text.insert(0, 1, '\'');
    appendCsvField(out, text);
}

} // namespace

std::string writeCsvText(const ChannelTable& table) {
    std::string out(kByteOrderMark);
    out.reserve(table.slots().size() * kLineReserve);
    out += kHeader;
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        const ConstChannelList list = table.list(kind);
        for (std::size_t slot = 0; slot < list.size(); ++slot) {
            const ChannelRecord& record = list[slot];
            if (record.isFree())
                continue;
            out += kind == ListKind::Tv ? "TV" : "Radio";
            appendNumber(out, static_cast<unsigned>(slot + 1));
            appendText(out, bracketedName(record.name()));
            appendNumber(out, SatelliteTable::number(record.satelliteIndex()));
            out += ',';
            appendCsvField(out, SatelliteTable::displayText(record.satelliteIndex()));
            appendNumber(out, record.frequency());
            out += ',';
            out += polarisationText(record.polarisation());
            appendNumber(out, record.symbolRate());
            out += ',';
            out += fecRateText(record.fecCode());
            appendNumber(out, record.pcrPid());
            if (kind == ListKind::Tv)
                appendNumber(out, record.videoPid());
            else
                out += ','; // as the list shows it: a Radio channel has no video PID
            appendNumber(out, record.audioPid());
            appendNumber(out, record.serviceId());
            out += record.inUserList() ? ",1" : ",0";
            out += record.inUserList() && record.epg() ? ",1" : ",0";
            appendNumber(out, record.bouquetNumber());
            appendText(out, record.bouquetName());
            out += "\r\n";
        }
    }
    return out;
}

} // namespace kanalo
