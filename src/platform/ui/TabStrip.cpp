#include "platform/ui/TabStrip.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Key.h"
#include "platform/ui/Notification.h"

#include <algorithm>

namespace platform {

Status TabStrip::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<TabStrip>(desktop, className, 0, CursorShape::Arrow);
}

int TabStrip::insertTab(int index, const std::string& tabText, int64_t tabData)
{
    if (index < 0 || index > count())
        index = count();
    m_tabs.insert(m_tabs.begin() + index, Tab{tabText, tabData});
    if (m_selection < 0)
        m_selection = 0;
    else if (m_selection >= index && count() > 1)
        ++m_selection;
    m_desktop.invalidate(m_window);
    return index;
}

bool TabStrip::removeTab(int index)
{
    if (index < 0 || index >= count())
        return false;
    m_tabs.erase(m_tabs.begin() + index);
    if (m_selection > index || m_selection >= count())
        --m_selection;
    m_desktop.invalidate(m_window);
    return true;
}

std::string TabStrip::text(int index) const
{
    return index >= 0 && index < count() ? m_tabs[size_t(index)].text : std::string();
}

int64_t TabStrip::data(int index) const
{
    return index >= 0 && index < count() ? m_tabs[size_t(index)].data : 0;
}

void TabStrip::setSelection(int index)
{
    if (index < 0 || index >= count() || index == m_selection)
        return;
    m_selection = index;
    m_desktop.invalidate(m_window);
}

Rect TabStrip::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const std::shared_ptr<const Font> f = m_desktop.font(m_window);
    int32_t x = 2;
    for (int i = 0; i <= index; ++i) {
        const int32_t w = (f ? f->textWidth(m_tabs[size_t(i)].text) : 40) + 12;
        if (i == index)
            return {x, 2, x + w, tabHeight};
        x += w;
    }
    return {};
}

int TabStrip::tabFromPoint(Point client) const
{
    for (int i = 0; i < count(); ++i) {
        Rect r = tabRect(i);
        if (i == m_selection)
            r = r.inflatedBy(2, 2);
        if (r.contains(client))
            return i;
    }
    return -1;
}

Rect TabStrip::pageRect() const
{
    const Rect c = m_desktop.clientRect(m_window);
    return {c.left + 2, c.top + tabHeight + 2, std::max(c.left + 2, c.right - 2), std::max(c.top + tabHeight + 2, c.bottom - 2)};
}

void TabStrip::choose(int index)
{
    if (index < 0 || index >= count() || index == m_selection)
        return;
    setSelection(index);
    controlSupport::notify(m_desktop, m_window, notification::SelectionChanged);
}

int64_t TabStrip::handle(const Message& m)
{
    switch (m.id) {
    case msg::EraseBackground:
        controlSupport::paintContext(m).painter.fillRect(m_desktop.clientRect(m_window),
                                                         m_desktop.colors().color(SystemColor::ButtonFace));
        return 1;
    case msg::Paint:
        paint(controlSupport::paintContext(m).painter);
        return 0;
    case msg::LeftDown: {
        const int tab = tabFromPoint(unpackPoint(m.lParam));
        if (tab >= 0) {
            m_desktop.setFocus(m_window);
            choose(tab);
        }
        return 0;
    }
    case msg::SetFocus:
    case msg::KillFocus:
        m_focused = m.id == msg::SetFocus;
        m_desktop.invalidate(m_window);
        return 0;
    case msg::KeyDown:
        if (m.wParam == key::Left)
            choose(m_selection - 1);
        else if (m.wParam == key::Right)
            choose(m_selection + 1);
        else if (m.wParam == key::Tab && (m_desktop.modifierState() & mouseKey::Control))
            choose(count() > 0 ? (m_selection + 1) % count() : -1);
        return 0;
    case msg::WantKeys:
        return dialogCode::Arrows;
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

void TabStrip::paint(Painter& p)
{
    const SystemColors& colors = m_desktop.colors();
    const Rect c = m_desktop.clientRect(m_window);
    const Color light = colors.color(SystemColor::ButtonHighlight);
    const Color shadow = colors.color(SystemColor::ButtonShadow);
    const Color dark = colors.color(SystemColor::DarkShadow3D);
    // The page frame: raised, open at the selected tab.
    const Rect page{c.left, c.top + tabHeight, c.right, c.bottom};
    p.fillRect({page.left, page.top, page.right, page.top + 1}, light);
    p.fillRect({page.left, page.top, page.left + 1, page.bottom}, light);
    p.fillRect({page.right - 1, page.top, page.right, page.bottom}, dark);
    p.fillRect({page.left, page.bottom - 1, page.right, page.bottom}, dark);
    p.fillRect({page.right - 2, page.top + 1, page.right - 1, page.bottom - 1}, shadow);
    p.fillRect({page.left + 1, page.bottom - 2, page.right - 1, page.bottom - 1}, shadow);
    p.setBackgroundMode(BackgroundMode::Transparent);
    p.setTextColor(colors.color(SystemColor::ButtonText));
    for (int i = 0; i < count(); ++i) {
        Rect r = tabRect(i);
        const bool selected = i == m_selection;
        if (selected)
            r = {r.left - 2, r.top - 2, r.right + 2, r.bottom + 1};
        p.fillRect({r.left + 1, r.top + 1, r.right - 1, r.bottom}, colors.color(SystemColor::ButtonFace));
        p.fillRect({r.left, r.top + 2, r.left + 1, r.bottom}, light);
        p.fillRect({r.left + 1, r.top, r.right - 2, r.top + 1}, light);
        p.setPixel({r.left + 1, r.top + 1}, light);
        p.fillRect({r.right - 2, r.top + 1, r.right - 1, r.bottom}, shadow);
        p.fillRect({r.right - 1, r.top + 2, r.right, r.bottom}, dark);
        Rect textRect = r;
        p.drawText(m_tabs[size_t(i)].text, textRect, textFormat::Center | textFormat::VCenter | textFormat::SingleLine);
        if (selected && m_focused)
            p.drawFocusRect(r.inflatedBy(-3, -3));
    }
}

} // namespace platform
