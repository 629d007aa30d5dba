#include "platform/ui/MenuTracker.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/Painter.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Key.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuLayout.h"
#include "platform/ui/WindowStyle.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace platform {

namespace {

constexpr const char* popupClassName = "PopupMenu";

class MenuSession;

// The popup window of one menu level; it paints the level and hands mouse input to the session.
struct PopupState : WindowExtra {
    MenuSession* session = nullptr;
    size_t level = 0;
};

class MenuSession {
public:
    MenuSession(Desktop& desktop, WindowHandle owner, uint32_t flags) : m_desktop(desktop), m_owner(owner), m_flags(flags) {}

    // Menu bar mode: the bar's titles can be switched while the session runs.
    void attachBar(WindowHandle barWindow, std::shared_ptr<Menu> bar)
    {
        m_barWindow = barWindow;
        m_bar = std::move(bar);
    }

    int32_t run(std::shared_ptr<Menu> menu, Point at);
    int32_t runBar(int titleIndex);

    void paint(size_t level, Painter& painter)
    {
        if (level < m_levels.size())
            menuLayout::paintPopup(painter, m_desktop.colors(), m_desktop.defaultFont(), *m_levels[level].menu,
                                   m_levels[level].hot);
    }
    void mouse(const Message& m, WindowHandle from);

private:
    struct Level {
        std::shared_ptr<Menu> menu;
        WindowHandle popup;
        int hot = -1;
        std::vector<Rect> items; // in the popup's client coordinates
    };

    bool open(std::shared_ptr<Menu> menu, Point at);
    void closeFrom(size_t level);
    void closeAll();
    void setHot(size_t level, int index, bool openSubmenu);
    void openSubmenu(size_t level);
    void choose(const MenuItem& item);
    void cancel() { m_done = true; }
    bool filter(WindowHandle target, const Message& m);
    void key(uint32_t code);
    void character(char c);
    void moveHot(int step);
    void switchTitle(int index);
    int titleAt(Point screen) const;
    // The deepest level whose popup holds the point, or -1.
    int levelAt(Point screen) const;
    int itemAt(size_t level, Point screen) const;
    int32_t finish();

    Desktop& m_desktop;
    WindowHandle m_owner;
    uint32_t m_flags;
    std::vector<Level> m_levels;
    bool m_done = false;
    int32_t m_chosen = 0;
    WindowHandle m_barWindow;
    std::shared_ptr<Menu> m_bar;
    int m_title = -1;
    bool m_switchTo = false;
    int m_nextTitle = -1;
};

int64_t popupProcedure(Desktop& desktop, WindowHandle window, const Message& m)
{
    auto* state = desktop.extra<PopupState>(window);
    switch (m.id) {
    case msg::Paint:
        if (state && state->session)
            state->session->paint(state->level, reinterpret_cast<PaintContext*>(intptr_t(m.lParam))->painter);
        return 0;
    case msg::MouseMove:
    case msg::LeftDown:
    case msg::LeftUp:
    case msg::RightDown:
    case msg::RightUp:
    case msg::LeftDoubleClick:
    case msg::RightDoubleClick:
        if (state && state->session)
            state->session->mouse(m, window);
        return 0;
    case msg::CaptureLost:
        return 0;
    default:
        return desktop.defaultProcedure(window, m);
    }
}

void ensurePopupClass(Desktop& desktop)
{
    if (!desktop.findClass(popupClassName))
        (void)desktop.registerClass(WindowClass{popupClassName, popupProcedure, classStyle::SaveBits, CursorShape::Arrow, {}});
}

bool MenuSession::open(std::shared_ptr<Menu> menu, Point at)
{
    if (!menu)
        return false;
    if (m_owner)
        m_desktop.send(m_owner, msg::InitMenuPopup, m_levels.size(), int64_t(reinterpret_cast<intptr_t>(menu.get())));
    Level level;
    level.menu = menu;
    Size size;
    level.items = menuLayout::popupItemRects(*menu, *m_desktop.defaultFont(), &size);
    // Kept on the screen: flipped to the other side when it would run off.
    const Rect screen = m_desktop.screen().rect();
    if (at.x + size.cx > screen.right)
        at.x = std::max(0, screen.right - size.cx);
    if (at.y + size.cy > screen.bottom)
        at.y = std::max(0, screen.bottom - size.cy);
    CreateParams params;
    params.className = popupClassName;
    params.style = windowStyle::Popup;
    params.exStyle = extendedStyle::TopMost | extendedStyle::NoActivate;
    params.rect = Rect::fromPointAndSize(at, size);
    params.parent = m_owner;
    Result<WindowHandle> popup = m_desktop.createWindow(params);
    if (!popup)
        return false;
    auto state = std::make_unique<PopupState>();
    state->session = this;
    state->level = m_levels.size();
    m_desktop.setExtra(popup.value(), std::move(state));
    level.popup = popup.value();
    m_levels.push_back(std::move(level));
    m_desktop.show(popup.value(), true);
    m_desktop.setCapture(m_levels.front().popup);
    return true;
}

void MenuSession::closeFrom(size_t level)
{
    while (m_levels.size() > level) {
        const WindowHandle popup = m_levels.back().popup;
        m_levels.pop_back();
        if (auto* state = m_desktop.extra<PopupState>(popup))
            state->session = nullptr;
        m_desktop.destroyWindow(popup);
    }
    if (!m_levels.empty())
        m_desktop.setCapture(m_levels.front().popup);
}

void MenuSession::closeAll()
{
    closeFrom(0);
    if (m_desktop.capture())
        m_desktop.releaseCapture();
}

int MenuSession::levelAt(Point screen) const
{
    for (size_t i = m_levels.size(); i-- > 0;)
        if (m_desktop.windowRect(m_levels[i].popup).contains(screen))
            return int(i);
    return -1;
}

int MenuSession::itemAt(size_t level, Point screen) const
{
    const Point p = m_desktop.screenToClient(m_levels[level].popup, screen);
    const std::vector<Rect>& items = m_levels[level].items;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].contains(p))
            return m_levels[level].menu->item(i).isSeparator() ? -1 : int(i);
    return -1;
}

