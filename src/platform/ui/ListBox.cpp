#include "platform/ui/ListBox.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Key.h"
#include "platform/ui/Notification.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

constexpr int32_t scrollBarWidth = 16;

std::string folded(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

Status ListBox::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<ListBox>(desktop, className, classStyle::DoubleClicks, CursorShape::Arrow);
}

uint32_t ListBox::bits() const
{
    return m_desktop.style(m_window) & windowStyle::ClassMask;
}

bool ListBox::isOwnerDrawn() const
{
    return (bits() & (listBoxStyle::OwnerDrawFixed | listBoxStyle::OwnerDrawVariable)) != 0;
}

WindowHandle ListBox::drawTarget() const
{
    if (m_owner)
        return m_owner;
    return m_desktop.parent(m_window) ? m_desktop.parent(m_window) : m_desktop.owner(m_window);
}

int ListBox::defaultHeight() const
{
    const std::shared_ptr<const Font> f = m_desktop.font(m_window);
    return std::max(1, f ? f->height() : 13);
}

void ListBox::measure(int index)
{
    if (!isOwnerDrawn() || index < 0 || index >= count())
        return;
    MeasureItemData data;
    data.control = m_window;
    data.controlId = m_desktop.controlId(m_window);
    data.itemIndex = index;
    data.itemData = m_items[size_t(index)].data;
    data.itemWidth = m_desktop.clientRect(m_window).width();
    data.itemHeight = defaultHeight();
    const bool variable = (bits() & listBoxStyle::OwnerDrawVariable) != 0;
    if (!variable && m_fixedHeight > 0)
        return;
    m_desktop.send(drawTarget(), msg::MeasureItem, 0, int64_t(reinterpret_cast<intptr_t>(&data)));
    const int32_t h = std::clamp(data.itemHeight, 1, 255);
    if (variable)
        m_items[size_t(index)].height = h;
    else
        m_fixedHeight = h;
}

int ListBox::itemHeight(int index) const
{
    if (bits() & listBoxStyle::OwnerDrawVariable) {
        if (index >= 0 && index < count() && m_items[size_t(index)].height > 0)
            return m_items[size_t(index)].height;
        return defaultHeight();
    }
    return m_fixedHeight > 0 ? m_fixedHeight : defaultHeight();
}

void ListBox::setItemHeight(int index, int height)
{
    height = std::clamp(height, 1, 255);
    if (bits() & listBoxStyle::OwnerDrawVariable) {
        if (index >= 0 && index < count())
            m_items[size_t(index)].height = height;
    } else {
        m_fixedHeight = height;
    }
    m_desktop.invalidate(m_window);
}

int ListBox::addString(const std::string& itemText, int64_t data)
{
    int index = count();
    if (bits() & listBoxStyle::Sort) {
        const std::string key = folded(itemText);
        index = int(std::upper_bound(m_items.begin(), m_items.end(), key,
                                     [](const std::string& k, const Item& item) { return k < folded(item.text); })
                    - m_items.begin());
    }
    return insertString(index, itemText, data);
}

int ListBox::insertString(int index, const std::string& itemText, int64_t data)
{
    if (index < 0 || index > count())
        index = count();
    m_items.insert(m_items.begin() + index, Item{itemText, data, 0});
    if (m_selection >= index)
        ++m_selection;
    measure(index);
    m_desktop.invalidate(m_window);
    return index;
}

bool ListBox::deleteString(int index)
{
    if (index < 0 || index >= count())
        return false;
    m_items.erase(m_items.begin() + index);
    if (m_selection == index)
        m_selection = -1;
    else if (m_selection > index)
        --m_selection;
    m_top = std::clamp(m_top, 0, std::max(0, count() - 1));
    m_desktop.invalidate(m_window);
    return true;
}

void ListBox::clear()
{
    m_items.clear();
    m_selection = -1;
    m_top = 0;
    m_desktop.invalidate(m_window);
}

std::string ListBox::text(int index) const
{
    return index >= 0 && index < count() ? m_items[size_t(index)].text : std::string();
}

int64_t ListBox::itemData(int index) const
{
    return index >= 0 && index < count() ? m_items[size_t(index)].data : 0;
}

bool ListBox::setItemData(int index, int64_t data)
{
    if (index < 0 || index >= count())
        return false;
    m_items[size_t(index)].data = data;
    return true;
}

int ListBox::findString(const std::string& prefix, int after) const
{
    const std::string key = folded(prefix);
    for (int step = 1; step <= count(); ++step) {
        const int i = ((after < 0 ? -1 : after) + step) % count();
        if (folded(m_items[size_t(i)].text).compare(0, key.size(), key) == 0)
            return i;
    }
    return -1;
}

int ListBox::findStringExact(const std::string& wanted, int after) const
{
    const std::string key = folded(wanted);
    for (int step = 1; step <= count(); ++step) {
        const int i = ((after < 0 ? -1 : after) + step) % count();
        if (folded(m_items[size_t(i)].text) == key)
            return i;
    }
    return -1;
}

