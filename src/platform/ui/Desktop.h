#pragma once

#include "platform/base/Geometry.h"
#include "platform/base/Result.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/SystemColors.h"
#include "platform/gfx/SystemMetrics.h"
#include "platform/ui/CursorShape.h"
#include "platform/ui/Message.h"
#include "platform/ui/MessageData.h"
#include "platform/ui/MouseButton.h"
#include "platform/ui/WindowClass.h"
#include "platform/ui/WindowExtra.h"
#include "platform/ui/WindowHandle.h"
#include "platform/ui/WindowProc.h"
#include "platform/ui/WindowStyle.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

class Font;
class Menu;
class Painter;

// The window kernel: every window of the process, the screen they are drawn on, the message
// queue and loop, and the input state (capture, focus, active window, cursor, timers).
//
// The screen is a Bitmap. Windows are drawn into it back to front, each clipped to its own
// rectangle and its ancestors' client areas; a window never keeps pixels of its own, so any
// invalid area is redrawn from the windows that cover it. Headless, input comes from the
// inject functions and time from a virtual clock that only moves when told to; a display
// backend feeds the same functions.
class Desktop {
public:
    // Decides whether a message taken from the queue is handled before it is dispatched
    // (a dialog's keyboard navigation, a menu's keys); true when it was.
    using MessageFilter = std::function<bool(WindowHandle target, const Message&)>;
    // Runs when a loop has nothing to do. False: no more input will come.
    using IdleHandler = std::function<bool(Desktop&)>;

    static constexpr Size defaultScreenSize{1024, 768};
    static constexpr uint64_t doubleClickTime = 500; // milliseconds

    static Result<std::unique_ptr<Desktop>> create(Size screenSize = defaultScreenSize);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Classes. A name registered twice is refused.
    Status registerClass(WindowClass windowClass);
    const WindowClass* findClass(std::string_view name) const;

    // Windows. Creation sends msg::Create (a -1 answer refuses it), then msg::Size and
    // msg::Move; a visible window is then shown. Destruction sends msg::Destroy to the window
    // and then to its descendants and owned windows.
    Result<WindowHandle> createWindow(const CreateParams& params);
    void destroyWindow(WindowHandle window);
    bool isWindow(WindowHandle window) const;

    // The tree. Lists run from the bottom of the z-order to the top: children in the order they
    // were created (later ones cover earlier ones), top-level windows with the top-most ones last.
    WindowHandle parent(WindowHandle window) const;
    WindowHandle owner(WindowHandle window) const;
    WindowHandle topLevelOf(WindowHandle window) const;
    std::vector<WindowHandle> children(WindowHandle window) const;
    const std::vector<WindowHandle>& topLevelWindows() const { return m_topLevel; }
    bool isAncestor(WindowHandle ancestor, WindowHandle window) const; // or the same window
    void bringToTop(WindowHandle window);
    Status setParent(WindowHandle window, WindowHandle newParent);
    // Lookup: class names compare without regard to case, captions exactly; an empty class
    // name or no caption matches any.
    WindowHandle findWindow(std::string_view className, std::optional<std::string_view> caption = {}) const;
    WindowHandle findChild(WindowHandle parent, WindowHandle after, std::string_view className,
                           std::optional<std::string_view> caption = {}) const;
    WindowHandle childById(WindowHandle parent, int32_t id) const;