int MenuSession::titleAt(Point screen) const
{
    if (!m_bar)
        return -1;
    const Rect bar = m_desktop.menuBarRect(m_barWindow);
    const Point local = screen - m_desktop.windowRect(m_barWindow).topLeft();
    const std::vector<Rect> titles = menuLayout::barTitleRects(*m_bar, *m_desktop.defaultFont(), bar);
    for (size_t i = 0; i < titles.size(); ++i)
        if (titles[i].contains(local) && !m_bar->item(i).isSeparator())
            return int(i);
    return -1;
}

void MenuSession::setHot(size_t level, int index, bool openSub)
{
    if (level >= m_levels.size())
        return;
    Level& l = m_levels[level];
    if (l.hot != index) {
        l.hot = index;
        m_desktop.invalidate(l.popup);
        if (m_owner && index >= 0)
            m_desktop.send(m_owner, msg::MenuSelect, uint64_t(uint32_t(l.menu->item(size_t(index)).id)));
    }
    if (openSub) {
        closeFrom(level + 1);
        if (index >= 0 && m_levels[level].menu->item(size_t(index)).submenu
            && !(m_levels[level].menu->item(size_t(index)).flags & menuFlag::Grayed))
            openSubmenu(level);
    }
}

void MenuSession::openSubmenu(size_t level)
{
    Level& l = m_levels[level];
    if (l.hot < 0)
        return;
    const Rect item = m_desktop.clientToScreen(l.popup, l.items[size_t(l.hot)]);
    open(l.menu->item(size_t(l.hot)).submenu, {item.right - 3, item.top - menuLayout::popupFrame});
}

void MenuSession::choose(const MenuItem& item)
{
    if (!item.isChoosable())
        return;
    if (item.submenu)
        return;
    m_chosen = item.id;
    m_done = true;
}

void MenuSession::mouse(const Message& m, WindowHandle from)
{
    const Point screen = m_desktop.clientToScreen(from, unpackPoint(m.lParam));
    const int level = levelAt(screen);
    const int item = level >= 0 ? itemAt(size_t(level), screen) : -1;
    switch (m.id) {
    case msg::MouseMove:
        if (level >= 0) {
            setHot(size_t(level), item, true);
        } else if (m_bar) {
            const int title = titleAt(screen);
            if (title >= 0 && title != m_title)
                switchTitle(title);
        }
        return;
    case msg::LeftDown:
    case msg::RightDown:
    case msg::LeftDoubleClick:
    case msg::RightDoubleClick:
        if (level >= 0)
            return;
        if (m_bar) {
            const int title = titleAt(screen);
            if (title >= 0 && title != m_title) {
                switchTitle(title);
                return;
            }
        }
        // A press anywhere else dismisses the menu.
        cancel();
        return;
    case msg::LeftUp:
    case msg::RightUp:
        // The right button chooses only when asked to; a release elsewhere is ignored.
        if (level >= 0 && item >= 0) {
            const MenuItem& chosen = m_levels[size_t(level)].menu->item(size_t(item));
            if (m.id == msg::RightUp && !(m_flags & trackFlag::RightButton))
                return;
            choose(chosen);
        }
        return;
    default:
        return;
    }
}

void MenuSession::moveHot(int step)
{
    Level& l = m_levels.back();
    const int n = int(l.menu->size());
    if (n == 0)
        return;
    int index = l.hot;
    for (int tries = 0; tries < n; ++tries) {
        index = index < 0 ? (step > 0 ? 0 : n - 1) : (index + step + n) % n;
        if (!l.menu->item(size_t(index)).isSeparator()) {
            setHot(m_levels.size() - 1, index, false);
            return;
        }
    }
}

void MenuSession::switchTitle(int index)
{
    m_switchTo = true;
    m_nextTitle = index;
    m_done = true;
}

