#include "cli/json_dump.h"

#include <cstdio>

namespace kanalo {

namespace {

void appendField(std::string& out, const char* key, unsigned value) {
    out += ",\"";
    out += key;
    out += "\":";
    out += std::to_string(value);
}

void appendRecord(std::string& out, const ChannelRecord& record, ListKind list, std::size_t slot) {
    out += "{\"list\":";
    out += list == ListKind::Tv ? "\"tv\"" : "\"radio\"";
    appendField(out, "slot", static_cast<unsigned>(slot));
    appendField(out, "videoPid", record.videoPid());
    appendField(out, "audioPid", record.audioPid());
    appendField(out, "pcrPid", record.pcrPid());
    appendField(out, "serviceId", record.serviceId());
    appendField(out, "frequency", record.frequency());
    appendField(out, "polarisation", record.polarisation());
    appendField(out, "symbolRate", record.symbolRate());
    appendField(out, "fecCode", record.fecCode());
    appendField(out, "satelliteIndex", record.satelliteIndex());
    appendField(out, "inUserList", record.inUserList());
    appendField(out, "epg", record.epg());
    appendField(out, "bouquetNumber", record.bouquetNumber());
    out += ",\"name\":";
    appendJsonByteString(out, record.name());
    out += ",\"bouquetName\":";
    appendJsonByteString(out, record.bouquetName());
    out += "}\n";
}

} // namespace

void appendJsonByteString(std::string& out, std::string_view bytes) {
    out += '"';
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else if (byte < 0x80) {
            out += c;
        } else { // U+0080..U+00FF in UTF-8
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    out += '"';
}

std::string dumpChannelTable(const ChannelTable& table) {
    std::string out;
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        const ConstChannelList list = table.list(kind);
        for (std::size_t slot = 0; slot < list.size(); ++slot)
            if (!list[slot].isFree())
                appendRecord(out, list[slot], kind, slot);
    }
    return out;
}

} // namespace kanalo
