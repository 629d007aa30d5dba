#pragma once

// The desktop's private bookkeeping, shared by its source files only.

#include "platform/ui/Desktop.h"
#include "platform/ui/Menu.h"

namespace platform {

struct Desktop::WindowRecord {
    WindowHandle handle;
    const WindowClass* windowClass = nullptr;
    std::string caption;
    int32_t id = 0;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    Rect rect; // in the parent's client coordinates, on the screen for a top-level window
    WindowHandle parent;
    WindowHandle owner;
    std::vector<WindowHandle> children; // top first
    std::shared_ptr<const WindowProc> procedure;
    std::unique_ptr<WindowExtra> extra;
    int64_t userData = 0;
    std::shared_ptr<const Font> font;
    std::shared_ptr<Menu> menuBar;
    int menuBarHot = -1;
    WindowHandle lastActivePopup;
    bool destroyed = false;

    bool isChild() const { return (style & windowStyle::Child) != 0; }
};

} // namespace platform
