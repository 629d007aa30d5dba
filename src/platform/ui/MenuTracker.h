#pragma once

#include "platform/base/Geometry.h"
#include "platform/ui/WindowHandle.h"

#include <cstdint>
#include <memory>

namespace platform {

class Desktop;
class Menu;

namespace trackFlag {
// The chosen command is only returned; without it, it is also posted to the owner as msg::Command.
inline constexpr uint32_t ReturnCommand = 0x01;
inline constexpr uint32_t RightButton = 0x02; // the right button chooses too
} // namespace trackFlag

// Shows a popup menu with its top left at a screen point (moved to stay on the screen) and
// tracks it modally with the mouse and the keyboard until an item is chosen or the menu is
// dismissed. Returns the chosen command id, 0 when nothing was chosen. The owner receives
// msg::InitMenuPopup before each popup opens.
int32_t trackPopupMenu(Desktop& desktop, std::shared_ptr<Menu> menu, Point screen, WindowHandle owner,
                       uint32_t flags = 0);

// Opens the title of a window's menu bar and tracks the bar; a chosen command is posted to
// the window as msg::Command.
int32_t trackMenuBar(Desktop& desktop, WindowHandle window, int titleIndex);

} // namespace platform
