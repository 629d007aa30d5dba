#pragma once

#include <string>
#include <string_view>

namespace morva {

// What one line of a message or event-sink map says.
struct MessageMapEntry {
    std::string m_strMessage;           // WM_PAINT, BN_CLICKED, COMMAND, ...
    std::string m_strControlId;         // identifier argument, empty for window messages
    std::string m_strHandler;           // handler function named or implied by the entry
    std::string m_strNotificationClass; // MFC class of the notifying control, if known
    bool m_bWindowMessage = false;      // the handler name is implied by the message
};

// Reads an "ON_..." entry; false for text that is not one.
bool ParseMessageMapEntry(std::string_view entry, MessageMapEntry& result);
// Whether `function` is the handler that MFC names for a window message (OnLButtonDown for
// WM_LBUTTONDOWN): "On" + the message name without underscores, compared case-insensitively.
bool IsWindowMessageHandler(std::string_view function, std::string_view message);

} // namespace morva
