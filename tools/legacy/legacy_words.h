#pragma once

#include "tools/seriallink/protocol_words.h"

#include <string_view>

// The words the older tools and the receiver exchange: the markers are the current tools', the
// requests and the end of an upload are laid out for the older receivers.
namespace kanalo::legacy {

inline constexpr std::string_view fetchRequest = "   x                   listfetchrams";
using serial::fetchStartMarker;
using serial::fetchStopMarker;

inline constexpr std::string_view sendRequest = "  x                    listsendrams";
inline constexpr std::string_view sendStartLine = serial::sendStartMarker;
inline constexpr std::string_view sendEndOfList = "  ### stop dumping program list ###\n";
inline constexpr std::string_view receiverGaveUp = "Timed out!";

} // namespace kanalo::legacy
