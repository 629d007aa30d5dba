#include "platform/ui/StaticText.h"

#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Notification.h"

namespace platform {

Status StaticText::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<StaticText>(desktop, className, 0, CursorShape::Arrow);
}

void StaticText::setPicture(std::optional<Bitmap> picture)
{
    m_picture = std::move(picture);
    m_desktop.invalidate(m_window);
}

int64_t StaticText::handle(const Message& m)
{
    switch (m.id) {
    case msg::Create:
        // A label that does not report clicks lets them through to what lies below.
        if (!(controlSupport::classBits(m_desktop, m_window) & staticStyle::Notify))
            m_desktop.setExStyle(m_window, m_desktop.exStyle(m_window) | extendedStyle::Transparent);
        return 0;
    case msg::EraseBackground:
        controlSupport::paintContext(m).painter.fillRect(m_desktop.clientRect(m_window),
                                                         m_desktop.colors().color(SystemColor::ButtonFace));
        return 1;
    case msg::Paint: {
        Painter& p = controlSupport::paintContext(m).painter;
        const uint32_t bits = controlSupport::classBits(m_desktop, m_window);
        Rect client = m_desktop.clientRect(m_window);
        if (bits & staticStyle::EtchedLine) {
            p.drawEdge({client.left, client.top, client.right, client.top + 2}, edge::Etched, border::Top);
            return 0;
        }
        if (bits & staticStyle::Sunken)
            client = p.drawEdge(client, edge::SunkenOuter, border::Rect);
        if (m_picture) {
            p.bitBlt(Rect::fromPointAndSize(client.topLeft(), m_picture->size()), *m_picture, {0, 0});
            return 0;
        }
        uint32_t format = (bits & staticStyle::SingleLine) ? textFormat::SingleLine : textFormat::WordBreak;
        switch (bits & staticStyle::AlignMask) {
        case staticStyle::Center: format |= textFormat::Center; break;
        case staticStyle::Right: format |= textFormat::Right; break;
        default: break;
        }
        if (bits & staticStyle::NoPrefix)
            format |= textFormat::NoPrefix;
        p.setBackgroundMode(BackgroundMode::Transparent);
        p.setTextColor(m_desktop.colors().color(m_desktop.isEnabled(m_window) ? SystemColor::WindowText
                                                                               : SystemColor::GrayText));
        p.drawText(m_desktop.text(m_window), client, format | textFormat::ExpandTabs);
        return 0;
    }
    case msg::LeftDown:
        if (controlSupport::classBits(m_desktop, m_window) & staticStyle::Notify)
            controlSupport::notify(m_desktop, m_window, notification::Clicked);
        return 0;
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

} // namespace platform
