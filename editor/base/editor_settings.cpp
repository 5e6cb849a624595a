#include "editor/base/editor_settings.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace kanalo {

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

// An integer key with its default and the values it accepts; anything else reads as the
// default.
struct IntKey {
    const char* section;
    const char* name;
    int fallback;
    int minimum;
    int maximum;
};

// A string key and the length it may have; longer values are cut.
struct TextKey {
    const char* section;
    const char* name;
    int maxLength;
};

constexpr const char* kSettings = "Settings";
constexpr const char* kDirectories = "Directories";
constexpr const char* kColumns = "Columns";
constexpr const char* kRecentFiles = "Recent File List";
constexpr const char* kToolBar = "ToolBar";
constexpr const char* kPorts = "Ports";

// BoxType keeps negative values: they run as the first model. Above 3 means nothing known,
// so the first-start questions come again.
constexpr IntKey kBoxType{kSettings, "BoxType", 0, kIntMin, 3};
constexpr IntKey kFirmware{kSettings, "Firmware", 0, 0, 2};
constexpr IntKey kComPort{kSettings, "ComPort", 1, 1, 4};
// Options are on for any number but 0, negative ones included.
constexpr IntKey kIgnoreNames{kSettings, "IgnoreNames", 0, kIntMin, kIntMax};
constexpr IntKey kSortMainList{kSettings, "SortMainList", 0, kIntMin, kIntMax};
constexpr IntKey kSortNumbers{kSettings, "SortNumbers", 0, kIntMin, kIntMax};
constexpr IntKey kRedLines{kSettings, "RedLines", 0, kIntMin, kIntMax};
constexpr IntKey kTransferAsk{kSettings, "TransferAsk", 1, kIntMin, kIntMax};
// How many lists of each direction of the cable are kept; 0 keeps none.
constexpr IntKey kBackupsKept{kSettings, "BackupsKept", 30, 0, 9999};
constexpr IntKey kNoLimits{kSettings, "NoLimits", 0, kIntMin, kIntMax};
// Bit i is column i; there are twelve columns.
constexpr IntKey kListView{kSettings, "ListView", 0, 0, 0xFFF};
constexpr IntKey kListPrint{kSettings, "ListPrint", 0, 0, 0xFFF};

// Frequencies in MHz fit the record's 16-bit field.
constexpr std::array<IntKey, 8> kBandKeys{{
    {kSettings, "LowMin", 10700, 0, 0xFFFF},
    {kSettings, "LowMax", 11900, 0, 0xFFFF},
    {kSettings, "HighMin", 11550, 0, 0xFFFF},
    {kSettings, "HighMax", 12750, 0, 0xFFFF},
    {kSettings, "CLowMin", 3000, 0, 0xFFFF},
    {kSettings, "CLowMax", 4200, 0, 0xFFFF},
    {kSettings, "CHighMin", 3000, 0, 0xFFFF},
    {kSettings, "CHighMax", 4200, 0, 0xFFFF},
}};

constexpr TextKey kLanguage{kSettings, "Language1", 64};
constexpr TextKey kPid{kSettings, "PID", 64};
constexpr TextKey kWindow{kSettings, "Window", 255};
constexpr TextKey kVbs{kDirectories, "VBS", EditorSettings::kMaxFolderLength};
constexpr TextKey kUpd{kDirectories, "UPD", EditorSettings::kMaxFolderLength};
constexpr TextKey kTxt{kDirectories, "TXT", EditorSettings::kMaxFolderLength};
constexpr TextKey kBin{kDirectories, "BIN", EditorSettings::kMaxFolderLength};
constexpr TextKey kAutoLoad{kDirectories, "AutoLoad", EditorSettings::kMaxFolderLength};
constexpr std::array<TextKey, 4> kComDevices{{
    {kPorts, "COM1", EditorSettings::kMaxDeviceLength},
    {kPorts, "COM2", EditorSettings::kMaxDeviceLength},
    {kPorts, "COM3", EditorSettings::kMaxDeviceLength},
    {kPorts, "COM4", EditorSettings::kMaxDeviceLength},
}};
// A recent file longer than this is not a path worth offering.
constexpr int kMaxRecentPathLength = 4096;
constexpr const char* kToolBarStateKey = "State";
// A saved bar state is a few hundred bytes; anything far larger is not one.
constexpr int kMaxToolBarStateSize = 64 * 1024;

QString keyPath(const char* section, const char* name) {
    return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(name);
}

QString columnKey(int column) {
    return keyPath(kColumns, "Width") + QString::number(column);
}

QString recentFileKey(int entry) {
    return keyPath(kRecentFiles, "File") + QString::number(entry);
}

