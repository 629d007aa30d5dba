#include "platform/ui/TreeView.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Key.h"
#include "platform/ui/Notification.h"

#include <algorithm>

namespace platform {

Status TreeView::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<TreeView>(desktop, className, classStyle::DoubleClicks, CursorShape::Arrow);
}

uint32_t TreeView::bits() const
{
    return m_desktop.style(m_window) & windowStyle::ClassMask;
}

void TreeView::setImageList(std::shared_ptr<const ImageList> images)
{
    m_images = std::move(images);
    m_desktop.invalidate(m_window);
}

TreeView::Item TreeView::insertItem(Item parent, const std::string& itemText, int image, int selectedImage, int64_t itemData,
                                    Item after)
{
    if (parent != none && !exists(parent))
        return none;
    std::vector<Item>& siblings = parent == none ? m_roots : m_nodes[parent].children;
    const Item id = m_nextId++;
    Node node;
    node.parent = parent;
    node.text = itemText;
    node.image = image;
    node.selectedImage = selectedImage < 0 ? image : selectedImage;
    node.data = itemData;
    m_nodes.emplace(id, std::move(node));
    if (after == none) {
        siblings.insert(siblings.begin(), id);
    } else {
        auto it = std::find(siblings.begin(), siblings.end(), after);
        siblings.insert(it == siblings.end() ? siblings.end() : it + 1, id);
    }
    m_desktop.invalidate(m_window);
    return id;
}

bool TreeView::deleteItem(Item item)
{
    if (!exists(item))
        return false;
    const std::vector<Item> kids = m_nodes[item].children;
    for (Item k : kids)
        deleteItem(k);
    const Item parent = m_nodes[item].parent;
    std::vector<Item>& siblings = parent == none ? m_roots : m_nodes[parent].children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());
    m_nodes.erase(item);
    if (m_selection == item)
        m_selection = none;
    m_top = std::clamp(m_top, 0, std::max(0, int(visibleItems().size()) - 1));
    m_desktop.invalidate(m_window);
    return true;
}

void TreeView::clear()
{
    m_nodes.clear();
    m_roots.clear();
    m_selection = none;
    m_top = 0;
    m_desktop.invalidate(m_window);
}

std::string TreeView::text(Item item) const
{
    auto it = m_nodes.find(item);
    return it == m_nodes.end() ? std::string() : it->second.text;
}

bool TreeView::setText(Item item, const std::string& newText)
{
    auto it = m_nodes.find(item);
    if (it == m_nodes.end())
        return false;
    it->second.text = newText;
    m_desktop.invalidate(m_window);
    return true;
}

int64_t TreeView::data(Item item) const
{
    auto it = m_nodes.find(item);
    return it == m_nodes.end() ? 0 : it->second.data;
}

TreeView::Item TreeView::parentOf(Item item) const
{
    auto it = m_nodes.find(item);
    return it == m_nodes.end() ? none : it->second.parent;
}

std::vector<TreeView::Item> TreeView::childrenOf(Item item) const
{
    if (item == none)
        return m_roots;
    auto it = m_nodes.find(item);
    return it == m_nodes.end() ? std::vector<Item>{} : it->second.children;
}

bool TreeView::isExpanded(Item item) const
{
    auto it = m_nodes.find(item);
    return it != m_nodes.end() && it->second.expanded;
}

bool TreeView::expand(Item item, bool open)
{
    auto it = m_nodes.find(item);
    if (it == m_nodes.end() || it->second.children.empty() || it->second.expanded == open)
        return false;
    it->second.expanded = open;
    // A selection inside a closed branch moves up to the branch.
    if (!open && m_selection != none) {
        for (Item p = parentOf(m_selection); p != none; p = parentOf(p))
            if (p == item) {
                selectAndNotify(item);
                break;
            }
    }
    m_top = std::clamp(m_top, 0, std::max(0, int(visibleItems().size()) - 1));
    m_desktop.invalidate(m_window);
    notifyParent(open ? treeNotification::Expanded : treeNotification::Collapsed, item);
    return true;
}

void TreeView::collect(Item parent, std::vector<Item>& out) const
{
    for (Item child : childrenOf(parent)) {
        out.push_back(child);
        if (isExpanded(child))
            collect(child, out);
    }
}

std::vector<TreeView::Item> TreeView::visibleItems() const
{
    std::vector<Item> out;
    collect(none, out);
    return out;
}

int32_t TreeView::rowHeight() const
{
    const std::shared_ptr<const Font> f = m_desktop.font(m_window);
    const int32_t textHeight = (f ? f->height() : 13) + 3;
    return std::max(textHeight, m_images ? m_images->imageSize().cy + 1 : 0);
}

int TreeView::depth(Item item) const
{
    int d = 0;
    for (Item p = parentOf(item); p != none; p = parentOf(p))
        ++d;
    return d;
}

