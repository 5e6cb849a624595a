#pragma once

#include <QCoreApplication>
#include <QString>

namespace kanalo {

// Every text the user sees has its English wording as source and its German translation in
// the "Kanalo" context of the translation file.
inline QString text(const char* english, const char* disambiguation = nullptr) {
    return QCoreApplication::translate("Kanalo", english, disambiguation);
}

// For tables of texts that are translated where they are shown.
#define KANALO_TEXT(english) english

} // namespace kanalo
