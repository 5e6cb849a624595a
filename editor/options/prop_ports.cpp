#include "editor/options/prop_ports.h"

#include "core/transfer/com_port.h"
#include "core/transfer/serial_ports.h"
#include "editor/base/texts.h"
#include "editor/options/options_sheet.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kanalo {

// What an empty field uses: the device the environment names for the port, or the default.
QString CPropPorts::deviceWhenEmpty(int port) {
    const std::string variable = comPortVariable(static_cast<unsigned>(port));
    const QString fromEnvironment = qEnvironmentVariable(variable.c_str()).trimmed();
    if (fromEnvironment.isEmpty())
        return QString::fromStdString(portDevice(port, std::string()));
    return text("%1 (set by %2)").arg(fromEnvironment, QString::fromStdString(variable));
}

CPropPorts::CPropPorts(const OptionValues& values, const QStringList& candidates, QWidget* parent)
    : QWidget(parent) {
    auto* intro = new QLabel(text("Choose the serial device of each port, or type its path. An "
                                  "empty field uses the port's default device."),
                             this);
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    for (int port = 1; port <= 4; ++port) {
        auto* box = new QComboBox(this);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(candidates);
        box->lineEdit()->setMaxLength(kMaxDeviceLength);
        box->lineEdit()->setPlaceholderText(deviceWhenEmpty(port));
        box->setCurrentIndex(-1);
        box->setEditText(values.comDevices[static_cast<std::size_t>(port - 1)]);
        box->setMinimumContentsLength(32);
        devices_[static_cast<std::size_t>(port - 1)] = box;
        form->addRow(QStringLiteral("COM%1:").arg(port), box);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addStretch(1);
}

QComboBox* CPropPorts::deviceBox(int port) const {
    return port >= 1 && port <= 4 ? devices_[static_cast<std::size_t>(port - 1)] : nullptr;
}

void CPropPorts::store(OptionValues& values) const {
    for (std::size_t i = 0; i < devices_.size(); ++i)
        values.comDevices[i] = devices_[i]->currentText().trimmed();
}

} // namespace kanalo
