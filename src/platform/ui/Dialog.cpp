#include "platform/ui/Dialog.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/Painter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Key.h"
#include "platform/ui/Notification.h"
#include "platform/ui/Menu.h"
#include "platform/ui/StandardClasses.h"
#include "platform/ui/StaticText.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace platform {

namespace {

int32_t mulDiv(int32_t value, int32_t numerator, int32_t denominator)
{
    // Rounded to the nearest pixel, halves away from zero.
    const int64_t product = int64_t(value) * numerator;
    const int64_t half = denominator / 2;
    return int32_t(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

bool isPushButton(Desktop& d, WindowHandle w)
{
    Button* b = Button::of(d, w);
    return b && (b->kind() == buttonStyle::Push || b->kind() == buttonStyle::DefaultPush);
}

} // namespace

Status Dialog::registerClass(Desktop& desktop)
{
    if (desktop.findClass(className))
        return Status::ok();
    return desktop.registerClass(WindowClass{
        className,
        [](Desktop& d, WindowHandle w, const Message& m) -> int64_t {
            if (m.id == msg::Create) {
                d.setExtra(w, std::make_unique<Dialog>(d, w));
                const auto* params = reinterpret_cast<const CreateParams*>(intptr_t(m.lParam));
                if (Dialog* dialog = Dialog::of(d, w); dialog && params && params->param)
                    dialog->build(*reinterpret_cast<const Build*>(intptr_t(params->param)));
                return 0;
            }
            if (Dialog* dialog = Dialog::of(d, w))
                return dialog->handle(m);
            return d.defaultProcedure(w, m);
        },
        0, CursorShape::Arrow, desktop.colors().color(SystemColor::ButtonFace)});
}

Size Dialog::baseUnitsOf(const Font& font)
{
    const int32_t width = font.textWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {std::max(1, (width / 26 + 1) / 2), std::max(1, font.height())};
}

Rect Dialog::toPixels(const Rect& du) const
{
    return {mulDiv(du.left, m_baseUnits.cx, 4), mulDiv(du.top, m_baseUnits.cy, 8), mulDiv(du.right, m_baseUnits.cx, 4),
            mulDiv(du.bottom, m_baseUnits.cy, 8)};
}

void Dialog::build(const Build& b)
{
    m_handler = b.handler;
    m_font = b.font ? b.font : m_desktop.defaultFont();
    if (m_font)
        m_baseUnits = baseUnitsOf(*m_font);
    for (const DialogItemTemplate& item : b.dialogTemplate->items) {
        CreateParams p;
        p.className = item.className;
        p.caption = item.text;
        p.style = item.style | windowStyle::Child;
        p.exStyle = item.exStyle;
        // Dialog controls wear the 3-D look: a bordered control gets a sunken edge instead.
        if (p.style & windowStyle::Border) {
            p.style &= ~windowStyle::Border;
            p.exStyle |= extendedStyle::ClientEdge;
        }
        p.rect = toPixels(item.rect);
        p.parent = m_window;
        p.id = item.id;
        p.font = m_font;
        // A control of a class nobody registered is left out; the rest of the dialog works.
        (void)m_desktop.createWindow(p);
    }
}

Result<WindowHandle> Dialog::create(Desktop& desktop, const DialogTemplate& t, WindowHandle owner, Handler handler)
{
    if (Status s = registerStandardClasses(desktop); !s)
        return Result<WindowHandle>::failure(s.message());
    LogFont logFont;
    logFont.height = -mulDiv(t.fontPoints, 96, 72);
    logFont.faceName = t.fontFace;
    auto font = desktop.fonts().font(logFont);
    Build build{&t, std::move(handler), font ? font.value() : desktop.defaultFont()};

    // The template gives the client area; the frame and caption come around it.
    const Size base = build.font ? baseUnitsOf(*build.font) : Size{6, 13};
    const Size client{mulDiv(t.rect.width(), base.cx, 4), mulDiv(t.rect.height(), base.cy, 8)};
    CreateParams p;
    p.className = className;
    p.caption = t.caption;
    p.style = (t.style & ~(windowStyle::Child | windowStyle::Visible)) | windowStyle::Popup;
    if (!(p.style & (windowStyle::DialogFrame | windowStyle::ThickFrame | windowStyle::Border)))
        p.style |= windowStyle::DialogFrame;
    p.exStyle = t.exStyle;
    p.rect = Rect::fromPointAndSize({0, 0}, client);
    p.parent = owner;
    p.param = int64_t(reinterpret_cast<intptr_t>(&build));
    p.font = build.font;
    Result<WindowHandle> made = desktop.createWindow(p);
    if (!made)
        return made;
    const WindowHandle w = made.value();
    const Rect inner = desktop.clientArea(w);
    Size outer{client.cx + inner.left + (desktop.rectInParent(w).width() - inner.right),
               client.cy + inner.top + (desktop.rectInParent(w).height() - inner.bottom)};
    // Placed by the template relative to the owner; a template at (0, 0) is centred on it.
    const Rect area = owner ? desktop.windowRect(desktop.topLevelOf(owner)) : desktop.screen().rect();
    Point at{area.left + mulDiv(t.rect.left, base.cx, 4), area.top + mulDiv(t.rect.top, base.cy, 8)};
    if (t.rect.left == 0 && t.rect.top == 0)
        at = {area.left + (area.width() - outer.cx) / 2, area.top + (area.height() - outer.cy) / 2};
    at.x = std::clamp(at.x, 0, std::max(0, desktop.screen().width() - outer.cx));
    at.y = std::clamp(at.y, 0, std::max(0, desktop.screen().height() - outer.cy));
    desktop.moveWindow(w, Rect::fromPointAndSize(at, outer));
    desktop.show(w, true);
    desktop.setActiveWindow(w);
    if (Dialog* dialog = Dialog::of(desktop, w)) {
        const int64_t keepFocus = dialog->handle(Message{msg::InitDialog, 0, 0});
        if (keepFocus && desktop.isWindow(w)) {
            std::vector<WindowHandle> order = dialog->tabOrder();
            if (!order.empty())
                desktop.setFocus(order.front());
        }
    }
    return w;
}

Result<int64_t> Dialog::runModal(Desktop& desktop, const DialogTemplate& t, WindowHandle owner, Handler handler)
{
    const WindowHandle ownerTop = desktop.topLevelOf(owner);
    const bool ownerWasEnabled = ownerTop && desktop.isEnabled(ownerTop);
    Result<WindowHandle> made = create(desktop, t, owner, std::move(handler));
    if (!made)
        return Result<int64_t>::failure(made.message());
    const WindowHandle w = made.value();
    if (Dialog* d = Dialog::of(desktop, w))
        d->m_modal = true;
    if (ownerWasEnabled)
        desktop.enable(ownerTop, false);
    desktop.runModal(
        [&] {
            Dialog* d = Dialog::of(desktop, w);
            return !d || d->isEnded();
        },
        [&](WindowHandle target, const Message& m) {
            Dialog* d = Dialog::of(desktop, w);
            return d && d->translate(target, m);
        });
    Dialog* d = Dialog::of(desktop, w);
    const int64_t result = d && d->isEnded() ? d->result() : commandIds::Cancel;
    // The owner comes back before the dialog goes, so that it becomes active again.
    if (ownerWasEnabled)
        desktop.enable(ownerTop, true);
    desktop.destroyWindow(w);
    if (ownerTop && desktop.isWindow(ownerTop))
        desktop.setActiveWindow(ownerTop);
    return result;
}

void Dialog::end(int64_t value)
{
    if (m_ended)
        return;
    m_ended = true;
    m_result = value;
    // A modal loop waits for the mark; a modeless dialog goes once the message is handled.
    if (!m_modal)
        m_desktop.post(m_window, msg::Close);
}

std::vector<WindowHandle> Dialog::tabOrder() const
{
    std::vector<WindowHandle> order;
    for (WindowHandle c : m_desktop.children(m_window))
        if ((m_desktop.style(c) & windowStyle::TabStop) && m_desktop.isVisible(c) && m_desktop.isEnabled(c))
            order.push_back(c);
    return order;
}

WindowHandle Dialog::focusedChild() const
{
    WindowHandle f = m_desktop.focus();
    while (f && m_desktop.parent(f) != m_window)
        f = m_desktop.parent(f);
    return f;
}

void Dialog::focusNext(bool backwards)
{
    const std::vector<WindowHandle> order = tabOrder();
    if (order.empty())
        return;
    const WindowHandle current = focusedChild();
    auto it = std::find(order.begin(), order.end(), current);
    size_t index = 0;
    if (it == order.end())
        index = backwards ? order.size() - 1 : 0;
    else
        index = (size_t(it - order.begin()) + (backwards ? order.size() - 1 : 1)) % order.size();
    const WindowHandle next = order[index];
    m_desktop.setFocus(next);
    if (EditControl* edit = EditControl::of(m_desktop, next))
        edit->selectAll();
}

void Dialog::moveInGroup(bool backwards)
{
    // The group of the focused control: from a control marked as a group start to the next one.
    const std::vector<WindowHandle> all = m_desktop.children(m_window);
    const WindowHandle current = focusedChild();
    auto self = std::find(all.begin(), all.end(), current);
    if (self == all.end())
        return;
    auto first = self;
    while (first != all.begin() && !(m_desktop.style(*first) & windowStyle::Group))
        --first;
    auto last = self + 1;
    while (last != all.end() && !(m_desktop.style(*last) & windowStyle::Group))
        ++last;
    std::vector<WindowHandle> group;
    for (auto it = first; it != last; ++it)
        if (m_desktop.isVisible(*it) && m_desktop.isEnabled(*it) && !(m_desktop.exStyle(*it) & extendedStyle::Transparent))
            group.push_back(*it);
    auto pos = std::find(group.begin(), group.end(), current);
    if (group.size() < 2 || pos == group.end())
        return;
    const size_t index = (size_t(pos - group.begin()) + (backwards ? group.size() - 1 : 1)) % group.size();
    const WindowHandle next = group[index];
    m_desktop.setFocus(next);
    if (Button* b = Button::of(m_desktop, next); b && b->kind() == buttonStyle::AutoRadio)
        b->click();
}

bool Dialog::pressMnemonic(char c)
{
    const char wanted = char(std::tolower(static_cast<unsigned char>(c)));
    const std::vector<WindowHandle> all = m_desktop.children(m_window);
    for (auto it = all.begin(); it != all.end(); ++it) {
        const WindowHandle w = *it;
        if (!m_desktop.isVisible(w) || !m_desktop.isEnabled(w))
            continue;
        StaticText* label = StaticText::of(m_desktop, w);
        if (label && (m_desktop.style(w) & staticStyle::NoPrefix))
            continue;
        if (Menu::mnemonicOf(m_desktop.text(w)) != wanted)
            continue;
        Button* button = Button::of(m_desktop, w);
        if (button && button->kind() != buttonStyle::GroupBox) {
            if (!isPushButton(m_desktop, w))
                m_desktop.setFocus(w);
            button->click();
            return true;
        }
        // A label or group box hands the focus to the next control that takes it.
        for (auto next = it + 1; next != all.end(); ++next)
            if ((m_desktop.style(*next) & windowStyle::TabStop) && m_desktop.isVisible(*next) && m_desktop.isEnabled(*next)) {
                m_desktop.setFocus(*next);
                if (EditControl* edit = EditControl::of(m_desktop, *next))
                    edit->selectAll();
                return true;
            }
        return true;
    }
    return false;
}

WindowHandle Dialog::defaultButton() const
{
    for (WindowHandle c : m_desktop.children(m_window))
        if (Button* b = Button::of(m_desktop, c); b && b->isDefault())
            return c;
    return {};
}

void Dialog::press(WindowHandle button, int32_t fallbackId)
{
    if (button && m_desktop.isEnabled(button)) {
        if (Button* b = Button::of(m_desktop, button)) {
            b->click();
            return;
        }
    }
    if (!button || !m_desktop.isWindow(button))
        m_desktop.send(m_window, msg::Command, commandParam(fallbackId, notification::Clicked), 0);
}

bool Dialog::translate(WindowHandle target, const Message& m)
{
    if (!m_desktop.isAncestor(m_window, target))
        return false;
    if (m.id == msg::Char && m_swallowChar && char(m.wParam) == m_swallowChar) {
        m_swallowChar = 0;
        return true;
    }
    const int64_t wants = target != m_window ? m_desktop.send(target, msg::WantKeys) : 0;
    const bool alt = (m_desktop.modifierState() & mouseKey::Alt) != 0;
    // Mnemonics: Alt with a letter, or the letter alone where the focus does not type.
    if (m.id == msg::KeyDown && alt && m.wParam < 0x80 && std::isalnum(int(m.wParam)))
        return pressMnemonic(char(m.wParam));
    if (m.id == msg::Char && !alt && !(wants & dialogCode::Chars) && m.wParam > 0x20 && m.wParam < 0x7F)
        return pressMnemonic(char(m.wParam));
    if (m.id != msg::KeyDown)
        return false;
    const bool shift = (m_desktop.modifierState() & mouseKey::Shift) != 0;
    switch (uint32_t(m.wParam)) {
    case key::Tab:
        if (wants & dialogCode::Tab)
            return false;
        focusNext(shift);
        m_swallowChar = '\t';
        return true;
    case key::Enter: {
        if (wants & dialogCode::Enter)
            return false;
        m_swallowChar = '\r';
        const WindowHandle focused = focusedChild();
        if (focused && isPushButton(m_desktop, focused))
            press(focused, m_desktop.controlId(focused));
        else
            press(defaultButton(), commandIds::Ok);
        return true;
    }
    case key::Escape:
        if ((wants & dialogCode::AllKeys) == dialogCode::AllKeys)
            return false;
        m_swallowChar = 0x1B;
        press(item(commandIds::Cancel), commandIds::Cancel);
        return true;
    case key::Left:
    case key::Up:
    case key::Right:
    case key::Down:
        if (wants & dialogCode::Arrows) {
            // Radio buttons want the arrows only to move within their group.
            Button* b = Button::of(m_desktop, target);
            if (!b || (b->kind() != buttonStyle::Radio && b->kind() != buttonStyle::AutoRadio))
                return false;
        }
        moveInGroup(m.wParam == key::Left || m.wParam == key::Up);
        return true;
    default:
        return false;
    }
}

int64_t Dialog::handle(const Message& m)
{
    if (m_handler) {
        if (std::optional<int64_t> answer = m_handler(*this, m))
            return *answer;
        if (!m_desktop.isWindow(m_window))
            return 0;
    }
    switch (m.id) {
    case msg::InitDialog:
        return 1; // the focus goes to the first control that takes it
    case msg::Command:
        if (commandNotification(m.wParam) == notification::Clicked) {
            const int32_t id = commandId(m.wParam);
            if (id == commandIds::Ok || id == commandIds::Cancel)
                end(id);
        }
        return 0;
    case msg::Close:
        if (!m_ended)
            m_desktop.send(m_window, msg::Command, commandParam(commandIds::Cancel, notification::Clicked), 0);
        if (m_ended && !m_modal && m_desktop.isWindow(m_window))
            m_desktop.destroyWindow(m_window);
        return 0;
    case msg::Activate:
        if (m.wParam) {
            WindowHandle target = m_lastFocus && m_desktop.isAncestor(m_window, m_lastFocus) ? m_lastFocus : WindowHandle{};
            if (!target) {
                const std::vector<WindowHandle> order = tabOrder();
                target = order.empty() ? m_window : order.front();
            }
            if (!m_desktop.focus() || m_desktop.topLevelOf(m_desktop.focus()) != m_window)
                m_desktop.setFocus(target);
        } else if (m_desktop.focus() && m_desktop.isAncestor(m_window, m_desktop.focus())) {
            m_lastFocus = m_desktop.focus();
        }
        return 0;
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

} // namespace platform
