#pragma once

#include <array>
#include <string_view>

namespace kanalo {

// The twelve list columns; the kind indexes the column sets, width tables and headers.
enum class ColumnKind {
    Number,
    Name,
    SatNumber,
    SatName,
    Frequency,
    Polarisation,
    SymbolRate,
    Fec,
    PcrPid,
    VideoPid,
    AudioPid,
    ServiceId,
};
inline constexpr int kColumnCount = 12;

enum class ColumnAlign { Left, Centre, Right };

struct ColumnInfo {
    std::string_view checkBoxLabel; // in the "Configure List" dialog; empty for the number
    std::string_view headerEnglish;
    std::string_view headerGerman;
    ColumnAlign align;
    int smallWidth; // screens below 1024 x 768
    int largeWidth;
};

const ColumnInfo& columnInfo(ColumnKind kind);
constexpr ColumnKind columnKind(int index) {
    return static_cast<ColumnKind>(index);
}
constexpr int columnIndex(ColumnKind kind) {
    return static_cast<int>(kind);
}

// Which columns are shown (screen set) or printed (printer set). The number is always on.
class ColumnSet {
public:
    ColumnSet() { flags_.fill(true); }
    // Bit k is column k; 0 means never configured and shows every column. Higher bits are
    // ignored.
    static ColumnSet fromMask(int mask);
    int toMask() const;

    bool shows(ColumnKind kind) const { return flags_[columnIndex(kind)]; }
    void set(ColumnKind kind, bool on);

    int visibleCount() const;
    // The kind of the n-th shown column, or -1 when there are not that many.
    int kindAtDisplayPosition(int position) const;
    friend bool operator==(const ColumnSet&, const ColumnSet&) = default;

private:
    std::array<bool, kColumnCount> flags_{};
};

// The screen set comes from "ListView"; the printer set from "ListPrint", or from "ListView"
// while "ListPrint" is 0.
struct ColumnSets {
    ColumnSet screen;
    ColumnSet printer;
    static ColumnSets fromSettings(int listView, int listPrint);
};

enum class SizeClass { Small = 0, Large = 1 };
constexpr SizeClass sizeClassFor(int desktopWidth, int desktopHeight) {
    return desktopWidth >= 1024 && desktopHeight >= 768 ? SizeClass::Large : SizeClass::Small;
}

// Column widths for both size classes, stored per column as (small << 16) | large.
class ColumnWidths {
public:
    ColumnWidths(); // the defaults

    int width(SizeClass size, ColumnKind kind) const;
    void setWidth(SizeClass size, ColumnKind kind, int width);

    static int packedDefault(ColumnKind kind);
    int packed(ColumnKind kind) const;
    // A width of 0, or one too wide to be real, is never kept: setWidth ignores it and
    // setPacked takes the default for that half (for both halves when the value is no packed
    // pair at all).
    void setPacked(ColumnKind kind, long long value);

    friend bool operator==(const ColumnWidths&, const ColumnWidths&) = default;

private:
    std::array<std::array<int, kColumnCount>, 2> table_{};
};

} // namespace kanalo