int32_t TreeView::itemLeft(Item item) const
{
    const bool rootButtons = (bits() & treeStyle::LinesAtRoot) != 0;
    return 2 + (depth(item) + (rootButtons ? 1 : 0)) * indent;
}

Rect TreeView::rowRect(Item item) const
{
    const std::vector<Item> rows = visibleItems();
    auto it = std::find(rows.begin(), rows.end(), item);
    if (it == rows.end())
        return {};
    const int row = int(it - rows.begin()) - m_top;
    if (row < 0)
        return {};
    const int32_t h = rowHeight();
    return {0, row * h, m_desktop.clientRect(m_window).width(), row * h + h};
}

Rect TreeView::buttonRect(Item item) const
{
    const Rect row = rowRect(item);
    return row.isEmpty() ? Rect{} : buttonRectAt(item, row.top);
}

Rect TreeView::buttonRectAt(Item item, int32_t rowTop) const
{
    if (childrenOf(item).empty() || !(bits() & treeStyle::HasButtons))
        return {};
    if (depth(item) == 0 && !(bits() & treeStyle::LinesAtRoot))
        return {};
    const int32_t cx = itemLeft(item) - indent / 2 - 1;
    const int32_t cy = rowTop + rowHeight() / 2;
    return {cx - 4, cy - 4, cx + 5, cy + 5};
}

TreeView::Item TreeView::itemFromPoint(Point client) const
{
    if (client.y < 0)
        return none;
    const std::vector<Item> rows = visibleItems();
    const size_t row = size_t(m_top) + size_t(client.y / rowHeight());
    return row < rows.size() ? rows[row] : none;
}

void TreeView::notifyParent(uint32_t code, Item item)
{
    const WindowHandle parent = m_desktop.parent(m_window);
    if (!parent)
        return;
    NotifyData data{m_window, m_desktop.controlId(m_window), code, int64_t(item)};
    m_desktop.send(parent, msg::Notify, 0, int64_t(reinterpret_cast<intptr_t>(&data)));
}

void TreeView::select(Item item)
{
    if (item != none && !exists(item))
        return;
    for (Item p = parentOf(item); p != none; p = parentOf(p))
        if (!isExpanded(p)) {
            m_nodes[p].expanded = true;
        }
    m_selection = item;
    ensureVisible(item);
    m_desktop.invalidate(m_window);
}

void TreeView::selectAndNotify(Item item)
{
    if (item == m_selection || item == none)
        return;
    select(item);
    notifyParent(notification::SelectionChanged, item);
}

void TreeView::ensureVisible(Item item)
{
    const std::vector<Item> rows = visibleItems();
    auto it = std::find(rows.begin(), rows.end(), item);
    if (it == rows.end())
        return;
    const int row = int(it - rows.begin());
    const int shown = std::max(1, m_desktop.clientRect(m_window).height() / rowHeight());
    if (row < m_top)
        m_top = row;
    else if (row >= m_top + shown)
        m_top = row - shown + 1;
}

void TreeView::keyDown(uint32_t code)
{
    const std::vector<Item> rows = visibleItems();
    if (rows.empty())
        return;
    auto it = std::find(rows.begin(), rows.end(), m_selection);
    const int index = it == rows.end() ? -1 : int(it - rows.begin());
    const int page = std::max(1, m_desktop.clientRect(m_window).height() / rowHeight() - 1);
    auto moveTo = [&](int i) { selectAndNotify(rows[size_t(std::clamp(i, 0, int(rows.size()) - 1))]); };
    switch (code) {
    case key::Up: moveTo(index < 0 ? 0 : index - 1); return;
    case key::Down: moveTo(index + 1); return;
    case key::PageUp: moveTo(index - page); return;
    case key::PageDown: moveTo(index + page); return;
    case key::Home: moveTo(0); return;
    case key::End: moveTo(int(rows.size()) - 1); return;
    case key::Right:
        if (m_selection == none)
            return;
        if (!childrenOf(m_selection).empty() && !isExpanded(m_selection))
            expand(m_selection, true);
        else if (!childrenOf(m_selection).empty())
            selectAndNotify(childrenOf(m_selection).front());
        return;
    case key::Left:
        if (m_selection == none)
            return;
        if (isExpanded(m_selection))
            expand(m_selection, false);
        else if (parentOf(m_selection) != none)
            selectAndNotify(parentOf(m_selection));
        return;
    default: return;
    }
}

