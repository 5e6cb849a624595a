#include "core/format/cell_text.h"

#include "core/channels/satellite_table.h"

#include <cstdio>

namespace kanalo {

PidRadix pidRadixFromSetting(std::string_view value) {
    if (value.size() < 3)
        return PidRadix::Decimal;
    for (std::size_t i = 0; i < 3; ++i)
        if ((value[i] | 0x20) != "hex"[i])
            return PidRadix::Decimal;
    return PidRadix::Hex;
}

std::string pidText(unsigned value, PidRadix radix) {
    char text[16];
    std::snprintf(text, sizeof text, radix == PidRadix::Hex ? "%04X" : "%u", value);
    return text;
}

std::string_view polarisationText(std::uint8_t polarisation) {
    switch (polarisation) {
    case 0:
        return "H";
    case 1:
        return "V";
    default:
        return "-";
    }
}

std::string bracketedName(std::string_view stored) {
    std::string shown(stored);
    for (char& c : shown) {
        if (c == '\x86')
            c = '[';
        else if (c == '\x87')
            c = ']';
    }
    return shown;
}

std::string cellText(ColumnKind kind, const ChannelRecord& record, SlotKind slotKind,
                     PidRadix radix) {
    if (slotKind == SlotKind::Free)
        return {};
    switch (kind) {
    case ColumnKind::Number:
        return {};
    case ColumnKind::Name: {
        std::string name = bracketedName(record.name());
        name.erase(name.find_last_not_of(' ') + 1);
        return name;
    }
    case ColumnKind::SatNumber:
        return std::to_string(SatelliteTable::number(record.satelliteIndex()));
    case ColumnKind::SatName: {
        const std::uint8_t index = record.satelliteIndex();
        return index < SatelliteTable::kCount
                   ? std::string(SatelliteTable::entries()[index].displayName)
                   : std::string();
    }
    case ColumnKind::Frequency:
        return std::to_string(record.frequency());
    case ColumnKind::Polarisation:
        return std::string(polarisationText(record.polarisation()));
    case ColumnKind::SymbolRate:
        return std::to_string(record.symbolRate());
    case ColumnKind::Fec:
        return std::string(fecRateText(record.fecCode()));
    case ColumnKind::PcrPid:
        return pidText(record.pcrPid(), radix);
    case ColumnKind::VideoPid:
        return slotKind == SlotKind::Tv ? pidText(record.videoPid(), radix) : std::string();
    case ColumnKind::AudioPid:
        return pidText(record.audioPid(), radix);
    case ColumnKind::ServiceId:
        return pidText(record.serviceId(), radix);
    }
    return {};
}

} // namespace kanalo
