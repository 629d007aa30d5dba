#include "platform/ui/Desktop.h"

#include "platform/ui/DesktopRecord.h"
#include "platform/ui/Key.h"
#include "platform/ui/MenuLayout.h"
#include "platform/ui/MenuTracker.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace platform {

namespace {

uint32_t buttonBit(MouseButton b)
{
    return 1u << unsigned(b);
}

uint64_t buttonFlags(uint32_t buttons)
{
    uint64_t flags = 0;
    if (buttons & buttonBit(MouseButton::Left))
        flags |= mouseKey::Left;
    if (buttons & buttonBit(MouseButton::Right))
        flags |= mouseKey::Right;
    if (buttons & buttonBit(MouseButton::Middle))
        flags |= mouseKey::Middle;
    return flags;
}

uint64_t modifierBit(uint32_t keyCode)
{
    switch (keyCode) {
    case key::Shift: return mouseKey::Shift;
    case key::Control: return mouseKey::Control;
    case key::Alt: return mouseKey::Alt;
    default: return 0;
    }
}

// The key a character is typed with, 0 when it has none of its own.
uint32_t keyOfChar(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u))
        return uint32_t(std::toupper(u));
    if (std::isdigit(u) || c == ' ')
        return u;
    switch (c) {
    case '\r':
    case '\n': return key::Enter;
    case '\t': return key::Tab;
    case '\b': return key::Backspace;
    case 0x1B: return key::Escape;
    default: return 0;
    }
}

} // namespace

bool Desktop::isButtonDown(MouseButton button) const
{
    return (m_buttons & buttonBit(button)) != 0;
}

uint64_t Desktop::modifierState() const
{
    return m_modifiers;
}

// Injection.

void Desktop::injectMouseMove(Point p)
{
    m_input.push_back({InputEvent::Kind::MouseMove, p});
}

void Desktop::injectMouseDown(Point p, MouseButton button)
{
    m_input.push_back({InputEvent::Kind::MouseDown, p, button});
}

void Desktop::injectMouseUp(Point p, MouseButton button)
{
    m_input.push_back({InputEvent::Kind::MouseUp, p, button});
}

void Desktop::injectClick(Point p, MouseButton button)
{
    injectMouseMove(p);
    injectMouseDown(p, button);
    injectMouseUp(p, button);
}

void Desktop::injectDoubleClick(Point p, MouseButton button)
{
    injectClick(p, button);
    // The clock stands still between the two presses, so the second one is a double-click.
    injectMouseDown(p, button);
    injectMouseUp(p, button);
}

void Desktop::injectWheel(Point p, int32_t notches)
{
    m_input.push_back({InputEvent::Kind::Wheel, p, MouseButton::Left, notches});
}

void Desktop::injectKeyDown(uint32_t keyCode)
{
    m_input.push_back({InputEvent::Kind::KeyDown, {}, MouseButton::Left, int32_t(keyCode)});
}

void Desktop::injectKeyUp(uint32_t keyCode)
{
    m_input.push_back({InputEvent::Kind::KeyUp, {}, MouseButton::Left, int32_t(keyCode)});
}

void Desktop::injectChar(char c)
{
    m_input.push_back({InputEvent::Kind::Char, {}, MouseButton::Left, int32_t(static_cast<unsigned char>(c))});
}

void Desktop::injectKey(uint32_t keyCode)
{
    injectKeyDown(keyCode);
    switch (keyCode) {
    case key::Enter: injectChar('\r'); break;
    case key::Tab: injectChar('\t'); break;
    case key::Escape: injectChar(0x1B); break;
    case key::Backspace: injectChar('\b'); break;
    default: break;
    }
    injectKeyUp(keyCode);
}

void Desktop::injectKeyWith(uint32_t modifierKey, uint32_t keyCode)
{
    injectKeyDown(modifierKey);
    injectKey(keyCode);
    injectKeyUp(modifierKey);
}

