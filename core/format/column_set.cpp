#include "core/format/column_set.h"

namespace kanalo {

namespace {

constexpr std::array<ColumnInfo, kColumnCount> kColumns{{
    {"", "No.", "Nr.", ColumnAlign::Left, 30, 39},
    {"Name", "Name", "Name", ColumnAlign::Left, 120, 160},
    {"Sat number", "Sat", "Sat", ColumnAlign::Centre, 28, 36},
    {"Sat Name", "Satname", "Sat Name", ColumnAlign::Left, 108, 143},
    {"Frequency", "Frequency", "Frequenz", ColumnAlign::Centre, 62, 82},
    {"Polarisation", "Pol", "Pol", ColumnAlign::Centre, 28, 36},
    {"Symbolrate", "SR", "SR", ColumnAlign::Right, 45, 59},
    {"FEC", "FEC", "FEC", ColumnAlign::Centre, 40, 52},
    {"PCR PID", "PCR", "PCR", ColumnAlign::Right, 40, 52},
    {"Video PID", "VPID", "VPID", ColumnAlign::Right, 40, 52},
    {"Audio PID", "APID", "APID", ColumnAlign::Right, 40, 52},
    {"Service ID", "SID", "SID", ColumnAlign::Right, 45, 59},
}};

// Anything wider than this is not a width a user set by dragging a column edge.
constexpr int kMaxColumnWidth = 4000;

// A column of no width is shown but never seen, and hard to grab for widening: such a width is
// neither kept nor stored.
bool usableWidth(long long width) {
    return width > 0 && width <= kMaxColumnWidth;
}

} // namespace

const ColumnInfo& columnInfo(ColumnKind kind) {
    return kColumns[columnIndex(kind)];
}

ColumnSet ColumnSet::fromMask(int mask) {
    ColumnSet set;
    if (mask != 0)
        for (int k = 0; k < kColumnCount; ++k)
            set.flags_[k] = (static_cast<unsigned>(mask) >> k) & 1u;
    set.flags_[0] = true;
    return set;
}

int ColumnSet::toMask() const {
    int mask = 0;
    for (int k = 0; k < kColumnCount; ++k)
        mask |= flags_[k] ? 1 << k : 0;
    return mask;
}

void ColumnSet::set(ColumnKind kind, bool on) {
    flags_[columnIndex(kind)] = on || kind == ColumnKind::Number;
}

int ColumnSet::visibleCount() const {
    int count = 0;
    for (const bool on : flags_)
        count += on ? 1 : 0;
    return count;
}

int ColumnSet::kindAtDisplayPosition(int position) const {
    for (int k = 0; k < kColumnCount; ++k)
        if (flags_[k] && position-- == 0)
            return k;
    return -1;
}

ColumnSets ColumnSets::fromSettings(int listView, int listPrint) {
    return {ColumnSet::fromMask(listView),
            ColumnSet::fromMask(listPrint != 0 ? listPrint : listView)};
}

ColumnWidths::ColumnWidths() {
    for (int k = 0; k < kColumnCount; ++k) {
        table_[0][k] = kColumns[k].smallWidth;
        table_[1][k] = kColumns[k].largeWidth;
    }
}

int ColumnWidths::width(SizeClass size, ColumnKind kind) const {
    return table_[static_cast<int>(size)][columnIndex(kind)];
}

void ColumnWidths::setWidth(SizeClass size, ColumnKind kind, int width) {
    if (usableWidth(width))
        table_[static_cast<int>(size)][columnIndex(kind)] = width;
}

int ColumnWidths::packedDefault(ColumnKind kind) {
    const ColumnInfo& info = columnInfo(kind);
    return (info.smallWidth << 16) | info.largeWidth;
}

int ColumnWidths::packed(ColumnKind kind) const {
    return (width(SizeClass::Small, kind) << 16) | width(SizeClass::Large, kind);
}

void ColumnWidths::setPacked(ColumnKind kind, long long value) {
    const bool packed = value >= 0 && value <= 0xFFFFFFFFLL;
    const long long small = (value >> 16) & 0xFFFF;
    const long long large = value & 0xFFFF;
    const ColumnInfo& info = columnInfo(kind);
    table_[0][columnIndex(kind)] =
        packed && usableWidth(small) ? static_cast<int>(small) : info.smallWidth;
    table_[1][columnIndex(kind)] =
        packed && usableWidth(large) ? static_cast<int>(large) : info.largeWidth;
}

} // namespace kanalo
