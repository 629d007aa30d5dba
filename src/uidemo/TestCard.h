#pragma once

#include "platform/base/Geometry.h"
#include "platform/base/Result.h"
#include "platform/ui/WindowHandle.h"

namespace platform {
class Desktop;
} // namespace platform

// A window that shows what the painter draws: every pen style, every hatch, the 3-D edges, the
// frame controls in their states, the draw modes of a rubber band, and the mapped fonts.
class TestCard {
public:
    static constexpr const char* className = "MorvaTestCard";
    static platform::Status registerClass(platform::Desktop& desktop);
    // A top-level window with a caption at the given screen position.
    static platform::Result<platform::WindowHandle> create(platform::Desktop& desktop, platform::Point topLeft);
};