void Desktop::typeText(std::string_view textToType)
{
    for (char c : textToType) {
        const uint32_t k = keyOfChar(c);
        const bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
        if (upper)
            injectKeyDown(key::Shift);
        if (k)
            injectKeyDown(k);
        injectChar(c == '\n' ? '\r' : c);
        if (k)
            injectKeyUp(k);
        if (upper)
            injectKeyUp(key::Shift);
    }
}

// The loop.

bool Desktop::pumpOne(const MessageFilter& filter)
{
    if (!m_posted.empty()) {
        PostedMessage pm = m_posted.front();
        m_posted.pop_front();
        if (!pm.window) {
            if (pm.message.id == msg::Quit)
                m_quit = int64_t(pm.message.wParam);
            return true;
        }
        deliver(pm.window, pm.message, filter);
        return true;
    }
    if (takeInput(filter))
        return true;
    return fireDueTimer(filter);
}

void Desktop::pumpAll()
{
    ++m_loopDepth;
    while (!m_quit && pumpOne()) {
    }
    update();
    --m_loopDepth;
}

int64_t Desktop::run()
{
    ++m_loopDepth;
    int64_t code = 0;
    while (true) {
        if (m_quit) {
            code = *m_quit;
            m_quit.reset();
            break;
        }
        if (pumpOne())
            continue;
        update();
        if (!runIdle())
            break;
    }
    --m_loopDepth;
    return code;
}

bool Desktop::runModal(const std::function<bool()>& done, const MessageFilter& filter)
{
    ++m_loopDepth;
    ++m_modalDepth;
    bool finished = true;
    while (!done()) {
        // A quit request ends every nested loop and is left for the main loop.
        if (m_quit) {
            finished = false;
            break;
        }
        if (pumpOne(filter))
            continue;
        update();
        if (done())
            break;
        if (!runIdle()) {
            finished = false;
            break;
        }
    }
    --m_modalDepth;
    --m_loopDepth;
    update();
    return finished;
}

bool Desktop::runIdle()
{
    if (!m_idle)
        return false;
    // The handler may replace itself; keep the running one alive.
    IdleHandler handler = m_idle;
    return handler(*this);
}

bool Desktop::fireDueTimer(const MessageFilter& filter)
{
    auto earliest = [&](uint64_t limit) -> TimerEntry* {
        TimerEntry* best = nullptr;
        for (TimerEntry& t : m_timers)
            if (t.due <= limit && (!best || t.due < best->due))
                best = &t;
        return best;
    };
    TimerEntry* t = earliest(m_now);
    if (!t && m_clockTarget > m_now) {
        t = earliest(m_clockTarget);
        m_now = t ? t->due : m_clockTarget;
    }
    if (!t)
        return false;
    // A timer that fell behind fires once and starts again from now.
    t->due = m_now + t->interval;
    const WindowHandle window = t->window;
    const uint32_t id = t->id;
    deliver(window, Message{msg::Timer, id, 0}, filter);
    return true;
}

bool Desktop::deliver(WindowHandle target, const Message& m, const MessageFilter& filter)
{
    if (filter && filter(target, m))
        return true;
    send(target, m);
    return true;
}

bool Desktop::takeInput(const MessageFilter& filter)
{
    if (m_input.empty())
        return false;
    const InputEvent e = m_input.front();
    m_input.pop_front();
    switch (e.kind) {
    case InputEvent::Kind::MouseMove:
    case InputEvent::Kind::MouseDown:
    case InputEvent::Kind::MouseUp:
    case InputEvent::Kind::Wheel:
        dispatchMouse(e, filter);
        break;
    default:
        dispatchKey(e, filter);
        break;
    }
    return true;
}