Rect ListBox::listArea() const
{
    Rect area = m_desktop.clientRect(m_window);
    if (hasScrollBar())
        area.right = std::max(area.left, area.right - scrollBarWidth);
    return area;
}

int ListBox::visibleCount() const
{
    const int32_t height = m_desktop.clientRect(m_window).height();
    int32_t y = 0;
    int n = 0;
    for (int i = m_top; i < count(); ++i) {
        y += itemHeight(i);
        if (y > height)
            break;
        ++n;
    }
    if (count() == 0 || m_top >= count())
        return std::max(1, height / std::max(1, itemHeight(0)));
    return std::max(1, n);
}

bool ListBox::hasScrollBar() const
{
    if (!(m_desktop.style(m_window) & windowStyle::VScroll))
        return false;
    int32_t total = 0;
    for (int i = 0; i < count(); ++i)
        total += itemHeight(i);
    return total > m_desktop.clientRect(m_window).height();
}

Rect ListBox::itemRect(int index) const
{
    if (index < m_top || index >= count())
        return {};
    const Rect area = listArea();
    int32_t y = area.top;
    for (int i = m_top; i < index; ++i) {
        y += itemHeight(i);
        if (y >= area.bottom)
            return {};
    }
    return {area.left, y, area.right, y + itemHeight(index)};
}

int ListBox::itemFromPoint(Point client) const
{
    const Rect area = listArea();
    if (client.x < area.left || client.x >= area.right)
        return -1;
    int32_t y = area.top;
    for (int i = m_top; i < count(); ++i) {
        const int32_t h = itemHeight(i);
        if (client.y >= y && client.y < y + h)
            return i;
        y += h;
        if (y >= area.bottom)
            break;
    }
    return -1;
}

void ListBox::setTopIndex(int index)
{
    const int maxTop = std::max(0, count() - visibleCount());
    index = std::clamp(index, 0, maxTop);
    if (index != m_top) {
        m_top = index;
        m_desktop.invalidate(m_window);
    }
}

void ListBox::ensureVisible(int index)
{
    if (index < 0 || index >= count())
        return;
    if (index < m_top) {
        setTopIndex(index);
        return;
    }
    // Scroll down until the item's bottom fits.
    const int32_t height = m_desktop.clientRect(m_window).height();
    int top = m_top;
    while (top < index) {
        int32_t y = 0;
        for (int i = top; i <= index; ++i)
            y += itemHeight(i);
        if (y <= height)
            break;
        ++top;
    }
    if (top != m_top) {
        m_top = top;
        m_desktop.invalidate(m_window);
    }
}

void ListBox::setSelection(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    if (index == m_selection)
        return;
    m_selection = index;
    ensureVisible(index);
    m_desktop.invalidate(m_window);
}

void ListBox::notifyOwner(uint32_t code)
{
    if (m_owner)
        controlSupport::notify(m_desktop, m_window, code, m_owner);
    else if (bits() & listBoxStyle::Notify)
        controlSupport::notify(m_desktop, m_window, code);
}

void ListBox::selectAndNotify(int index)
{
    if (index == m_selection || index < 0)
        return;
    setSelection(index);
    notifyOwner(notification::SelectionChanged);
}

void ListBox::selectByKey(uint32_t code)
{
    if (count() == 0)
        return;
    const int page = std::max(1, visibleCount() - 1);
    int target = m_selection;
    switch (code) {
    case key::Up: target = m_selection < 0 ? 0 : m_selection - 1; break;
    case key::Down: target = m_selection < 0 ? 0 : m_selection + 1; break;
    case key::PageUp: target = m_selection - page; break;
    case key::PageDown: target = m_selection + page; break;
    case key::Home: target = 0; break;
    case key::End: target = count() - 1; break;
    default: return;
    }
    selectAndNotify(std::clamp(target, 0, count() - 1));
}

void ListBox::selectByChar(char c)
{
    if (static_cast<unsigned char>(c) <= 0x20)
        return;
    const int found = findString(std::string(1, c), m_selection);
    if (found >= 0)
        selectAndNotify(found);
}

bool ListBox::scrollBarPress(Point client)
{
    if (!hasScrollBar())
        return false;
    const Rect c = m_desktop.clientRect(m_window);
    if (client.x < c.right - scrollBarWidth)
        return false;
    const int32_t arrow = std::min<int32_t>(scrollBarWidth, c.height() / 2);
    if (client.y < c.top + arrow)
        setTopIndex(m_top - 1);
    else if (client.y >= c.bottom - arrow)
        setTopIndex(m_top + 1);
    else if (client.y < c.top + c.height() / 2)
        setTopIndex(m_top - visibleCount());
    else
        setTopIndex(m_top + visibleCount());
    return true;
}