    // Attributes.
    std::string className(WindowHandle window) const;
    std::string text(WindowHandle window) const;
    void setText(WindowHandle window, const std::string& text); // through msg::SetText
    int32_t controlId(WindowHandle window) const;
    void setControlId(WindowHandle window, int32_t id);
    uint32_t style(WindowHandle window) const;
    uint32_t exStyle(WindowHandle window) const;
    void setStyle(WindowHandle window, uint32_t style);
    void setExStyle(WindowHandle window, uint32_t exStyle);
    bool isVisible(WindowHandle window) const; // itself and every ancestor
    bool isEnabled(WindowHandle window) const;
    void show(WindowHandle window, bool visible);
    void enable(WindowHandle window, bool enabled);
    void setUserData(WindowHandle window, int64_t data);
    int64_t userData(WindowHandle window) const;
    void setExtra(WindowHandle window, std::unique_ptr<WindowExtra> extra);
    WindowExtra* extraOf(WindowHandle window) const;
    template <typename T>
    T* extra(WindowHandle window) const { return dynamic_cast<T*>(extraOf(window)); }
    // The window's font (the default font when it has none of its own).
    std::shared_ptr<const Font> font(WindowHandle window) const;
    void setFont(WindowHandle window, std::shared_ptr<const Font> font);

    // Geometry. windowRect is on the screen; rectInParent in the parent's client coordinates
    // (the screen for a top-level window); clientRect starts at (0, 0).
    Rect windowRect(WindowHandle window) const;
    Rect rectInParent(WindowHandle window) const;
    Rect clientRect(WindowHandle window) const;
    Rect clientRectOnScreen(WindowHandle window) const;
    // The client area inside the window rectangle (the frame, caption and menu bar outside it).
    Rect clientArea(WindowHandle window) const;
    void moveWindow(WindowHandle window, const Rect& rectInParent);
    Point clientToScreen(WindowHandle window, Point p) const;
    Point screenToClient(WindowHandle window, Point p) const;
    Rect clientToScreen(WindowHandle window, const Rect& r) const;
    Rect screenToClient(WindowHandle window, const Rect& r) const;
    // The deepest visible window at a screen point (transparent windows let it through).
    WindowHandle windowFromPoint(Point screen) const;
    // The visible child at a client point, or the window itself.
    WindowHandle childFromPoint(WindowHandle window, Point client) const;

    // Procedures.
    WindowProc procedure(WindowHandle window) const;
    // Installs a new procedure and returns the previous one, for the new one to chain to.
    WindowProc subclass(WindowHandle window, WindowProc procedure);
    int64_t send(WindowHandle window, const Message& message);
    int64_t send(WindowHandle window, uint32_t id, uint64_t wParam = 0, int64_t lParam = 0)
    {
        return send(window, Message{id, wParam, lParam});
    }
    int64_t callProcedure(const WindowProc& procedure, WindowHandle window, const Message& message);
    // What a window does with a message its procedure leaves alone.
    int64_t defaultProcedure(WindowHandle window, const Message& message);
    // Posting to no window gives a message that only the loop sees (msg::Quit).
    bool post(WindowHandle window, const Message& message);
    bool post(WindowHandle window, uint32_t id, uint64_t wParam = 0, int64_t lParam = 0)
    {
        return post(window, Message{id, wParam, lParam});
    }
    void postQuit(int64_t code) { post(WindowHandle{}, msg::Quit, uint64_t(code)); }

    // The loop. pumpOne dispatches one posted message, input event or due timer, in that
    // order, and says whether it found one; pumpAll runs until none is left and repaints.
    bool pumpOne(const MessageFilter& filter = {});
    void pumpAll();
    // The main loop: until msg::Quit (its code) or until the idle handler has no more input.
    int64_t run();
    // A nested loop that runs until `done` holds. False when it had to stop before: msg::Quit
    // came (it is posted again for the outer loop) or no more input will come.
    bool runModal(const std::function<bool()>& done, const MessageFilter& filter = {});
    int modalDepth() const { return m_modalDepth; }
    void setIdleHandler(IdleHandler handler) { m_idle = std::move(handler); }
    size_t pendingMessageCount() const { return m_posted.size() + m_input.size(); }

