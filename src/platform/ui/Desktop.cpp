#include "platform/ui/Desktop.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/Painter.h"
#include "platform/ui/DesktopRecord.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

std::string lowerCase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool sameClassName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && lowerCase(a) == lowerCase(b);
}

} // namespace

Result<std::unique_ptr<Desktop>> Desktop::create(Size screenSize)
{
    if (screenSize.cx <= 0 || screenSize.cy <= 0 || !Bitmap::isAcceptableSize(screenSize))
        return Result<std::unique_ptr<Desktop>>::failure("The screen size is not usable");
    Result<FontLibrary> fonts = FontLibrary::create();
    if (!fonts)
        return Result<std::unique_ptr<Desktop>>::failure(fonts.message());
    std::unique_ptr<Desktop> desktop(new Desktop(screenSize, std::move(fonts).value()));
    LogFont dialogFont;
    dialogFont.height = -11; // 8 points at 96 dots per inch
    dialogFont.faceName = "MS Sans Serif";
    auto normal = desktop->m_fonts.font(dialogFont);
    if (!normal)
        return Result<std::unique_ptr<Desktop>>::failure("No font for the window system: " + normal.message());
    dialogFont.weight = LogFont::boldWeight;
    auto bold = desktop->m_fonts.font(dialogFont);
    desktop->m_defaultFont = normal.value();
    desktop->m_boldFont = bold ? bold.value() : normal.value();
    return desktop;
}

Desktop::Desktop(Size screenSize, FontLibrary fonts)
    : m_screen(screenSize), m_fonts(std::move(fonts))
{
    m_screen.fill(m_colors.color(SystemColor::Background));
    m_metrics.setValue(SystemMetric::ScreenWidth, screenSize.cx);
    m_metrics.setValue(SystemMetric::ScreenHeight, screenSize.cy);
}

Desktop::~Desktop()
{
    // Procedures may look at the desktop while their windows go.
    std::vector<WindowHandle> tops = m_topLevel;
    for (WindowHandle w : tops)
        destroyWindow(w);
    m_sendDepth = 0;
    collectGarbage();
}

Status Desktop::registerClass(WindowClass windowClass)
{
    if (windowClass.name.empty())
        return Status::failure("A window class needs a name");
    std::string key = lowerCase(windowClass.name);
    if (m_classes.count(key))
        return Status::failure("The window class " + windowClass.name + " is already registered");
    m_classes.emplace(std::move(key), std::make_unique<WindowClass>(std::move(windowClass)));
    return Status::ok();
}

const WindowClass* Desktop::findClass(std::string_view name) const
{
    auto it = m_classes.find(lowerCase(name));
    return it == m_classes.end() ? nullptr : it->second.get();
}

Desktop::WindowRecord* Desktop::record(WindowHandle window) const
{
    if (!window)
        return nullptr;
    auto it = m_windows.find(window.value);
    if (it == m_windows.end() || it->second->destroyed)
        return nullptr;
    return it->second.get();
}

bool Desktop::isWindow(WindowHandle window) const
{
    return record(window) != nullptr;
}

std::vector<WindowHandle>& Desktop::siblingList(WindowRecord& r)
{
    if (r.isChild())
        if (WindowRecord* p = record(r.parent))
            return p->children;
    return m_topLevel;
}

void Desktop::placeInZOrder(WindowRecord& r)
{
    std::vector<WindowHandle>& list = siblingList(r);
    list.erase(std::remove(list.begin(), list.end(), r.handle), list.end());
    if (r.isChild() || (r.exStyle & extendedStyle::TopMost)) {
        list.push_back(r.handle);
        return;
    }
    // An ordinary top-level window goes above the others but stays below the top-most ones.
    auto it = list.end();
    while (it != list.begin()) {
        const WindowRecord* below = record(*(it - 1));
        if (!below || !(below->exStyle & extendedStyle::TopMost))
            break;
        --it;
    }
    list.insert(it, r.handle);
}

