#include "editor/base/start_up.h"

#include "editor/base/prompter.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace kanalo {

namespace {

std::unique_ptr<QTranslator> germanTranslator;
// Qt's own texts (the Yes/No buttons of message boxes, file dialogs) from the system's Qt.
std::unique_ptr<QTranslator> qtGermanTranslator;
bool germanInstalled = false;

// Firmware 1 or 2 from the user; nothing when cancelled.
std::optional<int> askFirmware(Prompter& prompter) {
    switch (prompter.question(
        nullptr, QCoreApplication::translate("Kanalo", "Software Version 1.5-46 or higher ?"),
        true)) {
    case Prompter::Answer::Yes:
        return 2;
    case Prompter::Answer::No:
        return 1;
    case Prompter::Answer::Cancel:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<ReceiverChoice> settleReceiver(int storedBoxType, int storedFirmware,
                                             Prompter& prompter) {
    int boxType = storedBoxType;
    // No such model: ask as on the first start instead of running with a type no tool knows.
    if (boxType > static_cast<int>(BoxType::Pella1Plus)) {
        boxType = 0;
    }

    if (boxType == 0) {
        switch (prompter.question(
            nullptr,
            QCoreApplication::translate("Kanalo",
                                        "Do you usa a  LUNDRA ?\n(Select No for Pella1 or TALVEN)"),
            true)) {
        case Prompter::Answer::Cancel:
            return std::nullopt;
        case Prompter::Answer::Yes:
            return ReceiverChoice{BoxType::Lundra, 2};
        case Prompter::Answer::No:
            break;
        }
        switch (
            prompter.question(nullptr,
                              QCoreApplication::translate(
                                  "Kanalo", "Do you use a Pella1 Plus ?\n(Select No for Pella1)"),
                              true)) {
        case Prompter::Answer::Cancel:
            return std::nullopt;
        case Prompter::Answer::Yes:
            return ReceiverChoice{BoxType::Pella1Plus, 2};
        case Prompter::Answer::No:
            break;
        }
        boxType = static_cast<int>(BoxType::Pella1Rondel);
    }

    // The later models only exist with the newer software.
    if (boxType >= static_cast<int>(BoxType::Lundra)) {
        return ReceiverChoice{static_cast<BoxType>(boxType), 2};
    }

    // The first model, also for negative values.
    if (storedFirmware == 1 || storedFirmware == 2) {
        return ReceiverChoice{BoxType::Pella1Rondel, storedFirmware};
    }
    const std::optional<int> firmware = askFirmware(prompter);
    if (!firmware) {
        return std::nullopt;
    }
    return ReceiverChoice{BoxType::Pella1Rondel, *firmware};
}

Language chooseLanguage(const QString& setting, const QLocale& systemLocale) {
    if (setting == QLatin1String("English")) {
        return Language::English;
    }
    if (setting == QLatin1String("German")) {
        return Language::German;
    }
    return systemLocale.language() == QLocale::German ? Language::German : Language::English;
}

void installLanguage(Language language) {
    for (auto* installed : {&germanTranslator, &qtGermanTranslator}) {
        if (*installed) {
            QCoreApplication::removeTranslator(installed->get());
            installed->reset();
        }
    }
    germanInstalled = false;
    if (language != Language::German) {
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    // Without the translation the interface stays English rather than half German.
    if (!translator->load(QStringLiteral(":/i18n/kanalo_de.qm")) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return;
    }
    germanTranslator = std::move(translator);
    germanInstalled = true;
    auto qtTexts = std::make_unique<QTranslator>();
    if (qtTexts->load(QStringLiteral("qtbase_de"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qtTexts.get()))
        qtGermanTranslator = std::move(qtTexts);
}

bool germanInterface() {
    return germanInstalled;
}

} // namespace kanalo