// An unquoted comma in a hand-edited INI value makes QSettings hand back a list.
QString textOf(const QVariant& value) {
    if (value.metaType().id() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(','));
    }
    return value.toString();
}

std::optional<long long> numberOf(const QVariant& value) {
    bool ok = false;
    const long long number = textOf(value).trimmed().toLongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return number;
}

int readInt(const QSettings& store, const IntKey& key) {
    const std::optional<long long> number = numberOf(store.value(keyPath(key.section, key.name)));
    if (!number || *number < key.minimum || *number > key.maximum) {
        return key.fallback;
    }
    return static_cast<int>(*number);
}

QString readString(const QSettings& store, const TextKey& key) {
    return textOf(store.value(keyPath(key.section, key.name))).left(key.maxLength);
}

void writeInt(QSettings& store, const IntKey& key, int value) {
    store.setValue(keyPath(key.section, key.name), value);
}

void writeString(QSettings& store, const TextKey& key, const QString& value) {
    store.setValue(keyPath(key.section, key.name), value.left(key.maxLength));
}

// One number of a "%d %d %d %d %d" text, read the way the C library reads "%d": blanks
// first, an optional sign, then at least one digit. Overflow counts as not read.
std::optional<int> scanNumber(const QString& text, qsizetype& pos) {
    while (pos < text.size() && text.at(pos).isSpace()) {
        ++pos;
    }
    qsizetype at = pos;
    bool negative = false;
    if (at < text.size() && (text.at(at) == QLatin1Char('-') || text.at(at) == QLatin1Char('+'))) {
        negative = text.at(at) == QLatin1Char('-');
        ++at;
    }
    const qsizetype digitsStart = at;
    long long value = 0;
    while (at < text.size() && text.at(at) >= QLatin1Char('0') && text.at(at) <= QLatin1Char('9')) {
        value = value * 10 + (text.at(at).unicode() - '0');
        if (value > static_cast<long long>(kIntMax) + 1) {
            return std::nullopt;
        }
        ++at;
    }
    if (at == digitsStart) {
        return std::nullopt;
    }
    if (negative) {
        value = -value;
    }
    if (value > kIntMax || value < kIntMin) {
        return std::nullopt;
    }
    pos = at;
    return static_cast<int>(value);
}

// Placements further out than this are damaged values, not a real desktop.
constexpr int kMaxCoordinate = 100000;

bool sensibleRect(int left, int top, int right, int bottom) {
    for (int coordinate : {left, top, right, bottom}) {
        if (coordinate < -kMaxCoordinate || coordinate > kMaxCoordinate) {
            return false;
        }
    }
    return right > left && bottom > top;
}

} // namespace

WindowPlacement WindowPlacement::parse(const QString& text) {
    WindowPlacement placement;
    std::array<int, 5> numbers{};
    int read = 0;
    qsizetype pos = 0;
    while (read < 5) {
        const std::optional<int> number = scanNumber(text, pos);
        if (!number) {
            break;
        }
        numbers[read++] = *number;
    }
    if (read >= 1) {
        placement.showState = numbers[0];
    }
    // The text holds right before top.
    const int left = numbers[1];
    const int right = numbers[2];
    const int top = numbers[3];
    const int bottom = numbers[4];
    if (read == 5 && sensibleRect(left, top, right, bottom)) {
        placement.normalRect = QRect(left, top, right - left, bottom - top);
        placement.hasRect = true;
    }
    return placement;
}

QRect WindowPlacement::fitted(const QRect& stored, const QRect& available) {
    if (!available.isValid())
        return stored;
    QRect rect(stored.topLeft(), stored.size().boundedTo(available.size()));
    rect.moveLeft(std::clamp(rect.left(), available.left(), available.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), available.top(), available.bottom() - rect.height() + 1));
    return rect;
}

QString WindowPlacement::format() const {
    if (!hasRect) {
        return QString::number(showState);
    }
    // QRect's right() and bottom() are inclusive; the text holds the exclusive edges.
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(showState)
        .arg(normalRect.left())
        .arg(normalRect.left() + normalRect.width())
        .arg(normalRect.top())
        .arg(normalRect.top() + normalRect.height());
}

