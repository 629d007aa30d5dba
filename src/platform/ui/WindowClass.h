#pragma once

#include "platform/gfx/Color.h"
#include "platform/ui/CursorShape.h"
#include "platform/ui/WindowProc.h"

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// What windows of one class share: their procedure, cursor and background.
struct WindowClass {
    std::string name; // compared without regard to case
    WindowProc procedure;
    uint32_t options = 0; // classStyle bits
    CursorShape cursor = CursorShape::Arrow;
    // The default erase fills the client area with this; none leaves it to the procedure.
    std::optional<Color> background;
};

} // namespace platform