    // Input state.
    void setCapture(WindowHandle window);
    void releaseCapture();
    WindowHandle capture() const { return m_capture; }
    void setFocus(WindowHandle window);
    WindowHandle focus() const { return m_focus; }
    void setActiveWindow(WindowHandle window);
    WindowHandle activeWindow() const { return m_active; }
    // The owned window that was active last, when it is still there; else the window itself.
    WindowHandle lastActivePopup(WindowHandle window) const;
    Point cursorPosition() const { return m_cursorPos; }
    bool isButtonDown(MouseButton button) const;

    // The cursor. While busy the wait cursor shows whatever the windows ask for.
    void setCursor(CursorShape shape) { m_cursor = shape; }
    CursorShape cursor() const { return m_busy ? CursorShape::Wait : m_cursor; }
    void setBusy(bool busy) { m_busy = busy; }

    // Timers on the desktop's clock (milliseconds). advanceClock moves the clock forward;
    // timers that fall due on the way fire in time order, each at its own moment. Outside a
    // loop the messages are dispatched at once; inside one the loop dispatches them.
    void setTimer(WindowHandle window, uint32_t id, uint32_t intervalMs);
    bool killTimer(WindowHandle window, uint32_t id);
    uint64_t now() const { return m_now; }
    void advanceClock(uint64_t ms);

    // Painting. Invalid areas are repainted when the queue runs dry or on update().
    void invalidate(WindowHandle window); // the whole window with its frame
    void invalidate(WindowHandle window, const Rect& clientArea);
    void invalidateScreen(const Rect& screenArea);
    void update();
    bool hasInvalidArea() const { return !m_dirty.empty(); }
    // A painter for drawing on the screen at once, outside a paint: origin at the client area's
    // top left, clipped to the visible client area. What it draws stays until the next repaint
    // of that area.
    std::unique_ptr<Painter> directPainter(WindowHandle window);
    Bitmap& screen() { return m_screen; }
    const Bitmap& screen() const { return m_screen; }
    // A picture of one window (with its frame and children), painted on its own.
    Bitmap snapshot(WindowHandle window);
    // PNG of a window, or of the whole screen when no window is given.
    Result<std::vector<uint8_t>> screenshotPng(WindowHandle window = {});

    // Input injection, in screen coordinates. Events queue up and are taken by the loop.
    void injectMouseMove(Point screen);
    void injectMouseDown(Point screen, MouseButton button = MouseButton::Left);
    void injectMouseUp(Point screen, MouseButton button = MouseButton::Left);
    void injectClick(Point screen, MouseButton button = MouseButton::Left);
    void injectDoubleClick(Point screen, MouseButton button = MouseButton::Left);
    void injectWheel(Point screen, int32_t notches);
    void injectKeyDown(uint32_t keyCode);
    void injectKeyUp(uint32_t keyCode);
    void injectChar(char c);
    // A key press and release, with the character it types (Enter, Tab, Escape, Backspace).
    void injectKey(uint32_t keyCode);
    // Presses and releases a modifier key around a key press.
    void injectKeyWith(uint32_t modifierKey, uint32_t keyCode);
    void typeText(std::string_view text);
    uint64_t modifierState() const; // mouseKey bits of the modifier keys held

    // Shared resources.
    FontLibrary& fonts() { return m_fonts; }
    std::shared_ptr<const Font> defaultFont() const { return m_defaultFont; }
    std::shared_ptr<const Font> boldFont() const { return m_boldFont; }
    const SystemColors& colors() const { return m_colors; }
    void setColors(const SystemColors& colors);
    const SystemMetrics& metrics() const { return m_metrics; }
    int32_t metric(SystemMetric m) const { return m_metrics.value(m); }
    const std::string& clipboardText() const { return m_clipboard; }
    void setClipboardText(std::string text) { m_clipboard = std::move(text); }

