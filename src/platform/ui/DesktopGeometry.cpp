// Where windows are: client areas inside their frames, coordinates and hit tests.
#include "platform/ui/Desktop.h"

#include "platform/ui/DesktopRecord.h"

#include <algorithm>

namespace platform {

Rect Desktop::clientAreaOf(const WindowRecord& r) const
{
    Rect c{0, 0, r.rect.width(), r.rect.height()};
    auto inset = [&c](int32_t n) { c = {c.left + n, c.top + n, c.right - n, c.bottom - n}; };
    if (r.style & windowStyle::ThickFrame)
        inset(m_metrics.value(SystemMetric::FrameWidth));
    else if (r.style & windowStyle::DialogFrame)
        inset(m_metrics.value(SystemMetric::DialogFrameWidth));
    else if (r.style & (windowStyle::Border | windowStyle::Caption))
        inset(m_metrics.value(SystemMetric::BorderWidth));
    if (r.style & windowStyle::Caption)
        c.top += (r.exStyle & extendedStyle::ToolWindow) ? m_metrics.value(SystemMetric::SmallCaptionHeight)
                                                   : m_metrics.value(SystemMetric::CaptionHeight);
    if (r.menuBar && !r.isChild())
        c.top += m_metrics.value(SystemMetric::MenuHeight);
    if (r.exStyle & extendedStyle::ClientEdge)
        inset(2);
    else if (r.exStyle & extendedStyle::StaticEdge)
        inset(1);
    if (c.right < c.left)
        c.right = c.left;
    if (c.bottom < c.top)
        c.bottom = c.top;
    return c;
}

Rect Desktop::clientArea(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? clientAreaOf(*r) : Rect{};
}

Point Desktop::clientOrigin(const WindowRecord& r) const
{
    Point origin = r.rect.topLeft() + clientAreaOf(r).topLeft();
    if (r.isChild())
        if (const WindowRecord* p = record(r.parent))
            origin = origin + clientOrigin(*p);
    return origin;
}

Rect Desktop::windowRect(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    if (!r)
        return {};
    if (r->isChild())
        if (const WindowRecord* p = record(r->parent))
            return r->rect.offsetBy(clientOrigin(*p));
    return r->rect;
}

Rect Desktop::rectInParent(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->rect : Rect{};
}

Rect Desktop::clientRect(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    if (!r)
        return {};
    const Rect c = clientAreaOf(*r);
    return {0, 0, c.width(), c.height()};
}

Rect Desktop::clientRectOnScreen(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    if (!r)
        return {};
    return clientRect(window).offsetBy(clientOrigin(*r));
}

Rect Desktop::visibleScreenRect(const WindowRecord& r) const
{
    Rect area = windowRect(r.handle);
    for (const WindowRecord* p = r.isChild() ? record(r.parent) : nullptr; p;
         p = p->isChild() ? record(p->parent) : nullptr)
        area = area.intersected(clientRectOnScreen(p->handle));
    return area.intersected(m_screen.rect());
}

void Desktop::moveWindow(WindowHandle window, const Rect& newRect)
{
    WindowRecord* r = record(window);
    if (!r)
        return;
    const Rect normal = newRect.normalized();
    if (normal == r->rect)
        return;
    const bool resized = normal.size() != r->rect.size();
    const bool moved = normal.topLeft() != r->rect.topLeft();
    invalidateScreen(visibleScreenRect(*r));
    r->rect = normal;
    invalidate(window);
    if (resized)
        send(window, msg::Size, 0, packSize(clientRect(window).size()));
    if (moved && isWindow(window))
        send(window, msg::Move, 0, packPoint(normal.topLeft()));
}

Point Desktop::clientToScreen(WindowHandle window, Point p) const
{
    const WindowRecord* r = record(window);
    return r ? p + clientOrigin(*r) : p;
}

Point Desktop::screenToClient(WindowHandle window, Point p) const
{
    const WindowRecord* r = record(window);
    return r ? p - clientOrigin(*r) : p;
}

Rect Desktop::clientToScreen(WindowHandle window, const Rect& rect) const
{
    const WindowRecord* r = record(window);
    return r ? rect.offsetBy(clientOrigin(*r)) : rect;
}

Rect Desktop::screenToClient(WindowHandle window, const Rect& rect) const
{
    const WindowRecord* r = record(window);
    if (!r)
        return rect;
    const Point o = clientOrigin(*r);
    return rect.offsetBy(-o.x, -o.y);
}

WindowHandle Desktop::childFromPoint(WindowHandle window, Point client) const
{
    const WindowRecord* r = record(window);
    if (!r)
        return {};
    for (auto it = r->children.rbegin(); it != r->children.rend(); ++it) {
        const WindowHandle c = *it;
        const WindowRecord* k = record(c);
        if (k && (k->style & windowStyle::Visible) && !(k->exStyle & extendedStyle::Transparent) && k->rect.contains(client))
            return c;
    }
    return window;
}

WindowHandle Desktop::windowFromPoint(Point screenPoint) const
{
    for (auto it = m_topLevel.rbegin(); it != m_topLevel.rend(); ++it) {
        const WindowHandle t = *it;
        const WindowRecord* r = record(t);
        if (!r || !(r->style & windowStyle::Visible) || (r->exStyle & extendedStyle::Transparent) || !r->rect.contains(screenPoint))
            continue;
        WindowHandle found = t;
        while (true) {
            const Rect client = clientRectOnScreen(found);
            if (!client.contains(screenPoint))
                break;
            WindowHandle next = childFromPoint(found, screenToClient(found, screenPoint));
            if (next == found)
                break;
            found = next;
        }
        return found;
    }
    return {};
}

} // namespace platform
