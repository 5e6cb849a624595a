#pragma once

#include <string_view>

// The words the current tools and the receiver exchange.
namespace kanalo::serial {

inline constexpr const char* baudCommandFormat = "baudrate%d\n";
inline constexpr std::string_view baudAcknowledgement = "S_OK:";
inline constexpr std::string_view baudResetCommand = "baudratereset";

inline constexpr std::string_view fetchRequest = "listfetchrams";
inline constexpr std::string_view fetchListRequest = "listfetchlist";
inline constexpr std::string_view fetchStartMarker = "### start dumping program list ###";
inline constexpr std::string_view fetchStopMarker = "### stop dumping program list ###";

inline constexpr std::string_view sendRequest = "listsendrams";
inline constexpr std::string_view sendStartMarker = "### start loading program list ###";
inline constexpr std::string_view lineAccepted = "added!";
inline constexpr std::string_view lineRejected = "Failed!";
inline constexpr std::string_view sendEndOfList = "### stop dumping program list ###\n";

} // namespace kanalo::serial