void MenuSession::key(uint32_t code)
{
    if (m_levels.empty())
        return;
    Level& l = m_levels.back();
    switch (code) {
    case key::Up: moveHot(-1); return;
    case key::Down: moveHot(1); return;
    case key::Right:
        if (l.hot >= 0 && l.menu->item(size_t(l.hot)).submenu) {
            openSubmenu(m_levels.size() - 1);
            moveHot(1);
        } else if (m_bar) {
            switchTitle(int((size_t(m_title) + 1) % m_bar->size()));
        }
        return;
    case key::Left:
        if (m_levels.size() > 1)
            closeFrom(m_levels.size() - 1);
        else if (m_bar)
            switchTitle(int((size_t(m_title) + m_bar->size() - 1) % m_bar->size()));
        return;
    case key::Enter:
        if (l.hot >= 0) {
            const MenuItem& item = l.menu->item(size_t(l.hot));
            if (item.submenu) {
                openSubmenu(m_levels.size() - 1);
                moveHot(1);
            } else {
                choose(item);
            }
        }
        return;
    case key::Escape:
        if (m_levels.size() > 1)
            closeFrom(m_levels.size() - 1);
        else
            cancel();
        return;
    case key::Alt:
    case key::F10:
        cancel();
        return;
    default:
        return;
    }
}

void MenuSession::character(char c)
{
    if (m_levels.empty())
        return;
    const char wanted = char(std::tolower(static_cast<unsigned char>(c)));
    Level& l = m_levels.back();
    int match = -1;
    int count = 0;
    for (size_t i = 0; i < l.menu->size(); ++i)
        if (!l.menu->item(i).isSeparator() && Menu::mnemonicOf(l.menu->item(i).text) == wanted) {
            if (match < 0)
                match = int(i);
            ++count;
        }
    if (match < 0)
        return;
    setHot(m_levels.size() - 1, match, false);
    // Several items with one mnemonic: the key only moves among them.
    if (count > 1)
        return;
    const MenuItem& item = l.menu->item(size_t(match));
    if (item.submenu) {
        openSubmenu(m_levels.size() - 1);
        moveHot(1);
    } else {
        choose(item);
    }
}

bool MenuSession::filter(WindowHandle, const Message& m)
{
    // The keyboard belongs to the menu while it is open, whichever window has the focus.
    switch (m.id) {
    case msg::KeyDown:
        key(uint32_t(m.wParam));
        return true;
    case msg::Char:
        if (m.wParam > 0x20 && m.wParam < 0x7F)
            character(char(m.wParam));
        return true;
    case msg::KeyUp:
        return true;
    default:
        return false;
    }
}

int32_t MenuSession::finish()
{
    closeAll();
    if (m_chosen && !(m_flags & trackFlag::ReturnCommand) && m_desktop.isWindow(m_owner))
        m_desktop.post(m_owner, msg::Command, commandParam(m_chosen, 0), 0);
    return m_chosen;
}

int32_t MenuSession::run(std::shared_ptr<Menu> menu, Point at)
{
    ensurePopupClass(m_desktop);
    if (!open(std::move(menu), at))
        return 0;
    m_desktop.runModal([this] { return m_done || m_levels.empty() || !m_desktop.isWindow(m_levels.front().popup); },
                       [this](WindowHandle target, const Message& m) { return filter(target, m); });
    return finish();
}

int32_t MenuSession::runBar(int titleIndex)
{
    ensurePopupClass(m_desktop);
    int title = titleIndex;
    while (title >= 0 && size_t(title) < m_bar->size()) {
        m_title = title;
        m_switchTo = false;
        m_done = false;
        m_desktop.setMenuBarHighlight(m_barWindow, title);
        const Rect bar = m_desktop.menuBarRect(m_barWindow);
        const std::vector<Rect> titles = menuLayout::barTitleRects(*m_bar, *m_desktop.defaultFont(), bar);
        const Point at = m_desktop.windowRect(m_barWindow).topLeft() + Point{titles[size_t(title)].left, bar.bottom + 1};
        const MenuItem& item = m_bar->item(size_t(title));
        if (!item.submenu || (item.flags & menuFlag::Grayed) || !open(item.submenu, at))
            break;
        moveHot(1);
        m_desktop.runModal([this] { return m_done || m_levels.empty(); },
                           [this](WindowHandle target, const Message& m) { return filter(target, m); });
        closeAll();
        if (!m_switchTo)
            break;
        title = m_nextTitle;
    }
    m_desktop.setMenuBarHighlight(m_barWindow, -1);
    return finish();
}

} // namespace

int32_t trackPopupMenu(Desktop& desktop, std::shared_ptr<Menu> menu, Point screen, WindowHandle owner, uint32_t flags)
{
    if (!menu || menu->empty())
        return 0;
    MenuSession session(desktop, owner, flags);
    return session.run(std::move(menu), screen);
}

int32_t trackMenuBar(Desktop& desktop, WindowHandle window, int titleIndex)
{
    std::shared_ptr<Menu> bar = desktop.menuBar(window);
    if (!bar || titleIndex < 0 || size_t(titleIndex) >= bar->size())
        return 0;
    MenuSession session(desktop, window, 0);
    session.attachBar(window, bar);
    return session.runBar(titleIndex);
}

} // namespace platform