Result<WindowHandle> Desktop::createWindow(const CreateParams& params)
{
    const WindowClass* windowClass = findClass(params.className);
    if (!windowClass)
        return Result<WindowHandle>::failure("There is no window class " + params.className);
    const bool child = (params.style & windowStyle::Child) != 0;
    if (child && !record(params.parent))
        return Result<WindowHandle>::failure("A child window needs a parent");
    auto r = std::make_unique<WindowRecord>();
    r->handle = WindowHandle{m_nextHandle++};
    r->windowClass = windowClass;
    r->caption = params.caption;
    r->id = params.id;
    r->style = params.style & ~windowStyle::Visible;
    r->exStyle = params.exStyle;
    r->rect = params.rect.normalized();
    if (child)
        r->parent = params.parent;
    else if (params.parent)
        r->owner = topLevelOf(params.parent);
    r->procedure = std::make_shared<const WindowProc>(windowClass->procedure);
    r->font = params.font;
    WindowRecord* raw = r.get();
    const WindowHandle handle = raw->handle;
    m_windows.emplace(handle.value, std::move(r));
    placeInZOrder(*raw);
    if (send(handle, msg::Create, 0, int64_t(reinterpret_cast<intptr_t>(&params))) == -1) {
        destroyWindow(handle);
        return Result<WindowHandle>::failure("The window of class " + params.className + " refused to be created");
    }
    if (!isWindow(handle))
        return Result<WindowHandle>::failure("The window of class " + params.className + " was destroyed while created");
    send(handle, msg::Size, 0, packSize(clientRect(handle).size()));
    send(handle, msg::Move, 0, packPoint(rectInParent(handle).topLeft()));
    if (params.style & windowStyle::Visible)
        show(handle, true);
    return handle;
}

void Desktop::destroyWindow(WindowHandle window)
{
    WindowRecord* r = record(window);
    if (!r)
        return;
    invalidateScreen(visibleScreenRect(*r));
    // Owned windows go first, then the window itself with its children.
    std::vector<WindowHandle> owned;
    for (WindowHandle t : m_topLevel)
        if (WindowRecord* o = record(t); o && o->owner == window)
            owned.push_back(t);
    for (WindowHandle o : owned)
        destroyWindow(o);
    const bool wasActive = m_active == window;
    const WindowHandle ownerOfIt = r->owner;
    destroyTree(window);
    if (wasActive) {
        m_active = {};
        if (WindowHandle next = ownerOfIt ? ownerOfIt : WindowHandle{}; record(next) && isVisible(next))
            setActiveWindow(next);
    }
    collectGarbage();
}

void Desktop::destroyTree(WindowHandle window)
{
    WindowRecord* r = record(window);
    if (!r)
        return;
    forgetInputState(window);
    send(window, msg::Destroy);
    r = record(window);
    if (!r)
        return;
    std::vector<WindowHandle> kids = r->children;
    for (WindowHandle c : kids)
        destroyTree(c);
    r = record(window);
    if (!r)
        return;
    std::vector<WindowHandle>& list = siblingList(*r);
    list.erase(std::remove(list.begin(), list.end(), window), list.end());
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [&](const TimerEntry& t) { return t.window == window; }),
                   m_timers.end());
    r->destroyed = true;
    auto it = m_windows.find(window.value);
    m_graveyard.push_back(std::move(it->second));
    m_windows.erase(it);
}

void Desktop::forgetInputState(WindowHandle window)
{
    if (m_capture == window)
        m_capture = {};
    if (m_focus == window)
        m_focus = {};
    if (m_lastPressWindow == window)
        m_lastPressValid = false;
}

void Desktop::collectGarbage()
{
    // Records die only when no procedure is running, since one may belong to them.
    if (m_sendDepth == 0)
        m_graveyard.clear();
}

WindowHandle Desktop::parent(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->parent : WindowHandle{};
}

WindowHandle Desktop::owner(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->owner : WindowHandle{};
}

WindowHandle Desktop::topLevelOf(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    while (r && r->isChild()) {
        const WindowRecord* p = record(r->parent);
        if (!p)
            break;
        r = p;
    }
    return r ? r->handle : WindowHandle{};
}

std::vector<WindowHandle> Desktop::children(WindowHandle window) const
{
    if (!window)
        return m_topLevel;
    const WindowRecord* r = record(window);
    return r ? r->children : std::vector<WindowHandle>{};
}

bool Desktop::isAncestor(WindowHandle ancestor, WindowHandle window) const
{
    for (const WindowRecord* r = record(window); r; r = r->isChild() ? record(r->parent) : nullptr)
        if (r->handle == ancestor)
            return true;
    return false;
}

void Desktop::bringToTop(WindowHandle window)
{
    WindowRecord* r = record(window);
    if (!r)
        return;
    placeInZOrder(*r);
    invalidate(window);
}

