#include "editor/options/prop_autoload.h"

#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/options/options_sheet.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace kanalo {

namespace {

// Typing and pasting stop at the limit. A path from Browse is set directly and may be longer;
// OK refuses it then, so nothing is cut without the user seeing it.
class LengthLimit : public QValidator {
public:
    LengthLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override {
        return input.size() <= limit_ ? Acceptable : Invalid;
    }

private:
    int limit_;
};

} // namespace

CPropAutoload::CPropAutoload(const OptionValues& values, const QString& listFolder, QWidget* parent)
    : QWidget(parent), listFolder_(listFolder) {
    auto* intro = new QLabel(text("If you enter a channel settings file name here, each time "
                                  "Kanalo starts the selected file will be loaded automatically."),
                             this);
    intro->setWordWrap(true);
    file_ = new QLineEdit(values.autoLoad, this);
    file_->setValidator(new LengthLimit(COptionsSheet::kMaxAutoLoadLength, file_));
    browse_ = new QPushButton(text("&Browse..."), this);
    browse_->setAutoDefault(false);
    connect(browse_, &QPushButton::clicked, this, &CPropAutoload::browse);

    auto* row = new QHBoxLayout;
    row->addWidget(file_, 1);
    row->addWidget(browse_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(row);
    layout->addStretch(1);
}

void CPropAutoload::browse() {
    QString path = prompter().openFileName(this, QString(), listFolder_,
                                           text("Channel Lists (*.dat);;All Files (*)"));
    if (path.isEmpty())
        return;
    // The default extension, for a name typed without one.
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo::exists(path) &&
        QFileInfo::exists(path + QStringLiteral(".dat")))
        path += QStringLiteral(".dat");
    file_->setText(QFileInfo(path).absoluteFilePath());
}

void CPropAutoload::store(OptionValues& values) const {
    values.autoLoad = file_->text();
}

} // namespace kanalo
