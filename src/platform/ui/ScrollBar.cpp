#include "platform/ui/ScrollBar.h"

#include "platform/gfx/FrameControl.h"
#include "platform/gfx/Painter.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Key.h"

#include <algorithm>

namespace platform {

Status ScrollBar::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<ScrollBar>(desktop, className, 0, CursorShape::Arrow);
}

bool ScrollBar::isVertical() const
{
    return (m_desktop.style(m_window) & scrollBarStyle::Vertical) != 0;
}

int32_t ScrollBar::length() const
{
    const Rect c = m_desktop.clientRect(m_window);
    return isVertical() ? c.height() : c.width();
}

int32_t ScrollBar::thickness() const
{
    const Rect c = m_desktop.clientRect(m_window);
    return isVertical() ? c.width() : c.height();
}

int32_t ScrollBar::arrowLength() const
{
    // Arrows are square, or share the bar when it is shorter than two of them.
    return std::min(thickness(), length() / 2);
}

void ScrollBar::setRange(int32_t low, int32_t high)
{
    m_low = low;
    m_high = std::max(low, high);
    setPosition(m_position);
    m_desktop.invalidate(m_window);
}

void ScrollBar::setPage(uint32_t page)
{
    m_page = page;
    setPosition(m_position);
    m_desktop.invalidate(m_window);
}

int32_t ScrollBar::maxPosition() const
{
    if (m_page == 0)
        return m_high;
    const int64_t last = int64_t(m_high) - int64_t(m_page) + 1;
    return int32_t(std::max<int64_t>(m_low, last));
}

void ScrollBar::setPosition(int32_t position)
{
    const int32_t clamped = std::clamp(position, m_low, maxPosition());
    if (clamped != m_position) {
        m_position = clamped;
        m_desktop.invalidate(m_window);
    }
}

Rect ScrollBar::firstArrow() const
{
    const int32_t a = arrowLength();
    return isVertical() ? Rect{0, 0, thickness(), a} : Rect{0, 0, a, thickness()};
}

Rect ScrollBar::secondArrow() const
{
    const int32_t a = arrowLength();
    const int32_t l = length();
    return isVertical() ? Rect{0, l - a, thickness(), l} : Rect{l - a, 0, l, thickness()};
}

Rect ScrollBar::thumb() const
{
    const int32_t track = length() - 2 * arrowLength();
    const int64_t span = int64_t(m_high) - m_low + 1;
    if (track < 8 || m_high <= m_low || !m_desktop.isEnabled(m_window))
        return {};
    int32_t size = thickness();
    if (m_page > 0)
        size = int32_t(std::clamp<int64_t>(int64_t(track) * m_page / span, 8, track));
    size = std::min(size, track);
    const int64_t range = int64_t(maxPosition()) - m_low;
    const int32_t offset = range > 0 ? int32_t(int64_t(track - size) * (int64_t(m_position) - m_low) / range) : 0;
    const int32_t start = arrowLength() + offset;
    return isVertical() ? Rect{0, start, thickness(), start + size} : Rect{start, 0, start + size, thickness()};
}

ScrollBar::Part ScrollBar::partAt(Point p) const
{
    if (!m_desktop.clientRect(m_window).contains(p))
        return Part::None;
    if (firstArrow().contains(p))
        return Part::FirstArrow;
    if (secondArrow().contains(p))
        return Part::SecondArrow;
    const Rect t = thumb();
    if (t.contains(p))
        return Part::Thumb;
    if (t.isEmpty())
        return Part::None;
    const int32_t along = isVertical() ? p.y : p.x;
    return along < (isVertical() ? t.top : t.left) ? Part::PageBefore : Part::PageAfter;
}

void ScrollBar::report(uint32_t code, int32_t position)
{
    const WindowHandle target = m_desktop.parent(m_window) ? m_desktop.parent(m_window) : m_desktop.owner(m_window);
    if (!target)
        return;
    const uint64_t wParam = uint64_t(code) | (uint64_t(uint32_t(position)) << 16);
    m_desktop.send(target, isVertical() ? msg::VScroll : msg::HScroll, wParam, int64_t(m_window.value));
}

void ScrollBar::act(Part part)
{
    switch (part) {
    case Part::FirstArrow: report(scrollCode::LineUp); break;
    case Part::SecondArrow: report(scrollCode::LineDown); break;
    case Part::PageBefore: report(scrollCode::PageUp); break;
    case Part::PageAfter: report(scrollCode::PageDown); break;
    default: break;
    }
}

