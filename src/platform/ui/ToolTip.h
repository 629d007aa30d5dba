#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowExtra.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A tip window for tools (windows, or areas of them): messages of a tool's window are passed
// to relay(); resting the mouse on a tool for the initial delay shows its text under the
// pointer, and leaving it, pressing a button or the auto-pop time hides it again.
class ToolTip : public WindowExtra {
public:
    static constexpr const char* className = "ToolTip";
    static constexpr uint32_t initialDelay = 500;
    static constexpr uint32_t autoPopDelay = 5000;
    static Status registerClass(Desktop& desktop);
    static ToolTip* of(Desktop& desktop, WindowHandle window) { return desktop.extra<ToolTip>(window); }
    // A hidden tip window owned by the owner's top-level window.
    static Result<WindowHandle> create(Desktop& desktop, WindowHandle owner);

    ToolTip(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    // An empty area stands for the tool's whole client area.
    void addTool(WindowHandle tool, const std::string& text, const Rect& area = {});
    bool removeTool(WindowHandle tool);
    bool setToolText(WindowHandle tool, const std::string& text);
    void activate(bool active);
    bool isActive() const { return m_active; }
    bool isShowing() const { return m_desktop.isVisible(m_window); }
    void relay(WindowHandle from, const Message& m);

private:
    struct Tool {
        WindowHandle window;
        std::string text;
        Rect area;
    };
    static constexpr uint32_t showTimer = 1;
    static constexpr uint32_t hideTimer = 2;
    static constexpr uint32_t leaveTimer = 3;
    static constexpr uint32_t leaveCheckInterval = 100;
    bool pointerOnPendingTool() const;
    const Tool* toolAt(WindowHandle window, Point client) const;
    void showTip();
    void hideTip();

    Desktop& m_desktop;
    WindowHandle m_window;
    std::vector<Tool> m_tools;
    bool m_active = true;
    int m_pending = -1; // index of the tool under the mouse
    Point m_lastScreen;
};

} // namespace platform
