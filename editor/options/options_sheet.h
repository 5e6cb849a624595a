#pragma once

#include "core/format/cell_text.h"

#include <QDialog>
#include <QString>
#include <array>

class QTabWidget;

namespace kanalo {

class CPropAutoload;
class CPropPID;
class CPropPorts;
class CPropSort;
class CPropUpdate;

// Everything the Options sheet edits.
struct OptionValues {
    int boxType = 1;  // 1..3, the radio button chosen
    int firmware = 2; // 2 = "Software Version 1.5-46 or higher" checked
    bool transferAsk = true;
    int backupsKept = 30;
    bool sortMainList = false;
    bool sortNumbers = false; // shown inverted as "Don't sort channel numbers"
    bool ignoreNames = false;
    bool redLines = false;
    PidRadix pidRadix = PidRadix::Decimal;
    QString autoLoad;
    std::array<QString, 4> comDevices; // COM1..COM4; empty = the port's default device
};

// "Optionen": the property sheet with the pages General, Update, PID Values, Autoload and
// Serial ports, OK and Cancel.
class COptionsSheet : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxAutoLoadLength = 250;

    // transferAsk follows its check box at once and gets its old value back on Cancel.
    // listFolder is where Browse starts.
    COptionsSheet(const OptionValues& values, bool& transferAsk, const QString& listFolder,
                  QWidget* parent = nullptr);

    // The values on the pages now.
    OptionValues values() const;

    QTabWidget* tabs() const { return tabs_; }
    CPropSort* generalPage() const { return general_; }
    CPropUpdate* updatePage() const { return update_; }
    CPropPID* pidPage() const { return pid_; }
    CPropAutoload* autoloadPage() const { return autoload_; }
    CPropPorts* portsPage() const { return ports_; }

    // OK refuses an autoload path longer than 250 characters.
    void accept() override;
    void reject() override;

private:
    bool& transferAsk_;
    bool transferAskAtOpening_;
    QTabWidget* tabs_ = nullptr;
    CPropSort* general_ = nullptr;
    CPropUpdate* update_ = nullptr;
    CPropPID* pid_ = nullptr;
    CPropAutoload* autoload_ = nullptr;
    CPropPorts* ports_ = nullptr;
};

} // namespace kanalo