EditorSettings EditorSettings::read(QSettings& store) {
    EditorSettings settings;
    settings.boxType = readInt(store, kBoxType);
    settings.firmware = readInt(store, kFirmware);
    settings.language = readString(store, kLanguage);
    settings.comPort = readInt(store, kComPort);
    settings.ignoreNames = readInt(store, kIgnoreNames) != 0;
    settings.sortMainList = readInt(store, kSortMainList) != 0;
    settings.sortNumbers = readInt(store, kSortNumbers) != 0;
    settings.redLines = readInt(store, kRedLines) != 0;
    settings.transferAsk = readInt(store, kTransferAsk) != 0;
    settings.backupsKept = readInt(store, kBackupsKept);
    settings.pidRadix = pidRadixFromSetting(readString(store, kPid).toStdString());

    std::array<unsigned, 8> band{};
    for (std::size_t i = 0; i < kBandKeys.size(); ++i) {
        band[i] = static_cast<unsigned>(readInt(store, kBandKeys[i]));
    }
    settings.bands =
        FrequencyBands{band[0], band[1], band[2], band[3], band[4], band[5], band[6], band[7]};

    settings.listView = readInt(store, kListView);
    settings.listPrint = readInt(store, kListPrint);
    settings.window = readString(store, kWindow);

    settings.vbsFolder = readString(store, kVbs);
    settings.updFolder = readString(store, kUpd);
    settings.txtFolder = readString(store, kTxt);
    settings.binFolder = readString(store, kBin);
    settings.autoLoad = readString(store, kAutoLoad);
    for (std::size_t port = 0; port < kComDevices.size(); ++port)
        settings.comDevices[port] = readString(store, kComDevices[port]).trimmed();

    for (int column = 0; column < kColumnCount; ++column) {
        const ColumnKind kind = columnKind(column);
        const std::optional<long long> packed = numberOf(store.value(columnKey(column)));
        settings.columnWidths.setPacked(kind, packed ? *packed : ColumnWidths::packedDefault(kind));
    }

    for (int entry = 1; entry <= kMaxRecentFiles; ++entry) {
        const QString path = textOf(store.value(recentFileKey(entry)));
        if (!path.isEmpty() && path.size() <= kMaxRecentPathLength) {
            settings.recentFiles.append(path);
        }
    }

    const QByteArray state = store.value(keyPath(kToolBar, kToolBarStateKey)).toByteArray();
    if (state.size() <= kMaxToolBarStateSize) {
        settings.toolBarState = state;
    }
    return settings;
}

bool EditorSettings::readNoLimits(QSettings& store) {
    store.sync(); // the value may have been set in the file while Kanalo runs
    return readInt(store, kNoLimits) != 0;
}

void EditorSettings::writeAtExit(QSettings& store) const {
    writeString(store, kWindow, window);
    store.setValue(keyPath(kToolBar, kToolBarStateKey), toolBarState);

    writeInt(store, kComPort, comPort >= 1 && comPort <= 4 ? comPort : kComPort.fallback);
    writeString(store, kVbs, vbsFolder);
    writeString(store, kUpd, updFolder);
    writeString(store, kTxt, txtFolder);
    writeString(store, kBin, binFolder);
    writeString(store, kAutoLoad, autoLoad);
    for (std::size_t port = 0; port < kComDevices.size(); ++port)
        writeString(store, kComDevices[port], comDevices[port].trimmed());
    writeInt(store, kIgnoreNames, ignoreNames ? 1 : 0);
    writeInt(store, kSortMainList, sortMainList ? 1 : 0);
    writeInt(store, kSortNumbers, sortNumbers ? 1 : 0);
    writeInt(store, kRedLines, redLines ? 1 : 0);
    writeInt(store, kTransferAsk, transferAsk ? 1 : 0);
    writeInt(store, kBackupsKept, backupsKept);
    writeString(store, kPid,
                pidRadix == PidRadix::Hex ? QStringLiteral("hex") : QStringLiteral("dec"));
    // Zero means "ask at the next start"; it is never stored.
    if (firmware > 0) {
        writeInt(store, kFirmware, firmware);
    }
    if (boxType > 0) {
        writeInt(store, kBoxType, boxType);
    }

    for (int column = 0; column < kColumnCount; ++column) {
        store.setValue(columnKey(column), columnWidths.packed(columnKind(column)));
    }

    // Entries close up, so File1 is always the most recent; keys left over are removed.
    int entry = 1;
    for (const QString& path : recentFiles) {
        if (entry > kMaxRecentFiles) {
            break;
        }
        if (!path.isEmpty()) {
            store.setValue(recentFileKey(entry++), path);
        }
    }
    for (; entry <= kMaxRecentFiles; ++entry) {
        store.remove(recentFileKey(entry));
    }
}

void EditorSettings::writeListView(QSettings& store, int mask) {
    writeInt(store, kListView, mask & kListView.maximum);
}

void EditorSettings::writeListPrint(QSettings& store, int mask) {
    writeInt(store, kListPrint, mask & kListPrint.maximum);
}

std::unique_ptr<QSettings> openSettingsStore() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Kanalo"), QStringLiteral("Kanalo"));
}

} // namespace kanalo
