#pragma once

#include "core/receiver.h"
#include "editor/base/editor_settings.h"

#include <QLocale>
#include <QString>
#include <optional>

class QTranslator;

namespace kanalo {

class Prompter;

// Settles the receiver type and Firmware from the stored values, asking the first-start
// questions ("Do you usa a  LUNDRA ?...", "Do you use a Pella1 Plus ?...", "Software Version
// 1.5-46 or higher ?") where a value is 0. Returns nothing when a question was cancelled:
// the program then ends without writing anything. Applies the Firmware rule (box types 2 and
// 3 always run with Firmware 2).
std::optional<ReceiverChoice> settleReceiver(int storedBoxType, int storedFirmware,
                                             Prompter& prompter);

enum class Language { English, German };

// "English" or "German" exactly select that language; anything else follows the system
// locale (German when the locale's language is German).
Language chooseLanguage(const QString& setting, const QLocale& systemLocale);

// Installs (or removes) the German translator on the application; English needs none.
void installLanguage(Language language);
bool germanInterface(); // the language installed last

} // namespace kanalo
