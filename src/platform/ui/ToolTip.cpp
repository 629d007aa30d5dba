#include "platform/ui/ToolTip.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/ControlSupport.h"

#include <algorithm>

namespace platform {

Status ToolTip::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<ToolTip>(desktop, className, 0, CursorShape::Arrow);
}

Result<WindowHandle> ToolTip::create(Desktop& desktop, WindowHandle owner)
{
    if (Status s = registerClass(desktop); !s)
        return Result<WindowHandle>::failure(s.message());
    CreateParams p;
    p.className = className;
    p.style = windowStyle::Popup | windowStyle::Border;
    p.exStyle = extendedStyle::TopMost | extendedStyle::NoActivate | extendedStyle::Transparent;
    p.rect = {0, 0, 10, 10};
    p.parent = owner;
    return desktop.createWindow(p);
}

void ToolTip::addTool(WindowHandle tool, const std::string& text, const Rect& area)
{
    removeTool(tool);
    m_tools.push_back({tool, text, area});
}

bool ToolTip::removeTool(WindowHandle tool)
{
    const size_t before = m_tools.size();
    m_tools.erase(std::remove_if(m_tools.begin(), m_tools.end(), [&](const Tool& t) { return t.window == tool; }),
                  m_tools.end());
    m_pending = -1;
    return m_tools.size() != before;
}

bool ToolTip::setToolText(WindowHandle tool, const std::string& text)
{
    for (Tool& t : m_tools)
        if (t.window == tool) {
            t.text = text;
            return true;
        }
    return false;
}

void ToolTip::activate(bool active)
{
    m_active = active;
    if (!active)
        hideTip();
}

const ToolTip::Tool* ToolTip::toolAt(WindowHandle window, Point client) const
{
    for (const Tool& t : m_tools) {
        if (t.window != window)
            continue;
        const Rect area = t.area.isEmpty() ? m_desktop.clientRect(window) : t.area;
        if (area.contains(client))
            return &t;
    }
    return nullptr;
}

void ToolTip::relay(WindowHandle from, const Message& m)
{
    if (!m_active)
        return;
    switch (m.id) {
    case msg::MouseMove: {
        const Point client = unpackPoint(m.lParam);
        m_lastScreen = m_desktop.clientToScreen(from, client);
        const Tool* tool = toolAt(from, client);
        const int index = tool ? int(tool - m_tools.data()) : -1;
        if (index == m_pending)
            return;
        hideTip();
        m_pending = index;
        if (index >= 0)
            m_desktop.setTimer(m_window, showTimer, initialDelay);
        return;
    }
    case msg::LeftDown:
    case msg::RightDown:
    case msg::KeyDown:
    case msg::CaptureLost:
        // The next move over a tool starts the delay again.
        hideTip();
        m_pending = -1;
        return;
    default:
        return;
    }
}

bool ToolTip::pointerOnPendingTool() const
{
    if (m_pending < 0 || size_t(m_pending) >= m_tools.size())
        return false;
    const Tool& tool = m_tools[size_t(m_pending)];
    const Point screen = m_desktop.cursorPosition();
    return m_desktop.windowFromPoint(screen) == tool.window
        && toolAt(tool.window, m_desktop.screenToClient(tool.window, screen)) == &tool;
}

void ToolTip::showTip()
{
    // The tool's window does not hear the pointer leave it, so the tip looks for itself.
    if (!pointerOnPendingTool()) {
        m_pending = -1;
        return;
    }
    if (m_tools[size_t(m_pending)].text.empty())
        return;
    const std::string& text = m_tools[size_t(m_pending)].text;
    m_desktop.setText(m_window, text);
    const std::shared_ptr<const Font> f = m_desktop.font(m_window);
    const Size extent{(f ? f->textWidth(text) : 40) + 8, (f ? f->height() : 13) + 4};
    Point at{m_lastScreen.x, m_lastScreen.y + 20};
    at.x = std::clamp(at.x, 0, std::max(0, m_desktop.screen().width() - extent.cx));
    at.y = std::clamp(at.y, 0, std::max(0, m_desktop.screen().height() - extent.cy));
    m_desktop.moveWindow(m_window, Rect::fromPointAndSize(at, extent));
    m_desktop.show(m_window, true);
    m_desktop.bringToTop(m_window);
    m_desktop.setTimer(m_window, hideTimer, autoPopDelay);
    m_desktop.setTimer(m_window, leaveTimer, leaveCheckInterval);
}

void ToolTip::hideTip()
{
    m_desktop.killTimer(m_window, showTimer);
    m_desktop.killTimer(m_window, hideTimer);
    m_desktop.killTimer(m_window, leaveTimer);
    m_desktop.show(m_window, false);
}

int64_t ToolTip::handle(const Message& m)
{
    switch (m.id) {
    case msg::Timer:
        if (m.wParam == leaveTimer) {
            if (!pointerOnPendingTool()) {
                hideTip();
                m_pending = -1;
            }
            return 0;
        }
        m_desktop.killTimer(m_window, uint32_t(m.wParam));
        if (m.wParam == showTimer)
            showTip();
        else if (m.wParam == hideTimer)
            hideTip();
        return 0;
    case msg::EraseBackground:
        controlSupport::paintContext(m).painter.fillRect(m_desktop.clientRect(m_window),
                                                         m_desktop.colors().color(SystemColor::InfoBackground));
        return 1;
    case msg::Paint: {
        Painter& p = controlSupport::paintContext(m).painter;
        p.setBackgroundMode(BackgroundMode::Transparent);
        p.setTextColor(m_desktop.colors().color(SystemColor::InfoText));
        Rect r = m_desktop.clientRect(m_window).inflatedBy(-3, -1);
        p.drawText(m_desktop.text(m_window), r, textFormat::Left | textFormat::VCenter | textFormat::SingleLine | textFormat::NoPrefix);
        return 0;
    }
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

} // namespace platform