Status Desktop::setParent(WindowHandle window, WindowHandle newParent)
{
    WindowRecord* r = record(window);
    WindowRecord* p = record(newParent);
    if (!r || !p || !r->isChild())
        return Status::failure("Only a child window can move to another parent");
    if (isAncestor(window, newParent))
        return Status::failure("A window cannot become a child of its own descendant");
    invalidateScreen(visibleScreenRect(*r));
    std::vector<WindowHandle>& old = siblingList(*r);
    old.erase(std::remove(old.begin(), old.end(), window), old.end());
    r->parent = newParent;
    p->children.push_back(window);
    invalidate(window);
    return Status::ok();
}

WindowHandle Desktop::findWindow(std::string_view className, std::optional<std::string_view> caption) const
{
    return findChild(WindowHandle{}, WindowHandle{}, className, caption);
}

WindowHandle Desktop::findChild(WindowHandle parentWindow, WindowHandle after, std::string_view className,
                                std::optional<std::string_view> caption) const
{
    const std::vector<WindowHandle>* list = &m_topLevel;
    if (parentWindow) {
        const WindowRecord* p = record(parentWindow);
        if (!p)
            return {};
        list = &p->children;
    }
    auto it = list->begin();
    if (after) {
        it = std::find(list->begin(), list->end(), after);
        if (it == list->end())
            return {};
        ++it;
    }
    for (; it != list->end(); ++it) {
        const WindowRecord* r = record(*it);
        if (!r)
            continue;
        if (!className.empty() && !sameClassName(r->windowClass->name, className))
            continue;
        if (caption && r->caption != *caption)
            continue;
        return r->handle;
    }
    return {};
}

WindowHandle Desktop::childById(WindowHandle parentWindow, int32_t id) const
{
    const WindowRecord* p = record(parentWindow);
    if (!p)
        return {};
    for (WindowHandle c : p->children)
        if (const WindowRecord* r = record(c); r && r->id == id)
            return c;
    return {};
}

std::string Desktop::className(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->windowClass->name : std::string();
}

std::string Desktop::text(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->caption : std::string();
}

void Desktop::setText(WindowHandle window, const std::string& newText)
{
    send(window, msg::SetText, 0, int64_t(reinterpret_cast<intptr_t>(&newText)));
}

int32_t Desktop::controlId(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->id : 0;
}

void Desktop::setControlId(WindowHandle window, int32_t id)
{
    if (WindowRecord* r = record(window))
        r->id = id;
}

uint32_t Desktop::style(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->style : 0;
}

uint32_t Desktop::exStyle(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->exStyle : 0;
}

void Desktop::setStyle(WindowHandle window, uint32_t newStyle)
{
    WindowRecord* r = record(window);
    if (!r)
        return;
    // Visibility, enabling and the child bit change only through their own calls.
    constexpr uint32_t kept = windowStyle::Visible | windowStyle::Disabled | windowStyle::Child | windowStyle::Popup;
    r->style = (r->style & kept) | (newStyle & ~kept);
    invalidate(window);
}

void Desktop::setExStyle(WindowHandle window, uint32_t newExStyle)
{
    if (WindowRecord* r = record(window)) {
        r->exStyle = newExStyle;
        invalidate(window);
    }
}

bool Desktop::isVisible(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    if (!r)
        return false;
    for (; r; r = r->isChild() ? record(r->parent) : nullptr)
        if (!(r->style & windowStyle::Visible))
            return false;
    return true;
}

bool Desktop::isEnabled(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r && !(r->style & windowStyle::Disabled);
}

void Desktop::show(WindowHandle window, bool visible)
{
    WindowRecord* r = record(window);
    if (!r || ((r->style & windowStyle::Visible) != 0) == visible)
        return;
    if (!visible)
        invalidateScreen(visibleScreenRect(*r));
    r->style = visible ? r->style | windowStyle::Visible : r->style & ~windowStyle::Visible;
    send(window, msg::Show, visible ? 1 : 0);
    r = record(window);
    if (!r)
        return;
    if (visible) {
        invalidate(window);
        return;
    }
    if (m_focus && isAncestor(window, m_focus))
        setFocus(r->isChild() ? topLevelOf(window) : WindowHandle{});
    if (m_capture && isAncestor(window, m_capture))
        releaseCapture();
    if (m_active == window) {
        m_active = {};
        send(window, msg::Activate, 0);
        if (isWindow(r->owner) && isVisible(r->owner))
            setActiveWindow(r->owner);
    }
}

void Desktop::enable(WindowHandle window, bool enabled)
{
    WindowRecord* r = record(window);
    if (!r || ((r->style & windowStyle::Disabled) == 0) == enabled)
        return;
    r->style = enabled ? r->style & ~windowStyle::Disabled : r->style | windowStyle::Disabled;
    if (!enabled && m_focus && isAncestor(window, m_focus) && r->isChild())
        setFocus({});
    if (!enabled && m_capture && isAncestor(window, m_capture))
        releaseCapture();
    send(window, msg::Enable, enabled ? 1 : 0);
    invalidate(window);
}