    // A window's menu bar (drawn in its frame, tracked by the kernel on a press).
    void setMenuBar(WindowHandle window, std::shared_ptr<Menu> menu);
    std::shared_ptr<Menu> menuBar(WindowHandle window) const;
    Rect menuBarRect(WindowHandle window) const; // in window coordinates; empty without a bar
    // The bar title shown pressed while its menu is open; -1 for none.
    void setMenuBarHighlight(WindowHandle window, int index);

private:
    struct WindowRecord;
    struct InputEvent {
        enum class Kind { MouseMove, MouseDown, MouseUp, Wheel, KeyDown, KeyUp, Char } kind;
        Point point;
        MouseButton button = MouseButton::Left;
        int32_t value = 0; // key code, character or wheel notches
    };
    struct TimerEntry {
        WindowHandle window;
        uint32_t id = 0;
        uint32_t interval = 0;
        uint64_t due = 0;
    };
    struct PostedMessage {
        WindowHandle window;
        Message message;
    };

    Desktop(Size screenSize, FontLibrary fonts);
    WindowRecord* record(WindowHandle window) const;
    std::vector<WindowHandle>& siblingList(WindowRecord& r);
    void placeInZOrder(WindowRecord& r);
    void destroyTree(WindowHandle window);
    void collectGarbage();
    void forgetInputState(WindowHandle window);
    Rect visibleScreenRect(const WindowRecord& r) const; // window rect cut by ancestors' clients
    Rect clientAreaOf(const WindowRecord& r) const;
    Point clientOrigin(const WindowRecord& r) const;     // on the screen

    // Painting (DesktopPaint.cpp).
    void paintArea(Bitmap& target, Point offset, const Rect& area);
    void paintWindow(Painter& painter, const WindowRecord& r, Point windowOrigin, const Rect& clip);
    void paintFrame(WindowHandle window, PaintContext& context);
    void paintMenuBar(WindowHandle window, Painter& painter, const Rect& bar);

    // Input (DesktopInput.cpp).
    bool takeInput(const MessageFilter& filter);
    void dispatchMouse(const InputEvent& e, const MessageFilter& filter);
    void dispatchKey(const InputEvent& e, const MessageFilter& filter);
    bool handleFramePress(WindowHandle window, Point screen);
    bool dragByCaption(WindowHandle window, Point start);
    bool deliver(WindowHandle target, const Message& m, const MessageFilter& filter);
    bool fireDueTimer(const MessageFilter& filter);
    bool runIdle();

    Bitmap m_screen;
    FontLibrary m_fonts;
    std::shared_ptr<const Font> m_defaultFont;
    std::shared_ptr<const Font> m_boldFont;
    SystemColors m_colors;
    SystemMetrics m_metrics;
    std::map<std::string, std::unique_ptr<WindowClass>> m_classes; // by lower-case name
    std::unordered_map<uint32_t, std::unique_ptr<WindowRecord>> m_windows;
    std::vector<std::unique_ptr<WindowRecord>> m_graveyard;
    std::vector<WindowHandle> m_topLevel;
    uint32_t m_nextHandle = 1;
    int m_sendDepth = 0;

    std::deque<PostedMessage> m_posted;
    std::deque<InputEvent> m_input;
    std::vector<TimerEntry> m_timers;
    uint64_t m_now = 0;
    uint64_t m_clockTarget = 0;
    int m_loopDepth = 0;
    int m_modalDepth = 0;
    IdleHandler m_idle;
    std::optional<int64_t> m_quit; // a quit request taken from the queue, for the main loop

    WindowHandle m_capture;
    WindowHandle m_focus;
    WindowHandle m_active;
    Point m_cursorPos;
    uint32_t m_buttons = 0;   // bit per MouseButton
    uint64_t m_modifiers = 0; // mouseKey bits
    CursorShape m_cursor = CursorShape::Arrow;
    bool m_busy = false;
    // The last press, for telling a double-click.
    WindowHandle m_lastPressWindow;
    MouseButton m_lastPressButton = MouseButton::Left;
    Point m_lastPressPoint;
    uint64_t m_lastPressTime = 0;
    bool m_lastPressValid = false;

    std::vector<Rect> m_dirty; // on the screen
    std::string m_clipboard;
};

} // namespace platform
