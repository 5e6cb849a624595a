#include "editor/dialogs/about_dialog.h"

#include "core/version.h"
#include "editor/base/rendered_icon.h"
#include "editor/base/texts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kanalo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(text("About Kanalo"));
    auto* icon = new QLabel(this);
    icon->setPixmap(resourceIcon("kanalo").pixmap(48, 48));
    auto* name = new QLabel(QStringLiteral("<b>Kanalo</b>"), this);
    const QString number = QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor);
    auto* version = new QLabel(text("Version %1").arg(number), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(texts);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

} // namespace kanalo