void Desktop::dispatchMouse(const InputEvent& e, const MessageFilter& filter)
{
    m_cursorPos = e.point;
    if (e.kind == InputEvent::Kind::MouseDown)
        m_buttons |= buttonBit(e.button);
    else if (e.kind == InputEvent::Kind::MouseUp)
        m_buttons &= ~buttonBit(e.button);

    WindowHandle target = m_capture;
    if (!target) {
        target = windowFromPoint(e.point);
        if (!target) {
            setCursor(CursorShape::Arrow);
            return;
        }
        // A disabled window, or one inside a disabled window, takes no input.
        for (WindowHandle w = target; w; w = parent(w))
            if (!isEnabled(w)) {
                if (e.kind == InputEvent::Kind::MouseMove)
                    setCursor(CursorShape::Arrow);
                return;
            }
    }
    const Point client = screenToClient(target, e.point);
    const uint64_t flags = buttonFlags(m_buttons) | m_modifiers;
    switch (e.kind) {
    case InputEvent::Kind::MouseMove:
        if (!m_capture)
            send(target, msg::SetCursor, 0, packPoint(client));
        deliver(target, Message{msg::MouseMove, flags, packPoint(client)}, filter);
        return;
    case InputEvent::Kind::Wheel: {
        const WindowHandle wheelTarget = m_focus ? m_focus : target;
        deliver(wheelTarget, Message{msg::MouseWheel, uint64_t(int64_t(e.value)), packPoint(screenToClient(wheelTarget, e.point))},
                filter);
        return;
    }
    case InputEvent::Kind::MouseDown: {
        if (!m_capture) {
            const WindowHandle top = topLevelOf(target);
            if (top != m_active && !(exStyle(top) & extendedStyle::NoActivate))
                setActiveWindow(top);
            if (!isWindow(target))
                return;
            if (!clientRectOnScreen(target).contains(e.point)) {
                handleFramePress(target, e.point);
                m_lastPressValid = false;
                return;
            }
        }
        const WindowRecord* r = record(target);
        const bool doubleClicks = r && (r->windowClass->options & classStyle::DoubleClicks);
        const bool isDouble = doubleClicks && m_lastPressValid && m_lastPressWindow == target
            && m_lastPressButton == e.button && m_now - m_lastPressTime <= doubleClickTime
            && std::abs(e.point.x - m_lastPressPoint.x) <= metric(SystemMetric::DoubleClickWidth) / 2
            && std::abs(e.point.y - m_lastPressPoint.y) <= metric(SystemMetric::DoubleClickHeight) / 2;
        uint32_t id = 0;
        switch (e.button) {
        case MouseButton::Left: id = isDouble ? msg::LeftDoubleClick : msg::LeftDown; break;
        case MouseButton::Right: id = isDouble ? msg::RightDoubleClick : msg::RightDown; break;
        case MouseButton::Middle: return;
        }
        // A third press starts a new pair.
        m_lastPressValid = !isDouble;
        m_lastPressWindow = target;
        m_lastPressButton = e.button;
        m_lastPressPoint = e.point;
        m_lastPressTime = m_now;
        deliver(target, Message{id, flags, packPoint(client)}, filter);
        return;
    }
    case InputEvent::Kind::MouseUp: {
        uint32_t id = 0;
        switch (e.button) {
        case MouseButton::Left: id = msg::LeftUp; break;
        case MouseButton::Right: id = msg::RightUp; break;
        case MouseButton::Middle: return;
        }
        if (!m_capture && !clientRectOnScreen(target).contains(e.point))
            return;
        deliver(target, Message{id, flags, packPoint(client)}, filter);
        if (id == msg::RightUp && isWindow(target) && !m_capture)
            deliver(target, Message{msg::ContextMenu, 0, packPoint(e.point)}, filter);
        return;
    }
    default:
        return;
    }
}

