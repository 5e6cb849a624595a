#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

class QComboBox;

namespace kanalo {

struct OptionValues;

// The "Serial ports" page: the device behind each of COM1..COM4, chosen from the serial
// devices present or typed. An empty field leaves the port on its default device: the one
// KANALO_COM<n> names when that is set, else /dev/ttyS<n-1>.
class CPropPorts : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMaxDeviceLength = 255;

    CPropPorts(const OptionValues& values, const QStringList& candidates,
               QWidget* parent = nullptr);
    void store(OptionValues& values) const;

    QComboBox* deviceBox(int port) const; // 1..4
    // What an empty field of the port uses, as its placeholder shows it.
    static QString deviceWhenEmpty(int port);

private:
    std::array<QComboBox*, 4> devices_{};
};

} // namespace kanalo
