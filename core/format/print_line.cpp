#include "core/format/print_line.h"

#include "core/channels/satellite_table.h"

#include <charconv>
#include <cstdio>

namespace kanalo {

namespace {

std::string_view headerPiece(ColumnKind kind, bool german) {
    switch (kind) {
    case ColumnKind::Number:
        return "Nr.";
    case ColumnKind::Name:
        return " Name                ";
    case ColumnKind::SatNumber:
        return "Sat";
    case ColumnKind::SatName:
        return german ? "     Sat Name    " : "     Satname     ";
    case ColumnKind::Frequency:
        return "  Frq ";
    case ColumnKind::Polarisation:
        return "Pol";
    case ColumnKind::SymbolRate:
        return "   SR ";
    case ColumnKind::Fec:
        return " FEC ";
    case ColumnKind::PcrPid:
        return "  PCR ";
    case ColumnKind::VideoPid:
        return "  VPID";
    case ColumnKind::AudioPid:
        return "  APID";
    case ColumnKind::ServiceId:
        return "  SID ";
    }
    return {};
}

template <typename... Args> void appendFormat(std::string& out, const char* format, Args... args) {
    char piece[64];
    const int length = std::snprintf(piece, sizeof piece, format, args...);
    out.append(piece,
               static_cast<std::size_t>(std::max(0, std::min<int>(length, sizeof piece - 1))));
}

// "%d" semantics: optional blanks and sign, then digits.
std::optional<int> leadingNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

} // namespace

PrintLineFormatter::PrintLineFormatter(ColumnSet printerSet, PidRadix radix, bool german)
    : set_(printerSet), radix_(radix), german_(german) {}

std::string PrintLineFormatter::header() const {
    std::string line(headerPiece(ColumnKind::Number, german_));
    for (int k = 1; k < kColumnCount; ++k)
        if (set_.shows(columnKind(k)))
            line += headerPiece(columnKind(k), german_);
    return line;
}

int PrintLineFormatter::numberOf(int row) const {
    if (numberText_)
        if (const auto number = leadingNumber(numberText_(row)))
            return *number;
    return row + 1;
}

std::string PrintLineFormatter::channelLine(int row, const ChannelRecord& r,
                                            SlotKind slotKind) const {
    std::string line;
    appendFormat(line, "%3d", numberOf(row));
    for (int k = 1; k < kColumnCount; ++k) {
        const ColumnKind kind = columnKind(k);
        if (!set_.shows(kind))
            continue;
        switch (kind) {
        case ColumnKind::Number:
            break;
        case ColumnKind::Name:
            appendFormat(line, " %-20.20s", bracketedName(r.name()).c_str());
            break;
        case ColumnKind::SatNumber:
            appendFormat(line, " %2d ", r.satelliteIndex() + 1);
            break;
        case ColumnKind::SatName:
            appendFormat(line, " %16s",
                         cellText(ColumnKind::SatName, r, SlotKind::Tv, radix_).c_str());
            break;
        case ColumnKind::Frequency:
            appendFormat(line, " %5u", unsigned{r.frequency()});
            break;
        case ColumnKind::Polarisation:
            appendFormat(line, " %s ", std::string(polarisationText(r.polarisation())).c_str());
            break;
        case ColumnKind::SymbolRate:
            appendFormat(line, " %5u", unsigned{r.symbolRate()});
            break;
        case ColumnKind::Fec:
            appendFormat(line, " %s ", std::string(fecRateText(r.fecCode())).c_str());
            break;
        case ColumnKind::PcrPid:
            appendFormat(line, " %5s", pidText(r.pcrPid(), radix_).c_str());
            break;
        case ColumnKind::VideoPid:
            if (slotKind == SlotKind::Tv)
                appendFormat(line, " %5s", pidText(r.videoPid(), radix_).c_str());
            else
                line += "      ";
            break;
        case ColumnKind::AudioPid:
            appendFormat(line, " %5s", pidText(r.audioPid(), radix_).c_str());
            break;
        case ColumnKind::ServiceId:
            appendFormat(line, " %5s", pidText(r.serviceId(), radix_).c_str());
            break;
        }
    }
    return line;
}

std::optional<std::string> PrintLineFormatter::formatPrintLine(std::ostream* stream, int row,
                                                               const ChannelRecord* record,
                                                               SlotKind slotKind) const {
    if (row >= 0 && record) {
        std::string line = channelLine(row, *record, slotKind);
        if (stream && !(*stream << line << '\n'))
            return std::nullopt;
        return line;
    }
    std::string line = header();
    if (stream) {
        const std::string rule(line.size(), '-');
        if (row == kRuleHeaderRule)
            *stream << rule << '\n' << line << '\n' << rule << '\n';
        else if (row == kRuleOnly)
            *stream << rule << '\n';
        else
            *stream << line << '\n' << rule << '\n';
        if (!*stream)
            return std::nullopt;
    }
    return line;
}

} // namespace kanalo
