#pragma once

#include <string_view>

// The words the older tools and the receiver exchange.
namespace kanalo::legacy {

inline constexpr std::string_view fetchRequest = "   x                   listfetchrams";
inline constexpr std::string_view fetchStartMarker = "### start dumping program list ###";
inline constexpr std::string_view fetchStopMarker = "### stop dumping program list ###";

inline constexpr std::string_view sendRequest = "  x                    listsendrams";
inline constexpr std::string_view sendStartLine = "### start loading program list ###";
inline constexpr std::string_view sendEndOfList = "  ### stop dumping program list ###\n";
inline constexpr std::string_view receiverGaveUp = "Timed out!";

} // namespace kanalo::legacy
