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
// A full list is 1999 TV and 1999 Radio lines; a receiver that sends more than this is not
// sending a list, and a download gives up instead of filling the disk.
inline constexpr unsigned maxListLines = 4200;
inline constexpr const char* tooManyLinesError =
    "Error: the receiver sent more lines than a channel list holds.\n";

inline constexpr std::string_view sendRequest = "listsendrams";
inline constexpr std::string_view sendStartMarker = "### start loading program list ###";
inline constexpr std::string_view lineAccepted = "added!";
inline constexpr std::string_view lineRejected = "Failed!";
inline constexpr std::string_view sendEndOfList = "### stop dumping program list ###\n";

} // namespace kanalo::serial
