#pragma once

#include "core/channels/satellite_table.h"
#include "core/format/cell_text.h"
#include "core/format/column_set.h"
#include "core/receiver.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QSettings;

namespace kanalo {

// The saved window placement: "%d %d %d %d %d" of show state, left, right, top, bottom.
struct WindowPlacement {
    static constexpr int kShowMaximized = 3;
    int showState = 0;
    QRect normalRect; // valid only when all five numbers were read
    bool hasRect = false;

    static WindowPlacement parse(const QString& text);
    QString format() const;
    // The stored rectangle made to fit the screen's free area: no larger than it, moved inside
    // it (a window saved at another scale or on a larger screen would reach past its edges).
    static QRect fitted(const QRect& stored, const QRect& available);
};

// Every setting of the editor with its default, read at start-up and written at exit. Keys,
// sections and defaults live in editor_settings.cpp and nowhere else. Values that are not
// numbers, or out of their range, fall back to their defaults.
struct EditorSettings {
    // "Settings"
    int boxType = 0;  // raw value; 0 = ask at start-up
    int firmware = 0; // raw value; 0 = ask at start-up
    QString language; // "Language1": "English", "German" or anything (system choice)
    int comPort = 1;  // 1..4; anything else reads as 1
    bool ignoreNames = false;
    bool sortMainList = false;
    bool sortNumbers = false;
    bool redLines = false;
    bool transferAsk = true;
    int backupsKept = 30;                  // "BackupsKept": backups of each direction; 0 = none
    PidRadix pidRadix = PidRadix::Decimal; // "PID": "hex" or "dec"
    FrequencyBands bands;                  // read only, never written
    int listView = 0;                      // column masks, written by the column dialog
    int listPrint = 0;
    QString window; // raw "Window" text

    // "Directories", each at most 255 characters
    QString vbsFolder;
    QString updFolder;
    QString txtFolder;
    QString binFolder;
    QString autoLoad;

    // "Columns"
    ColumnWidths columnWidths;

    // "Recent File List": File1..File4, most recent first
    QStringList recentFiles;

    // "ToolBar": the main window's saved bar state
    QByteArray toolBarState;

    // "Ports": the device behind COM1..COM4; empty means the port's default device
    std::array<QString, 4> comDevices;

    static constexpr int kMaxRecentFiles = 4;
    static constexpr int kMaxFolderLength = 255;
    static constexpr int kMaxDeviceLength = 255;

    // Reads everything read at start-up (including BoxType, Firmware and Language1).
    static EditorSettings read(QSettings& store);
    // "NoLimits" is read each time the channel dialog opens, never cached.
    static bool readNoLimits(QSettings& store);

    // The keys written at exit: Window, ToolBar, ComPort, the five folders, IgnoreNames,
    // SortMainList, SortNumbers, RedLines, TransferAsk, PID, Firmware and BoxType (only when
    // above 0), the column widths and the recent files.
    // Also the four devices of "Ports".
    void writeAtExit(QSettings& store) const;
    // Written at once by the column dialog.
    static void writeListView(QSettings& store, int mask);
    static void writeListPrint(QSettings& store, int mask);
};

// The settings file: INI format at the per-user location (~/.config/Kanalo/Kanalo.ini).
// Tests point XDG_CONFIG_HOME elsewhere.
std::unique_ptr<QSettings> openSettingsStore();

} // namespace kanalo