void Desktop::setUserData(WindowHandle window, int64_t data)
{
    if (WindowRecord* r = record(window))
        r->userData = data;
}

int64_t Desktop::userData(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->userData : 0;
}

void Desktop::setExtra(WindowHandle window, std::unique_ptr<WindowExtra> extra)
{
    if (WindowRecord* r = record(window)) {
        // The old state may be in use by a procedure that is running: keep it until the end.
        if (r->extra && m_sendDepth > 0) {
            auto holder = std::make_unique<WindowRecord>();
            holder->destroyed = true;
            holder->extra = std::move(r->extra);
            m_graveyard.push_back(std::move(holder));
        }
        r->extra = std::move(extra);
    }
}

WindowExtra* Desktop::extraOf(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? r->extra.get() : nullptr;
}

std::shared_ptr<const Font> Desktop::font(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r && r->font ? r->font : m_defaultFont;
}

void Desktop::setFont(WindowHandle window, std::shared_ptr<const Font> newFont)
{
    WindowRecord* r = record(window);
    if (!r)
        return;
    r->font = std::move(newFont);
    send(window, msg::SetFont, 0, int64_t(reinterpret_cast<intptr_t>(r->font.get())));
    invalidate(window);
}

WindowProc Desktop::procedure(WindowHandle window) const
{
    const WindowRecord* r = record(window);
    return r ? *r->procedure : WindowProc{};
}

WindowProc Desktop::subclass(WindowHandle window, WindowProc newProcedure)
{
    WindowRecord* r = record(window);
    if (!r || !newProcedure)
        return {};
    WindowProc previous = *r->procedure;
    r->procedure = std::make_shared<const WindowProc>(std::move(newProcedure));
    return previous;
}

int64_t Desktop::send(WindowHandle window, const Message& message)
{
    WindowRecord* r = record(window);
    if (!r)
        return 0;
    // Holds the procedure for the call even when the window replaces or loses it meanwhile.
    std::shared_ptr<const WindowProc> proc = r->procedure;
    return callProcedure(*proc, window, message);
}

int64_t Desktop::callProcedure(const WindowProc& proc, WindowHandle window, const Message& message)
{
    if (!isWindow(window) && message.id != msg::Destroy)
        return 0;
    ++m_sendDepth;
    const int64_t result = proc ? proc(*this, window, message) : defaultProcedure(window, message);
    --m_sendDepth;
    collectGarbage();
    return result;
}

int64_t Desktop::defaultProcedure(WindowHandle window, const Message& m)
{
    WindowRecord* r = record(window);
    if (!r)
        return 0;
    switch (m.id) {
    case msg::Close:
        destroyWindow(window);
        return 0;
    case msg::SetText:
        if (const auto* s = reinterpret_cast<const std::string*>(intptr_t(m.lParam))) {
            r->caption = *s;
            invalidate(window);
        }
        return 1;
    case msg::EraseBackground:
        if (r->windowClass->background) {
            auto* pc = reinterpret_cast<PaintContext*>(intptr_t(m.lParam));
            pc->painter.fillRect(clientRect(window), *r->windowClass->background);
            return 1;
        }
        return 0;
    case msg::NcPaint:
        paintFrame(window, *reinterpret_cast<PaintContext*>(intptr_t(m.lParam)));
        return 0;
    case msg::SetCursor: {
        // The parent may choose for its children; else the class's cursor.
        if (r->isChild() && r->parent) {
            const Point screenPoint = clientToScreen(window, unpackPoint(m.lParam));
            if (send(r->parent, msg::SetCursor, m.wParam, packPoint(screenToClient(r->parent, screenPoint))))
                return 1;
        }
        if (const WindowRecord* again = record(window))
            setCursor(again->windowClass->cursor);
        return 0;
    }
    case msg::MouseWheel:
        if (r->isChild())
            return send(r->parent, m);
        return 0;
    case msg::Activate:
        if (m.wParam && (!m_focus || topLevelOf(m_focus) != window))
            setFocus(window);
        return 0;
    default:
        return 0;
    }
}

bool Desktop::post(WindowHandle window, const Message& message)
{
    if (window && !isWindow(window))
        return false;
    m_posted.push_back({window, message});
    return true;
}

} // namespace platform