int64_t ListBox::handle(const Message& m)
{
    switch (m.id) {
    case msg::Create:
        return 0;
    case msg::EraseBackground:
        controlSupport::paintContext(m).painter.fillRect(m_desktop.clientRect(m_window),
                                                         m_desktop.colors().color(SystemColor::Window));
        return 1;
    case msg::Paint:
        paint(controlSupport::paintContext(m).painter);
        return 0;
    case msg::SetFocus:
    case msg::KillFocus:
        m_focused = m.id == msg::SetFocus;
        m_desktop.invalidate(m_window);
        return 0;
    case msg::LeftDown: {
        const Point p = unpackPoint(m.lParam);
        if (!m_owner)
            m_desktop.setFocus(m_window);
        if (scrollBarPress(p))
            return 0;
        selectAndNotify(itemFromPoint(p));
        m_dragging = true;
        m_desktop.setCapture(m_window);
        return 0;
    }
    case msg::MouseMove:
        if (m_dragging || m_trackHover) {
            const Point p = unpackPoint(m.lParam);
            const int i = itemFromPoint(p);
            if (i >= 0)
                selectAndNotify(i);
            else if (m_dragging && p.y < 0)
                selectAndNotify(std::max(0, m_top - 1));
            else if (m_dragging && p.y >= m_desktop.clientRect(m_window).height() && count() > 0)
                selectAndNotify(std::min(count() - 1, m_top + visibleCount()));
        }
        return 0;
    case msg::LeftUp:
        if (m_dragging) {
            m_dragging = false;
            m_desktop.releaseCapture();
        }
        return 0;
    case msg::CaptureLost:
        m_dragging = false;
        return 0;
    case msg::LeftDoubleClick:
        if (itemFromPoint(unpackPoint(m.lParam)) >= 0)
            notifyOwner(notification::DoubleClicked);
        return 0;
    case msg::MouseWheel:
        setTopIndex(m_top - int(int64_t(m.wParam)) * 3);
        return 0;
    case msg::KeyDown:
        selectByKey(uint32_t(m.wParam));
        return 0;
    case msg::Char:
        selectByChar(char(m.wParam));
        return 0;
    case msg::WantKeys:
        return dialogCode::Arrows | dialogCode::Chars;
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

void ListBox::paint(Painter& p)
{
    const SystemColors& colors = m_desktop.colors();
    const Rect area = listArea();
    p.setBackgroundMode(BackgroundMode::Transparent);
    const bool enabled = m_desktop.isEnabled(m_window);
    for (int i = m_top; i < count(); ++i) {
        const Rect r = itemRect(i);
        if (r.isEmpty())
            break;
        const bool selected = i == m_selection;
        if (isOwnerDrawn()) {
            DrawItemData data;
            data.control = m_window;
            data.controlId = m_desktop.controlId(m_window);
            data.itemIndex = i;
            data.itemData = m_items[size_t(i)].data;
            data.itemRect = r;
            data.selected = selected;
            data.focused = selected && m_focused;
            data.disabled = !enabled;
            data.painter = &p;
            p.save();
            p.intersectClipRect(r);
            m_desktop.send(drawTarget(), msg::DrawItem, 0, int64_t(reinterpret_cast<intptr_t>(&data)));
            p.restore();
            continue;
        }
        if (selected)
            p.fillRect(r, colors.color(SystemColor::Highlight));
        p.setTextColor(colors.color(!enabled ? SystemColor::GrayText
                                    : selected ? SystemColor::HighlightText
                                               : SystemColor::WindowText));
        Rect textRect{r.left + 2, r.top, r.right, r.bottom};
        p.drawText(m_items[size_t(i)].text, textRect,
                   textFormat::Left | textFormat::VCenter | textFormat::SingleLine | textFormat::NoPrefix);
        if (selected && m_focused)
            p.drawFocusRect(r);
    }
    if (hasScrollBar())
        paintScrollBar(p, {area.right, area.top, m_desktop.clientRect(m_window).right, area.bottom});
}

void ListBox::paintScrollBar(Painter& p, const Rect& bar)
{
    p.fillRect(bar, m_desktop.colors().color(SystemColor::ScrollBar));
    const int32_t arrow = std::min<int32_t>(scrollBarWidth, bar.height() / 2);
    p.drawFrameControl({bar.left, bar.top, bar.right, bar.top + arrow}, frameControl::Scroll, frameControl::ScrollUp);
    p.drawFrameControl({bar.left, bar.bottom - arrow, bar.right, bar.bottom}, frameControl::Scroll, frameControl::ScrollDown);
    const int32_t track = bar.height() - 2 * arrow;
    const int maxTop = std::max(1, count() - visibleCount());
    if (track < 8)
        return;
    const int32_t thumb = std::max<int32_t>(8, track * visibleCount() / std::max(1, count()));
    const int32_t y = bar.top + arrow + (track - thumb) * std::min(m_top, maxTop) / maxTop;
    p.drawFrameControl({bar.left, y, bar.right, y + thumb}, frameControl::Button, frameControl::ButtonPush);
}

} // namespace platform
