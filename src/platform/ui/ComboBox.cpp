#include "platform/ui/ComboBox.h"

#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Key.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Notification.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int32_t buttonWidth = 16;
constexpr int32_t edgeWidth = 2;

} // namespace

Status ComboBox::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<ComboBox>(desktop, className, 0, CursorShape::Arrow);
}

uint32_t ComboBox::kind() const
{
    const uint32_t k = m_desktop.style(m_window) & comboBoxStyle::KindMask;
    return k == 0 ? comboBoxStyle::Simple : k;
}

ListBox* ComboBox::list() const
{
    return ListBox::of(m_desktop, m_list);
}

int32_t ComboBox::fieldHeight() const
{
    const std::shared_ptr<const Font> f = m_desktop.font(m_window);
    int32_t h = (f ? f->height() : 13) + 8;
    if (m_desktop.style(m_window) & (comboBoxStyle::OwnerDrawFixed | comboBoxStyle::OwnerDrawVariable))
        if (ListBox* l = list())
            h = std::max(h, l->itemHeight(0) + 2 * edgeWidth + 2);
    return h;
}

Rect ComboBox::buttonRect() const
{
    const Rect c = m_desktop.clientRect(m_window);
    return {c.right - edgeWidth - buttonWidth, c.top + edgeWidth, c.right - edgeWidth, c.top + fieldHeight() - edgeWidth};
}

void ComboBox::create()
{
    const uint32_t s = m_desktop.style(m_window);
    m_droppedHeight = std::max<int32_t>(m_desktop.rectInParent(m_window).height(), fieldHeight());
    uint32_t listBits = listBoxStyle::Notify;
    if (s & comboBoxStyle::Sort)
        listBits |= listBoxStyle::Sort;
    if (s & comboBoxStyle::OwnerDrawFixed)
        listBits |= listBoxStyle::OwnerDrawFixed;
    if (s & comboBoxStyle::OwnerDrawVariable)
        listBits |= listBoxStyle::OwnerDrawVariable;
    if (s & comboBoxStyle::HasStrings)
        listBits |= listBoxStyle::HasStrings;
    (void)ListBox::registerClass(m_desktop);
    (void)EditControl::registerClass(m_desktop);
    CreateParams lp;
    lp.className = ListBox::className;
    lp.id = listId;
    if (kind() == comboBoxStyle::Simple) {
        const Rect c = m_desktop.clientRect(m_window);
        lp.style = windowStyle::Child | windowStyle::Visible | windowStyle::VScroll | windowStyle::Border | listBits;
        lp.rect = {0, fieldHeight(), c.width(), std::max(fieldHeight() + 1, c.height())};
        lp.parent = m_window;
    } else {
        // The drop-down list is a window of its own above everything, shown while dropped.
        lp.style = windowStyle::Popup | windowStyle::Border | windowStyle::VScroll | listBits;
        lp.exStyle = extendedStyle::TopMost | extendedStyle::NoActivate;
        lp.rect = {0, 0, 10, 10};
        lp.parent = m_window;
    }
    Result<WindowHandle> l = m_desktop.createWindow(lp);
    if (!l)
        return;
    m_list = l.value();
    if (ListBox* lb = list()) {
        lb->setOwnerWindow(m_window);
        lb->setTrackHover(kind() != comboBoxStyle::Simple);
    }
    if (kind() != comboBoxStyle::DropDownList) {
        CreateParams ep;
        ep.className = EditControl::className;
        ep.id = editId;
        ep.style = windowStyle::Child | windowStyle::Visible | editStyle::AutoHScroll;
        const int32_t right = kind() == comboBoxStyle::Simple ? m_desktop.clientRect(m_window).width() - edgeWidth
                                                               : buttonRect().left;
        ep.rect = {edgeWidth + 1, edgeWidth + 1, right, fieldHeight() - edgeWidth - 1};
        ep.parent = m_window;
        ep.caption = m_desktop.text(m_window);
        if (Result<WindowHandle> e = m_desktop.createWindow(ep)) {
            m_edit = e.value();
            // The edit passes the list keys to the combo box.
            const WindowHandle combo = m_window;
            WindowProc previous = m_desktop.procedure(m_edit);
            m_desktop.subclass(m_edit, [combo, previous](Desktop& d, WindowHandle w, const Message& msgIn) -> int64_t {
                if (msgIn.id == msg::KeyDown)
                    if (ComboBox* box = ComboBox::of(d, combo); box && box->keyDown(uint32_t(msgIn.wParam)))
                        return 0;
                if (msgIn.id == msg::WantKeys) {
                    ComboBox* box = ComboBox::of(d, combo);
                    return box && box->isDroppedDown() ? dialogCode::AllKeys : d.callProcedure(previous, w, msgIn);
                }
                return d.callProcedure(previous, w, msgIn);
            });
        }
    }
    if (kind() != comboBoxStyle::Simple) {
        Rect r = m_desktop.rectInParent(m_window);
        r.bottom = r.top + fieldHeight();
        m_desktop.moveWindow(m_window, r);
    }
}