int32_t ScrollBar::positionForThumbAt(int32_t offset) const
{
    const Rect t = thumb();
    const int32_t size = isVertical() ? t.height() : t.width();
    const int32_t track = length() - 2 * arrowLength() - size;
    if (track <= 0)
        return m_low;
    const int64_t range = int64_t(maxPosition()) - m_low;
    const int32_t clamped = std::clamp(offset - arrowLength(), 0, track);
    return int32_t(m_low + (int64_t(clamped) * range + track / 2) / track);
}

int64_t ScrollBar::handle(const Message& m)
{
    switch (m.id) {
    case msg::EraseBackground:
        return 1;
    case msg::Paint:
        paint(controlSupport::paintContext(m).painter);
        return 0;
    case msg::LeftDown:
    case msg::LeftDoubleClick: {
        const Point p = unpackPoint(m.lParam);
        m_pressed = partAt(p);
        if (m_pressed == Part::None)
            return 0;
        m_pressedInside = true;
        m_lastMouse = p;
        m_desktop.setCapture(m_window);
        if (m_pressed == Part::Thumb) {
            const Rect t = thumb();
            m_grabOffset = (isVertical() ? p.y - t.top : p.x - t.left);
            m_trackPosition = m_position;
        } else {
            act(m_pressed);
            m_desktop.setTimer(m_window, repeatTimer, firstRepeatDelay);
        }
        m_desktop.invalidate(m_window);
        return 0;
    }
    case msg::MouseMove:
        if (m_pressed == Part::Thumb) {
            const Point p = unpackPoint(m.lParam);
            const int32_t next = positionForThumbAt((isVertical() ? p.y : p.x) - m_grabOffset);
            if (next != m_trackPosition) {
                m_trackPosition = next;
                report(scrollCode::ThumbTrack, next);
            }
        } else if (m_pressed != Part::None) {
            m_lastMouse = unpackPoint(m.lParam);
            m_pressedInside = partAt(m_lastMouse) == m_pressed;
        }
        return 0;
    case msg::Timer:
        if (m.wParam == repeatTimer && m_pressed != Part::None && m_pressed != Part::Thumb) {
            m_desktop.setTimer(m_window, repeatTimer, repeatInterval);
            // A page press repeats until the thumb reaches the mouse.
            if (m_pressedInside && partAt(m_lastMouse) == m_pressed)
                act(m_pressed);
        }
        return 0;
    case msg::LeftUp:
    case msg::CaptureLost:
        if (m_pressed == Part::None)
            return 0;
        m_desktop.killTimer(m_window, repeatTimer);
        if (m_pressed == Part::Thumb)
            report(scrollCode::ThumbPosition, m_trackPosition);
        m_pressed = Part::None;
        if (m.id == msg::LeftUp)
            m_desktop.releaseCapture();
        report(scrollCode::EndScroll);
        m_desktop.invalidate(m_window);
        return 0;
    case msg::KeyDown:
        switch (m.wParam) {
        case key::Up:
        case key::Left: report(scrollCode::LineUp); break;
        case key::Down:
        case key::Right: report(scrollCode::LineDown); break;
        case key::PageUp: report(scrollCode::PageUp); break;
        case key::PageDown: report(scrollCode::PageDown); break;
        case key::Home: report(scrollCode::Top); break;
        case key::End: report(scrollCode::Bottom); break;
        default: return 0;
        }
        report(scrollCode::EndScroll);
        return 0;
    case msg::WantKeys:
        return dialogCode::Arrows;
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

void ScrollBar::paint(Painter& p)
{
    const SystemColors& colors = m_desktop.colors();
    const Rect client = m_desktop.clientRect(m_window);
    p.setTextColor(colors.color(SystemColor::ButtonHighlight));
    p.setBackgroundColor(colors.color(SystemColor::ButtonFace));
    p.fillRect(client, Brush::halftone());
    const uint32_t inactive = m_desktop.isEnabled(m_window) ? 0 : frameControl::Inactive;
    const uint32_t first = isVertical() ? frameControl::ScrollUp : frameControl::ScrollLeft;
    const uint32_t second = isVertical() ? frameControl::ScrollDown : frameControl::ScrollRight;
    p.drawFrameControl(firstArrow(), frameControl::Scroll,
                       first | inactive | (m_pressed == Part::FirstArrow && m_pressedInside ? frameControl::Pushed | frameControl::Flat : 0));
    p.drawFrameControl(secondArrow(), frameControl::Scroll,
                       second | inactive | (m_pressed == Part::SecondArrow && m_pressedInside ? frameControl::Pushed | frameControl::Flat : 0));
    const Rect t = thumb();
    if (!t.isEmpty())
        p.drawFrameControl(t, frameControl::Button, frameControl::ButtonPush);
}

} // namespace platform