void Desktop::dispatchKey(const InputEvent& e, const MessageFilter& filter)
{
    const uint32_t code = uint32_t(e.value);
    if (e.kind == InputEvent::Kind::KeyDown)
        m_modifiers |= modifierBit(code);
    else if (e.kind == InputEvent::Kind::KeyUp)
        m_modifiers &= ~modifierBit(code);
    const WindowHandle target = m_focus ? m_focus : m_active;
    uint32_t id = msg::KeyDown;
    if (e.kind == InputEvent::Kind::KeyUp)
        id = msg::KeyUp;
    else if (e.kind == InputEvent::Kind::Char)
        id = msg::Char;
    // F10, or Alt with a title's mnemonic, opens the menu bar of the active window.
    if (id == msg::KeyDown && m_active && menuBar(m_active)
        && (code == key::F10 || ((m_modifiers & mouseKey::Alt) && code < 0x80 && std::isalnum(int(code))))) {
        std::shared_ptr<Menu> bar = menuBar(m_active);
        int title = code == key::F10 ? 0 : -1;
        for (size_t i = 0; title < 0 && i < bar->size(); ++i)
            if (Menu::mnemonicOf(bar->item(i).text) == char(std::tolower(int(code))))
                title = int(i);
        const Message m{id, code, int64_t(m_modifiers)};
        if (title >= 0 && !(filter && filter(target, m))) {
            trackMenuBar(*this, m_active, title);
            return;
        }
        if (title >= 0)
            return;
    }
    // With no window to take it a key still reaches the loop's filter (an open menu).
    if (!target) {
        if (filter)
            filter(target, Message{id, code, int64_t(m_modifiers)});
        return;
    }
    deliver(target, Message{id, code, int64_t(m_modifiers)}, filter);
}

bool Desktop::handleFramePress(WindowHandle window, Point screenPoint)
{
    const WindowRecord* r = record(window);
    if (!r)
        return false;
    const Point local = screenPoint - windowRect(window).topLeft();
    const Rect bar = menuBarRect(window);
    if (r->menuBar && bar.contains(local)) {
        const std::vector<Rect> titles = menuLayout::barTitleRects(*r->menuBar, *m_defaultFont, bar);
        for (size_t i = 0; i < titles.size(); ++i)
            if (titles[i].contains(local)) {
                trackMenuBar(*this, window, int(i));
                return true;
            }
        return true;
    }
    if ((r->style & windowStyle::Caption) && (r->style & windowStyle::SystemMenu)) {
        const Rect client = clientAreaOf(*r);
        const int32_t captionHeight = metric((r->exStyle & extendedStyle::ToolWindow) ? SystemMetric::SmallCaptionHeight
                                                                                : SystemMetric::CaptionHeight);
        const int32_t captionTop = client.top - captionHeight - (r->menuBar ? metric(SystemMetric::MenuHeight) : 0);
        const int32_t buttonSize = captionHeight - 5;
        const Rect closeBox{client.right - 2 - buttonSize - 2, captionTop + 2, client.right - 2, captionTop + 2 + buttonSize};
        if (closeBox.contains(local)) {
            post(window, msg::Close);
            return true;
        }
    }
    if ((r->style & windowStyle::Caption) && !r->isChild()) {
        const Rect client = clientAreaOf(*r);
        if (local.y < client.top && local.y >= 0)
            return dragByCaption(window, screenPoint);
    }
    return false;
}

bool Desktop::dragByCaption(WindowHandle window, Point start)
{
    // The window follows the mouse until the button comes up; Escape puts it back.
    const Rect original = rectInParent(window);
    bool done = false;
    setCapture(window);
    runModal([&] { return done || !isWindow(window); },
             [&](WindowHandle, const Message& m) {
                 if (m.id == msg::MouseMove || m.id == msg::LeftUp) {
                     const Point now = m_cursorPos;
                     moveWindow(window, original.offsetBy(now.x - start.x, now.y - start.y));
                     done = m.id == msg::LeftUp;
                     return true;
                 }
                 if (m.id == msg::KeyDown && m.wParam == key::Escape) {
                     moveWindow(window, original);
                     done = true;
                     return true;
                 }
                 return m.id == msg::KeyDown || m.id == msg::Char || m.id == msg::KeyUp || m.id == msg::RightDown;
             });
    if (m_capture == window)
        releaseCapture();
    return true;
}

} // namespace platform
