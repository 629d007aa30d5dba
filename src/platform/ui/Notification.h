#pragma once

#include <cstdint>

namespace platform {

// Notification codes that controls send to their parent in msg::Command.
namespace notification {
inline constexpr uint32_t Clicked = 0;
inline constexpr uint32_t Changed = 1;          // an edit's text, a progress bar's position
inline constexpr uint32_t SelectionChanged = 2;
inline constexpr uint32_t DoubleClicked = 3;
inline constexpr uint32_t DroppedDown = 4;
inline constexpr uint32_t ClosedUp = 5;
inline constexpr uint32_t GotFocus = 6;
inline constexpr uint32_t LostFocus = 7;
inline constexpr uint32_t SelectionAccepted = 8;  // a combo box's list closed on a choice
inline constexpr uint32_t SelectionCancelled = 9; // a combo box's list closed without one
inline constexpr uint32_t MaxTextReached = 10;
} // namespace notification

} // namespace platform
