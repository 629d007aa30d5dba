#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowExtra.h"

#include <cstdint>

namespace platform {

class Painter;

namespace scrollBarStyle {
inline constexpr uint32_t Horizontal = 0x0;
inline constexpr uint32_t Vertical = 0x1;
} // namespace scrollBarStyle

// A scroll bar control. It reports what the user does to its parent with msg::HScroll or
// msg::VScroll (a scrollCode, and for thumb drags the position, in wParam; the bar's handle in
// lParam) and moves only when the parent sets a new position. Held arrows and track presses
// repeat on a timer.
class ScrollBar : public WindowExtra {
public:
    static constexpr const char* className = "ScrollBar";
    static constexpr uint32_t repeatTimer = 1;
    static constexpr uint32_t firstRepeatDelay = 400;
    static constexpr uint32_t repeatInterval = 50;
    static Status registerClass(Desktop& desktop);
    static ScrollBar* of(Desktop& desktop, WindowHandle window) { return desktop.extra<ScrollBar>(window); }

    ScrollBar(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    // A range whose end is before its start is taken as empty (start to start).
    void setRange(int32_t low, int32_t high);
    int32_t low() const { return m_low; }
    int32_t high() const { return m_high; }
    // 0 for a thumb of fixed size; otherwise the thumb shows the page's share of the range.
    void setPage(uint32_t page);
    uint32_t page() const { return m_page; }
    // Kept between low and the last position a page allows.
    void setPosition(int32_t position);
    int32_t position() const { return m_position; }
    int32_t maxPosition() const;
    bool isVertical() const;

    // Parts in client coordinates.
    Rect firstArrow() const;
    Rect secondArrow() const;
    Rect thumb() const;

private:
    enum class Part { None, FirstArrow, SecondArrow, PageBefore, PageAfter, Thumb };
    Part partAt(Point p) const;
    int32_t length() const;    // along the bar
    int32_t thickness() const; // across it
    int32_t arrowLength() const;
    void report(uint32_t code, int32_t position = 0);
    void act(Part part);
    int32_t positionForThumbAt(int32_t offset) const;
    void paint(Painter& painter);

    Desktop& m_desktop;
    WindowHandle m_window;
    int32_t m_low = 0;
    int32_t m_high = 100;
    uint32_t m_page = 0;
    int32_t m_position = 0;
    Part m_pressed = Part::None;
    bool m_pressedInside = false;
    int32_t m_grabOffset = 0;  // from the thumb's start to the press
    int32_t m_trackPosition = 0;
    Point m_lastMouse;
};

} // namespace platform
