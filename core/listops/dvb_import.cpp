#include "core/listops/dvb_import.h"

#include "core/channels/channel_file.h"

#include <array>

namespace kanalo {

namespace {

// Record layout.
constexpr std::size_t kServiceIdAt = 4;
constexpr std::size_t kFrequencyAt = 8;
constexpr std::size_t kSymbolRateAt = 10;
constexpr std::size_t kFecAt = 12;
constexpr std::size_t kPolarisationAt = 14;
constexpr std::size_t kSatelliteAt = 15;
constexpr std::size_t kVideoPidAt = 16;
constexpr std::size_t kAudioPidAt = 18;
constexpr std::size_t kPcrPidAt = 20;
constexpr std::size_t kServiceTypeAt = 27;
constexpr std::size_t kTextAt = 32;
constexpr std::size_t kTextSize = 32;

constexpr std::uint8_t kServiceTv = 1;
constexpr std::uint8_t kServiceRadio = 2;

constexpr std::array<std::uint8_t, 8> kFecCodes{2, 2, 0, 1, 2, 2, 3, 5};

class Record {
public:
    explicit Record(std::string_view bytes) : bytes_(bytes) {}

    bool hasMagic() const { return bytes_.substr(0, kDvbMagic.size()) == kDvbMagic; }
    std::uint8_t byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    unsigned word(std::size_t at) const { return unsigned{byte(at)} << 8 | byte(at + 1); }
    // The text field up to its first zero byte, at most `limit` bytes.
    std::string_view text(std::size_t limit) const {
        const std::string_view field = bytes_.substr(kTextAt, std::min(kTextSize, limit));
        return field.substr(0, field.find('\0'));
    }
    bool isGroup() const { return word(kFrequencyAt) == 0; }

private:
    std::string_view bytes_;
};

// A quote would end the name in a saved list file and a line break would split its line, so
// neither may stay in a name taken from a foreign file.
std::string listSafeName(std::string_view name) {
    std::string safe(name);
    for (char& c : safe)
        if (c == '"' || c == '\r' || c == '\n')
            c = ' ';
    return safe;
}

ChannelRecord channelOf(const Record& in, bool tv, bool inUserList) {
    ChannelRecord record; // not free, not marked, no EPG, no bouquet
    record.setServiceId(in.word(kServiceIdAt));
    record.setFrequency(in.word(kFrequencyAt));
    record.setSymbolRate(in.word(kSymbolRateAt));
    record.setFecCode(dvbFecCode(in.byte(kFecAt)));
    record.setPolarisation(in.byte(kPolarisationAt) & 0x03u);
    record.setSatelliteIndex(in.byte(kSatelliteAt) & 0x03u);
    record.setVideoPid(tv ? in.word(kVideoPidAt) : 0);
    record.setAudioPid(in.word(kAudioPidAt));
    record.setPcrPid(in.word(kPcrPidAt));
    record.setInUserList(inUserList);
    record.setName(listSafeName(in.text(kDvbNameLength)));
    return record;
}

} // namespace

const char* statusMessage(DvbReadStatus status) {
    switch (status) {
    case DvbReadStatus::Ok:
        return "";
    case DvbReadStatus::CannotOpen:
        return statusMessage(LoadStatus::CannotOpen);
    case DvbReadStatus::ReadError:
        return statusMessage(LoadStatus::ReadError);
    case DvbReadStatus::WrongVersion:
        return "Wrong file version.";
    }
    return "";
}

DvbReadStatus readForeignFile(const std::filesystem::path& path, std::string& bytes,
                              const std::function<bool(const std::string&)>& recognised) {
    std::string read;
    switch (readWholeFile(path, read)) {
    case LoadStatus::Ok:
        break;
    case LoadStatus::CannotOpen:
        return DvbReadStatus::CannotOpen;
    case LoadStatus::ReadError:
        return DvbReadStatus::ReadError;
    }
    if (!recognised(read))
        return DvbReadStatus::WrongVersion;
    bytes = std::move(read);
    return DvbReadStatus::Ok;
}

DvbReadStatus readDvbFile(const std::filesystem::path& path, std::string& bytes) {
    return readForeignFile(path, bytes,
                           [](const std::string& read) { return Record(read).hasMagic(); });
}

std::uint8_t dvbFecCode(std::uint8_t fileCode) {
    return kFecCodes[fileCode & 0x07u];
}

DvbImportCounts importDvbRecords(std::string_view bytes, ChannelTable& table,
                                 const DvbGroupQuestion& askGroup) {
    table.clear();
    ChannelList tv = table.tv();
    ChannelList radio = table.radio();
    DvbImportCounts counts;
    bool importing = true; // channels before the first group are always taken
    for (std::size_t at = 0; at + kDvbRecordSize <= bytes.size(); at += kDvbRecordSize) {
        const Record record(bytes.substr(at, kDvbRecordSize));
        if (!record.hasMagic())
            break;
        if (record.isGroup()) {
            if (!askGroup)
                continue;
            const DvbGroupAnswer answer = askGroup(record.text(kTextSize));
            if (answer == DvbGroupAnswer::Stop) {
                counts.stopped = true;
                break;
            }
            importing = answer == DvbGroupAnswer::Import;
            continue;
        }
        if (!importing)
            continue;
        const std::uint8_t type = record.byte(kServiceTypeAt);
        if (type != kServiceTv && type != kServiceRadio)
            continue;
        const bool isTv = type == kServiceTv;
        std::size_t& count = isTv ? counts.tv : counts.radio;
        if (count >= kListCapacity)
            continue;
        (isTv ? tv : radio)[count] = channelOf(record, isTv, count < kUserListCapacity);
        ++count;
    }
    return counts;
}

} // namespace kanalo
