#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace kanalo {

// One channel slot: seven packed 16-bit words, two zero-terminated 32-byte texts and the bouquet
// number. Setters change only their own field's bits and cut values to the field's width.
class ChannelRecord {
public:
    static constexpr std::size_t kTextCapacity = 32; // 31 characters and the zero byte
    static constexpr std::size_t kMaxTextLength = kTextCapacity - 1;
    static constexpr std::size_t kImageSize = 80;
    using Image = std::array<std::uint8_t, kImageSize>;

    // FEC codes without a rate (4 and above 5) are shown as this.
    static constexpr std::string_view kNoFecRate = "---";

    ChannelRecord() = default;

    std::uint16_t videoPid() const { return field(kA, 0, 13); }
    bool isFree() const { return field(kA, 13, 1) != 0; }
    bool inUserList() const { return field(kA, 14, 1) != 0; }
    bool marked() const { return field(kA, 15, 1) != 0; }
    std::uint16_t audioPid() const { return field(kB, 0, 13); }
    std::uint16_t pcrPid() const { return field(kC, 0, 13); }
    bool epg() const { return field(kC, 13, 1) != 0; }
    std::uint16_t serviceId() const { return words_[kD]; }
    std::uint16_t frequency() const { return field(kE, 0, 14); }
    std::uint8_t polarisation() const { return static_cast<std::uint8_t>(field(kE, 14, 2)); }
    std::uint16_t symbolRate() const { return words_[kF]; }
    std::uint8_t fecCode() const { return static_cast<std::uint8_t>(field(kG, 0, 8)); }
    std::uint8_t satelliteIndex() const { return static_cast<std::uint8_t>(field(kG, 8, 8)); }
    std::uint16_t bouquetNumber() const { return bouquetNumber_; }

    void setVideoPid(unsigned value) { setField(kA, 0, 13, value); }
    void setFree(bool value) { setField(kA, 13, 1, value); }
    void setInUserList(bool value) { setField(kA, 14, 1, value); }
    void setMarked(bool value) { setField(kA, 15, 1, value); }
    void setAudioPid(unsigned value) { setField(kB, 0, 13, value); }
    void setPcrPid(unsigned value) { setField(kC, 0, 13, value); }
    void setEpg(bool value) { setField(kC, 13, 1, value); }
    void setServiceId(unsigned value) { setField(kD, 0, 16, value); }
    void setFrequency(unsigned value) { setField(kE, 0, 14, value); }
    void setPolarisation(unsigned value) { setField(kE, 14, 2, value); }
    void setSymbolRate(unsigned value) { setField(kF, 0, 16, value); }
    void setFecCode(unsigned value) { setField(kG, 0, 8, value); }
    void setSatelliteIndex(unsigned value) { setField(kG, 8, 8, value); }
    void setBouquetNumber(unsigned value) { bouquetNumber_ = static_cast<std::uint16_t>(value); }

    // Texts are raw bytes in the receiver's 8-bit character set, up to the first zero byte.
    std::string_view name() const { return text(name_); }
    std::string_view bouquetName() const { return text(bouquetName_); }
    // Stores at most 31 bytes (the rest is dropped) and clears the remainder of the array.
    void setName(std::string_view bytes) { setText(name_, bytes); }
    void setBouquetName(std::string_view bytes) { setText(bouquetName_, bytes); }

    // The raw packed words A..G, for the image and for tests of the bit layout.
    static constexpr std::size_t kWordCount = 7;
    std::uint16_t word(std::size_t index) const { return words_.at(index); }

    // Little-endian 80-byte image, the same on every host whatever its byte order or padding.
    Image toImage() const;
    static ChannelRecord fromImage(std::span<const std::uint8_t, kImageSize> image);

    friend bool operator==(const ChannelRecord&, const ChannelRecord&) = default;

private:
    enum Word : std::size_t { kA, kB, kC, kD, kE, kF, kG };
    using Text = std::array<char, kTextCapacity>;

    std::uint16_t field(Word word, unsigned shift, unsigned width) const {
        return static_cast<std::uint16_t>((words_[word] >> shift) & mask(width));
    }
    void setField(Word word, unsigned shift, unsigned width, unsigned value) {
        const unsigned bits = mask(width) << shift;
        words_[word] =
            static_cast<std::uint16_t>((words_[word] & ~bits) | ((value << shift) & bits));
    }
    static constexpr unsigned mask(unsigned width) { return (1u << width) - 1u; }
    static std::string_view text(const Text& bytes);
    static void setText(Text& bytes, std::string_view value);

    std::array<std::uint16_t, kWordCount> words_{};
    Text name_{};
    Text bouquetName_{};
    std::uint16_t bouquetNumber_ = 0;
};

// Display text of a FEC code: "1/2", "2/3", "3/4", "5/6", "7/8" or "---".
std::string_view fecRateText(std::uint8_t fecCode);

} // namespace kanalo
