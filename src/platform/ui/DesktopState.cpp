// Input state and shared settings: capture, focus, activation, timers, colours, menu bars.
#include "platform/ui/Desktop.h"

#include "platform/ui/DesktopRecord.h"

#include <algorithm>

namespace platform {

void Desktop::setCapture(WindowHandle window)
{
    if (!isWindow(window) || m_capture == window)
        return;
    const WindowHandle old = m_capture;
    m_capture = window;
    if (old)
        send(old, msg::CaptureLost);
}

void Desktop::releaseCapture()
{
    const WindowHandle old = m_capture;
    m_capture = {};
    if (old)
        send(old, msg::CaptureLost);
}

void Desktop::setFocus(WindowHandle window)
{
    if (window && !isWindow(window))
        return;
    if (window == m_focus)
        return;
    if (window) {
        const WindowHandle top = topLevelOf(window);
        if (top != m_active && !(exStyle(top) & extendedStyle::NoActivate)) {
            setActiveWindow(top);
            if (m_focus == window)
                return;
        }
    }
    const WindowHandle old = m_focus;
    m_focus = window;
    if (old)
        send(old, msg::KillFocus, window.value);
    if (window && m_focus == window)
        send(window, msg::SetFocus, old.value);
}

void Desktop::setActiveWindow(WindowHandle window)
{
    const WindowHandle top = topLevelOf(window);
    if (top == m_active || (top && (exStyle(top) & extendedStyle::NoActivate)))
        return;
    const WindowHandle old = m_active;
    m_active = top;
    if (old && isWindow(old)) {
        send(old, msg::Activate, 0, top.value);
        invalidate(old);
    }
    if (!top || !isWindow(top))
        return;
    bringToTop(top);
    // Every owner up the chain remembers this as its last active popup.
    for (WindowRecord* o = record(record(top)->owner); o; o = record(o->owner))
        o->lastActivePopup = top;
    send(top, msg::Activate, 1, old.value);
}

WindowHandle Desktop::lastActivePopup(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    if (!r)
        return {};
    const WindowRecord* p = record(r->lastActivePopup);
    if (p && (p->style & windowStyle::Visible) && !(p->style & windowStyle::Disabled))
        return p->handle;
    return window;
}

void Desktop::setTimer(WindowHandle window, uint32_t id, uint32_t intervalMs)
{
    if (!isWindow(window))
        return;
    const uint32_t interval = std::max<uint32_t>(intervalMs, 1);
    for (TimerEntry& t : m_timers)
        if (t.window == window && t.id == id) {
            t.interval = interval;
            t.due = m_now + interval;
            return;
        }
    m_timers.push_back({window, id, interval, m_now + interval});
}

bool Desktop::killTimer(WindowHandle window, uint32_t id)
{
    auto it = std::find_if(m_timers.begin(), m_timers.end(),
                           [&](const TimerEntry& t) { return t.window == window && t.id == id; });
    if (it == m_timers.end())
        return false;
    m_timers.erase(it);
    return true;
}

void Desktop::advanceClock(uint64_t ms)
{
    m_clockTarget = std::max(m_clockTarget, m_now) + ms;
    if (m_loopDepth == 0)
        pumpAll();
}

void Desktop::setColors(const SystemColors& newColors)
{
    m_colors = newColors;
    invalidateScreen(m_screen.rect());
}

void Desktop::setMenuBar(WindowHandle window, std::shared_ptr<Menu> menu)
{
    WindowRecord* r = record(window);
    if (!r || r->isChild())
        return;
    const Size before = clientRect(window).size();
    r->menuBar = std::move(menu);
    invalidate(window);
    if (clientRect(window).size() != before)
        send(window, msg::Size, 0, packSize(clientRect(window).size()));
}

std::shared_ptr<Menu> Desktop::menuBar(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->menuBar : nullptr;
}

Rect Desktop::menuBarRect(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    if (!r || !r->menuBar || r->isChild())
        return {};
    Rect client = clientAreaOf(*r);
    if (r->exStyle & extendedStyle::ClientEdge)
        client = client.inflatedBy(2, 2);
    else if (r->exStyle & extendedStyle::StaticEdge)
        client = client.inflatedBy(1, 1);
    const int32_t h = m_metrics.value(SystemMetric::MenuHeight);
    return {client.left, client.top - h, client.right, client.top - 1};
}

void Desktop::setMenuBarHighlight(WindowHandle window, int index)
{
    WindowRecord* r = record(window);
    if (!r || r->menuBarHot == index)
        return;
    r->menuBarHot = index;
    invalidateScreen(menuBarRect(window).offsetBy(windowRect(window).topLeft()));
}

} // namespace platform
