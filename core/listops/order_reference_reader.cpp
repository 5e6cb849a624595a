#include "core/listops/order_reference_reader.h"

#include "core/channels/channel_file_reader.h"
#include "core/channels/windows1252.h"
#include "core/listops/vdr_channels.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace kanalo {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineBlanks = " \t\r";

OrderReference fromChannelList(std::string_view text) {
    auto table = std::make_unique<ChannelTable>();
    readChannelText(text, *table);
    OrderReference reference;
    reference.kind = ReferenceKind::ChannelList;
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        OrderReference::List& entries = kind == ListKind::Tv ? reference.tv : reference.radio;
        for (const ChannelRecord& record : std::as_const(*table).list(kind))
            if (!record.isFree())
                entries.push_back(ReferenceEntry::of(record));
    }
    return reference;
}

OrderReference fromVdrChannels(std::string_view text) {
    OrderReference reference;
    reference.kind = ReferenceKind::VdrChannels;
    for (const ChannelRecord& record : vdrSatelliteChannels(text))
        (record.videoPid() != 0 ? reference.tv : reference.radio)
            .push_back(ReferenceEntry::of(record));
    return reference;
}

// Text files hold no control characters but tab and the line ends; anything else is binary
// data, a UTF-16 file among them.
bool isPlainText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r';
    });
}

std::string_view trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(kLineBlanks);
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(kLineBlanks) - first + 1);
}

// A name as a channel would hold it: Windows-1252, at most 31 bytes.
ReferenceEntry nameEntry(std::string_view utf8) {
    const std::optional<std::string> bytes = utf8ToWindows1252(utf8);
    if (!bytes)
        return {};
    return {std::nullopt,
            channelNameKey(std::string_view(*bytes).substr(0, ChannelRecord::kMaxTextLength))};
}

std::optional<OrderReference> fromNameList(std::string_view text) {
    if (text.starts_with(kUtf8Bom))
        text.remove_prefix(kUtf8Bom.size());
    if (!isPlainText(text) || !isValidUtf8(text))
        return std::nullopt;
    OrderReference reference;
    reference.kind = ReferenceKind::NameList;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::string_view name = trimmed(line);
        if (!name.empty() && !line.starts_with('#'))
            reference.tv.push_back(nameEntry(name));
    }
    reference.radio = reference.tv;
    return reference;
}

} // namespace

std::optional<OrderReference> readOrderReferenceText(std::string_view text) {
    // The list file first: its lines never take the shape of the other two kinds, while a
    // name list may hold anything.
    std::optional<OrderReference> reference;
    if (isChannelListText(text))
        reference = fromChannelList(text);
    else if (isVdrChannelText(text))
        reference = fromVdrChannels(text);
    else
        reference = fromNameList(text);
    if (!reference || (reference->tv.empty() && reference->radio.empty()))
        return std::nullopt;
    return reference;
}

DvbReadStatus readOrderReferenceFile(const std::filesystem::path& path, OrderReference& reference) {
    std::optional<OrderReference> read;
    std::string bytes;
    const DvbReadStatus status = readForeignFile(path, bytes, [&read](const std::string& text) {
        read = readOrderReferenceText(text);
        return read.has_value();
    });
    if (status == DvbReadStatus::Ok)
        reference = std::move(*read);
    return status;
}

} // namespace kanalo