int64_t TreeView::handle(const Message& m)
{
    switch (m.id) {
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
        m_desktop.setFocus(m_window);
        const Point p = unpackPoint(m.lParam);
        const Item item = itemFromPoint(p);
        if (item == none)
            return 0;
        if (buttonRect(item).inflatedBy(2, 2).contains(p)) {
            expand(item, !isExpanded(item));
            return 0;
        }
        if (p.x >= itemLeft(item) - 1)
            selectAndNotify(item);
        return 0;
    }
    case msg::LeftDoubleClick: {
        const Item item = itemFromPoint(unpackPoint(m.lParam));
        if (item != none && !buttonRect(item).inflatedBy(2, 2).contains(unpackPoint(m.lParam))) {
            selectAndNotify(item);
            notifyParent(notification::DoubleClicked, item);
            expand(item, !isExpanded(item));
        }
        return 0;
    }
    case msg::MouseWheel: {
        const int rows = int(visibleItems().size());
        m_top = std::clamp(m_top - int(int64_t(m.wParam)) * 3, 0, std::max(0, rows - 1));
        m_desktop.invalidate(m_window);
        return 0;
    }
    case msg::KeyDown:
        keyDown(uint32_t(m.wParam));
        return 0;
    case msg::Char:
        if (m_selection != none && (m.wParam == '+' || m.wParam == '-'))
            expand(m_selection, m.wParam == '+');
        return 0;
    case msg::WantKeys:
        return dialogCode::Arrows | dialogCode::Chars;
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

void TreeView::paint(Painter& p)
{
    const SystemColors& colors = m_desktop.colors();
    const std::vector<Item> rows = visibleItems();
    const int32_t h = rowHeight();
    const Rect client = m_desktop.clientRect(m_window);
    const Color lineColor = colors.color(SystemColor::ButtonShadow);
    p.setBackgroundMode(BackgroundMode::Transparent);
    auto dottedVertical = [&](int32_t x, int32_t y0, int32_t y1) {
        for (int32_t y = y0; y < y1; ++y)
            if (((x + y) & 1) == 0)
                p.setPixel({x, y}, lineColor);
    };
    auto dottedHorizontal = [&](int32_t x0, int32_t x1, int32_t y) {
        for (int32_t x = x0; x < x1; ++x)
            if (((x + y) & 1) == 0)
                p.setPixel({x, y}, lineColor);
    };
    const bool lines = (bits() & treeStyle::HasLines) != 0;
    const bool rootLines = (bits() & treeStyle::LinesAtRoot) != 0;
    for (size_t i = size_t(m_top); i < rows.size(); ++i) {
        const int32_t top = int32_t(i - size_t(m_top)) * h;
        if (top >= client.bottom)
            break;
        const Item item = rows[i];
        const Node& node = m_nodes.at(item);
        const int32_t left = itemLeft(item);
        const int32_t mid = top + h / 2;
        if (lines && (depth(item) > 0 || rootLines)) {
            // This item's connector, and the lines of the ancestors that have later siblings.
            const int32_t cx = left - indent / 2 - 1;
            const std::vector<Item> siblings = childrenOf(node.parent);
            const bool lastChild = !siblings.empty() && siblings.back() == item;
            const bool firstRoot = node.parent == none && !siblings.empty() && siblings.front() == item;
            dottedVertical(cx, firstRoot ? mid : top, lastChild ? mid : top + h);
            dottedHorizontal(cx, left, mid);
            int32_t ax = cx - indent;
            for (Item a = node.parent; a != none && (depth(a) > 0 || rootLines); a = parentOf(a), ax -= indent) {
                const std::vector<Item> aSiblings = childrenOf(parentOf(a));
                if (aSiblings.empty() || aSiblings.back() != a)
                    dottedVertical(ax, top, top + h);
            }
        }
        const Rect box = buttonRectAt(item, top);
        if (!box.isEmpty()) {
            p.fillRect(box, colors.color(SystemColor::Window));
            p.frameRect(box, Brush::solid(lineColor));
            const Color sign = colors.color(SystemColor::WindowText);
            p.fillRect({box.left + 2, box.top + 4, box.right - 2, box.top + 5}, sign);
            if (!node.expanded)
                p.fillRect({box.left + 4, box.top + 2, box.left + 5, box.bottom - 2}, sign);
        }
        int32_t x = left;
        const bool selected = item == m_selection;
        if (m_images) {
            const int image = selected ? node.selectedImage : node.image;
            m_images->draw(p, image, {x, top + (h - m_images->imageSize().cy) / 2});
            x += m_images->imageSize().cx + 3;
        }
        const int32_t textWidth = p.font() ? p.textExtent(node.text).cx : 0;
        const Rect textRect{x, top, x + textWidth + 4, top + h};
        const bool showSelection = selected && (m_focused || (bits() & treeStyle::ShowSelectionAlways));
        if (showSelection)
            p.fillRect(textRect, colors.color(m_focused ? SystemColor::Highlight : SystemColor::ButtonFace));
        p.setTextColor(colors.color(showSelection && m_focused ? SystemColor::HighlightText : SystemColor::WindowText));
        Rect drawRect{textRect.left + 2, textRect.top, textRect.right, textRect.bottom};
        p.drawText(node.text, drawRect, textFormat::Left | textFormat::VCenter | textFormat::SingleLine | textFormat::NoPrefix);
        if (selected && m_focused)
            p.drawFocusRect(textRect);
    }
}

} // namespace platform
