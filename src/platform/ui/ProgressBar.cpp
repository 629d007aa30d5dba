#include "platform/ui/ProgressBar.h"

#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/Painter.h"
#include "platform/ui/ControlSupport.h"

#include <algorithm>

namespace platform {

Status ProgressBar::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<ProgressBar>(desktop, className, 0, CursorShape::Arrow);
}

void ProgressBar::setRange(int32_t low, int32_t high)
{
    m_low = low;
    m_high = high > low ? high : low + 1;
    m_position = std::clamp(m_position, m_low, m_high);
    m_desktop.invalidate(m_window);
}

int32_t ProgressBar::setPosition(int32_t position)
{
    const int32_t old = m_position;
    m_position = std::clamp(position, m_low, m_high);
    if (m_position != old)
        m_desktop.invalidate(m_window);
    return old;
}

int32_t ProgressBar::offsetPosition(int32_t delta)
{
    return setPosition(int32_t(std::clamp<int64_t>(int64_t(m_position) + delta, m_low, m_high)));
}

int32_t ProgressBar::stepIt()
{
    const int64_t next = int64_t(m_position) + m_step;
    const int32_t old = m_position;
    setPosition(next > m_high ? m_low + int32_t((next - m_high) % (int64_t(m_high) - m_low)) : int32_t(next));
    return old;
}

int32_t ProgressBar::filledWidth(int32_t innerWidth) const
{
    return int32_t(int64_t(innerWidth) * (int64_t(m_position) - m_low) / (int64_t(m_high) - m_low));
}

int64_t ProgressBar::handle(const Message& m)
{
    switch (m.id) {
    case msg::EraseBackground:
        return 1;
    case msg::Paint: {
        Painter& p = controlSupport::paintContext(m).painter;
        const Rect client = m_desktop.clientRect(m_window);
        p.fillRect(client, m_desktop.colors().color(SystemColor::ButtonFace));
        const Rect inner = p.drawEdge(client, edge::SunkenOuter, border::Rect).inflatedBy(-1, -1);
        const int32_t filled = filledWidth(inner.width());
        const Color bar = m_desktop.colors().color(SystemColor::Highlight);
        if (controlSupport::classBits(m_desktop, m_window) & progressBarStyle::Smooth) {
            p.fillRect({inner.left, inner.top, inner.left + filled, inner.bottom}, bar);
            return 0;
        }
        // Blocks two thirds as wide as the bar is high, with a two-pixel gap.
        const int32_t block = std::max(2, inner.height() * 2 / 3);
        for (int32_t x = inner.left; x < inner.left + filled; x += block + 2)
            p.fillRect({x, inner.top, std::min(x + block, inner.right), inner.bottom}, bar);
        return 0;
    }
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

} // namespace platform
