#include "editor/options/options_sheet.h"

#include "core/transfer/serial_ports.h"
#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/options/prop_autoload.h"
#include "editor/options/prop_pid.h"
#include "editor/options/prop_ports.h"
#include "editor/options/prop_sort.h"
#include "editor/options/prop_update.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kanalo {

namespace {

QStringList serialDevices() {
    QStringList devices;
    for (const std::string& device : serialDeviceCandidates())
        devices << QString::fromStdString(device);
    return devices;
}

} // namespace

COptionsSheet::COptionsSheet(const OptionValues& values, bool& transferAsk,
                             const QString& listFolder, QWidget* parent)
    : QDialog(parent), transferAsk_(transferAsk), transferAskAtOpening_(transferAsk) {
    // This title is the same in both languages.
    setWindowTitle(QStringLiteral("Optionen"));
    general_ = new CPropSort(values, this);
    update_ = new CPropUpdate(values, this);
    pid_ = new CPropPID(values, this);
    autoload_ = new CPropAutoload(values, listFolder, this);
    ports_ = new CPropPorts(values, serialDevices(), this);
    tabs_ = new QTabWidget(this);
    // Without scroll arrows the tab bar asks for the room of all its tabs, so the sheet opens
    // wide enough to show every page's tab in either language.
    tabs_->tabBar()->setUsesScrollButtons(false);
    tabs_->tabBar()->setElideMode(Qt::ElideNone);
    tabs_->addTab(general_, text("General"));
    tabs_->addTab(update_, text("Update"));
    tabs_->addTab(pid_, text("PID Values"));
    tabs_->addTab(autoload_, text("Autoload"));
    tabs_->addTab(ports_, text("Serial ports"));
    connect(general_, &CPropSort::transferAskClicked, this,
            [this](bool checked) { transferAsk_ = checked; });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(text("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(text("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionsSheet::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

OptionValues COptionsSheet::values() const {
    OptionValues values;
    general_->store(values);
    update_->store(values);
    pid_->store(values);
    autoload_->store(values);
    ports_->store(values);
    return values;
}

void COptionsSheet::accept() {
    QLineEdit* file = autoload_->fileField();
    if (file->text().size() > kMaxAutoLoadLength) {
        tabs_->setCurrentWidget(autoload_);
        prompter().error(this,
                         text("Please enter no more than %1 characters.").arg(kMaxAutoLoadLength));
        file->setFocus(Qt::OtherFocusReason);
        file->selectAll();
        return;
    }
    QDialog::accept();
}

void COptionsSheet::reject() {
    transferAsk_ = transferAskAtOpening_;
    QDialog::reject();
}

} // namespace kanalo