int ComboBox::addString(const std::string& text, int64_t data)
{
    ListBox* l = list();
    if (!l)
        return -1;
    const int index = l->addString(text, data);
    if (m_selection >= index)
        ++m_selection;
    return index;
}

int ComboBox::insertString(int index, const std::string& text, int64_t data)
{
    ListBox* l = list();
    if (!l)
        return -1;
    const int at = l->insertString(index, text, data);
    if (m_selection >= at)
        ++m_selection;
    return at;
}

bool ComboBox::deleteString(int index)
{
    ListBox* l = list();
    if (!l || !l->deleteString(index))
        return false;
    if (m_selection == index)
        m_selection = -1;
    else if (m_selection > index)
        --m_selection;
    m_desktop.invalidate(m_window);
    return true;
}

void ComboBox::clear()
{
    if (ListBox* l = list())
        l->clear();
    m_selection = -1;
    if (m_edit)
        m_desktop.setText(m_edit, {});
    m_desktop.invalidate(m_window);
}

int ComboBox::count() const
{
    ListBox* l = list();
    return l ? l->count() : 0;
}

std::string ComboBox::itemText(int index) const
{
    ListBox* l = list();
    return l ? l->text(index) : std::string();
}

int64_t ComboBox::itemData(int index) const
{
    ListBox* l = list();
    return l ? l->itemData(index) : 0;
}

bool ComboBox::setItemData(int index, int64_t data)
{
    ListBox* l = list();
    return l && l->setItemData(index, data);
}

int ComboBox::findString(const std::string& prefix, int after) const
{
    ListBox* l = list();
    return l ? l->findString(prefix, after) : -1;
}

int ComboBox::findStringExact(const std::string& text, int after) const
{
    ListBox* l = list();
    return l ? l->findStringExact(text, after) : -1;
}

void ComboBox::setSelection(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    m_selection = index;
    if (ListBox* l = list())
        l->setSelection(index);
    if (m_edit)
        m_desktop.setText(m_edit, index >= 0 ? itemText(index) : std::string());
    m_desktop.invalidate(m_window);
}

std::string ComboBox::fieldText() const
{
    if (m_edit)
        return m_desktop.text(m_edit);
    return m_selection >= 0 ? itemText(m_selection) : std::string();
}

void ComboBox::setFieldText(const std::string& text)
{
    if (m_edit)
        m_desktop.setText(m_edit, text);
    else
        setSelection(findStringExact(text));
}

void ComboBox::notify(uint32_t code)
{
    controlSupport::notify(m_desktop, m_window, code);
}

void ComboBox::commit(int index, bool notifyParent)
{
    if (index == m_selection)
        return;
    setSelection(index);
    if (m_edit && index >= 0)
        if (EditControl* e = EditControl::of(m_desktop, m_edit))
            e->selectAll();
    if (notifyParent)
        notify(notification::SelectionChanged);
}

Rect ComboBox::dropDownRect() const
{
    return m_dropped ? m_desktop.windowRect(m_list) : Rect{};
}

void ComboBox::showDropDown(bool show)
{
    if (kind() == comboBoxStyle::Simple || show == m_dropped || !m_list)
        return;
    if (!show) {
        closeUp(false);
        return;
    }
    ListBox* l = list();
    const Rect field = m_desktop.windowRect(m_window);
    int32_t itemsHeight = 0;
    for (int i = 0; i < std::max(1, l->count()); ++i)
        itemsHeight += l->itemHeight(i);
    const int32_t height = std::max(l->itemHeight(0), std::min(m_droppedHeight - field.height(), itemsHeight)) + 2;
    Rect r{field.left, field.bottom, field.right, field.bottom + height};
    if (r.bottom > m_desktop.screen().height() && field.top - height >= 0)
        r = {field.left, field.top - height, field.right, field.top};
    m_desktop.moveWindow(m_list, r);
    l->setSelection(m_selection);
    if (m_selection >= 0)
        l->setTopIndex(m_selection);
    m_dropped = true;
    m_desktop.show(m_list, true);
    m_desktop.bringToTop(m_list);
    m_desktop.setCapture(m_window);
    m_desktop.invalidate(m_window);
    notify(notification::DroppedDown);
}

