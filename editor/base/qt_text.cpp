#include "editor/base/qt_text.h"

#include "core/channels/windows1252.h"

namespace kanalo {

QString fromWindows1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(static_cast<char16_t>(decodeWindows1252(static_cast<unsigned char>(byte))));
    return text;
}

} // namespace kanalo
