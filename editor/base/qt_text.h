#pragma once

#include <QString>
#include <string_view>

namespace kanalo {

// Windows-1252 bytes as display text.
QString fromWindows1252(std::string_view bytes);

} // namespace kanalo