void ComboBox::closeUp(bool accept)
{
    if (!m_dropped)
        return;
    m_dropped = false;
    m_openingPress = false;
    m_buttonDown = false;
    const int chosen = list() ? list()->selection() : -1;
    m_desktop.show(m_list, false);
    if (m_desktop.capture() == m_window)
        m_desktop.releaseCapture();
    m_desktop.invalidate(m_window);
    notify(notification::ClosedUp);
    if (accept && chosen >= 0) {
        commit(chosen, true);
        notify(notification::SelectionAccepted);
    } else {
        if (ListBox* l = list())
            l->setSelection(m_selection);
        notify(notification::SelectionCancelled);
    }
}

bool ComboBox::keyDown(uint32_t code)
{
    const bool alt = (m_desktop.modifierState() & mouseKey::Alt) != 0;
    if (code == key::F1 + 3 || (alt && (code == key::Down || code == key::Up))) {
        if (m_dropped)
            closeUp(true);
        else
            showDropDown(true);
        return true;
    }
    ListBox* l = list();
    if (!l)
        return false;
    if (m_dropped) {
        switch (code) {
        case key::Enter:
        case key::Tab: closeUp(true); return code == key::Enter;
        case key::Escape: closeUp(false); return true;
        case key::Up:
        case key::Down:
        case key::PageUp:
        case key::PageDown:
        case key::Home:
        case key::End: l->selectByKey(code); return true;
        default: return false;
        }
    }
    switch (code) {
    case key::Up:
    case key::Down:
    case key::PageUp:
    case key::PageDown: {
        l->setSelection(m_selection);
        l->selectByKey(code);
        commit(l->selection(), true);
        return true;
    }
    case key::Home:
    case key::End:
        if (m_edit)
            return false; // the edit moves its caret
        l->selectByKey(code);
        commit(l->selection(), true);
        return true;
    default: return false;
    }
}

int64_t ComboBox::relayOwnerDraw(const Message& m)
{
    const WindowHandle parentWindow = m_desktop.parent(m_window);
    if (m.id == msg::DrawItem) {
        DrawItemData data = *reinterpret_cast<DrawItemData*>(intptr_t(m.lParam));
        data.control = m_window;
        data.controlId = m_desktop.controlId(m_window);
        return m_desktop.send(parentWindow, msg::DrawItem, 0, int64_t(reinterpret_cast<intptr_t>(&data)));
    }
    auto* original = reinterpret_cast<MeasureItemData*>(intptr_t(m.lParam));
    MeasureItemData data = *original;
    data.control = m_window;
    data.controlId = m_desktop.controlId(m_window);
    const int64_t result = m_desktop.send(parentWindow, msg::MeasureItem, 0, int64_t(reinterpret_cast<intptr_t>(&data)));
    original->itemHeight = data.itemHeight;
    return result;
}

int64_t ComboBox::handle(const Message& m)
{
    switch (m.id) {
    case msg::Create:
        create();
        return 0;
    case msg::Destroy:
        if (m_list && m_desktop.isWindow(m_list))
            m_desktop.destroyWindow(m_list);
        return 0;
    case msg::EraseBackground:
        return 1;
    case msg::Paint:
        paintField(controlSupport::paintContext(m).painter);
        return 0;
    case msg::SetFocus:
        m_focused = true;
        if (m_edit)
            m_desktop.setFocus(m_edit);
        m_desktop.invalidate(m_window);
        return 0;
    case msg::KillFocus:
        m_focused = false;
        if (m_dropped && WindowHandle{uint32_t(m.wParam)} != m_edit)
            closeUp(false);
        m_desktop.invalidate(m_window);
        return 0;
    case msg::LeftDown:
    case msg::LeftDoubleClick: {
        const Point p = unpackPoint(m.lParam);
        if (m_dropped) {
            const Point screenPoint = m_desktop.clientToScreen(m_window, p);
            const Rect listRect = m_desktop.windowRect(m_list);
            if (listRect.contains(screenPoint)) {
                // A press on the list's scroll bar scrolls it.
                m_desktop.send(m_list, msg::LeftDown, m.wParam, packPoint(m_desktop.screenToClient(m_list, screenPoint)));
                m_desktop.setCapture(m_window);
                return 0;
            }
            closeUp(false);
            return 0;
        }
        if (kind() == comboBoxStyle::Simple)
            return 0;
        if (kind() == comboBoxStyle::DropDown && !buttonRect().contains(p))
            return 0;
        m_desktop.setFocus(m_edit ? m_edit : m_window);
        m_buttonDown = true;
        showDropDown(true);
        m_openingPress = true;
        return 0;
    }
    case msg::MouseMove:
        if (m_dropped) {
            const Point screenPoint = m_desktop.clientToScreen(m_window, unpackPoint(m.lParam));
            m_desktop.send(m_list, msg::MouseMove, m.wParam, packPoint(m_desktop.screenToClient(m_list, screenPoint)));
        }
        return 0;
    case msg::LeftUp:
        if (m_dropped) {
            m_buttonDown = false;
            m_desktop.invalidate(m_window);
            const Point screenPoint = m_desktop.clientToScreen(m_window, unpackPoint(m.lParam));
            const Point inList = m_desktop.screenToClient(m_list, screenPoint);
            ListBox* l = list();
            const bool onItem = l && m_desktop.windowRect(m_list).contains(screenPoint) && l->itemFromPoint(inList) >= 0;
            if (onItem) {
                l->setSelection(l->itemFromPoint(inList));
                closeUp(true);
            } else if (!m_openingPress && !m_desktop.windowRect(m_list).contains(screenPoint)) {
                closeUp(false);
            }
            m_openingPress = false;
            if (m_dropped)
                m_desktop.setCapture(m_window);
        }
        return 0;
    case msg::CaptureLost:
        if (m_dropped && m_desktop.capture() != m_list)
            closeUp(false);
        return 0;
    case msg::KeyDown:
        keyDown(uint32_t(m.wParam));
        return 0;
    case msg::Char:
        if (!m_edit && list()) {
            if (m_dropped) {
                list()->selectByChar(char(m.wParam));
            } else {
                list()->setSelection(m_selection);
                list()->selectByChar(char(m.wParam));
                commit(list()->selection(), true);
            }
        }
        return 0;
    case msg::Command:
        if (WindowHandle{uint32_t(m.lParam)} == m_list) {
            const uint32_t code = commandNotification(m.wParam);
            if (kind() == comboBoxStyle::Simple && code == notification::SelectionChanged)
                commit(list()->selection(), true);
            else if (kind() == comboBoxStyle::Simple && code == notification::DoubleClicked)
                notify(notification::DoubleClicked);
        } else if (WindowHandle{uint32_t(m.lParam)} == m_edit && commandNotification(m.wParam) == notification::Changed) {
            notify(notification::Changed);
        }
        return 0;
    case msg::DrawItem:
    case msg::MeasureItem:
        return relayOwnerDraw(m);
    case msg::SetText:
        m_desktop.defaultProcedure(m_window, m);
        if (const auto* s = reinterpret_cast<const std::string*>(intptr_t(m.lParam)))
            setFieldText(*s);
        return 1;
    case msg::WantKeys:
        return m_dropped ? dialogCode::AllKeys : dialogCode::Arrows | dialogCode::Chars;
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

void ComboBox::paintField(Painter& p)
{
    const SystemColors& colors = m_desktop.colors();
    const Rect client = m_desktop.clientRect(m_window);
    const Rect field{client.left, client.top, client.right, client.top + fieldHeight()};
    const bool enabled = m_desktop.isEnabled(m_window);
    p.fillRect(field, colors.color(enabled ? SystemColor::Window : SystemColor::ButtonFace));
    p.drawEdge(field, edge::Sunken, border::Rect);
    if (kind() == comboBoxStyle::Simple)
        return;
    p.drawFrameControl(buttonRect(), frameControl::Scroll,
                       frameControl::ScrollComboBox | (m_buttonDown && m_dropped ? frameControl::Pushed | frameControl::Flat : 0)
                           | (enabled ? 0 : frameControl::Inactive));
    if (m_edit)
        return;
    const Rect text{field.left + edgeWidth + 1, field.top + edgeWidth + 1, buttonRect().left - 1, field.bottom - edgeWidth - 1};
    const bool highlighted = m_focused && !m_dropped;
    if (m_desktop.style(m_window) & (comboBoxStyle::OwnerDrawFixed | comboBoxStyle::OwnerDrawVariable)) {
        DrawItemData data;
        data.control = m_window;
        data.controlId = m_desktop.controlId(m_window);
        data.itemIndex = m_selection;
        data.itemData = itemData(m_selection);
        data.itemRect = text;
        data.selected = highlighted;
        data.focused = highlighted;
        data.disabled = !enabled;
        data.inComboField = true;
        data.painter = &p;
        p.save();
        p.intersectClipRect(text);
        m_desktop.send(m_desktop.parent(m_window), msg::DrawItem, 0, int64_t(reinterpret_cast<intptr_t>(&data)));
        p.restore();
        return;
    }
    if (highlighted)
        p.fillRect(text, colors.color(SystemColor::Highlight));
    p.setBackgroundMode(BackgroundMode::Transparent);
    p.setTextColor(colors.color(!enabled ? SystemColor::GrayText : highlighted ? SystemColor::HighlightText : SystemColor::WindowText));
    Rect textRect{text.left + 2, text.top, text.right, text.bottom};
    p.drawText(fieldText(), textRect, textFormat::Left | textFormat::VCenter | textFormat::SingleLine | textFormat::NoPrefix);
    if (highlighted)
        p.drawFocusRect(text);
}

} // namespace platform
