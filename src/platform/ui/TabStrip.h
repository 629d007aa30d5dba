#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowExtra.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class Painter;

// A row of tabs along the top; choosing one (click, or Left and Right with the focus) tells
// the parent with notification::SelectionChanged. The pages themselves are the parent's.
class TabStrip : public WindowExtra {
public:
    static constexpr const char* className = "TabStrip";
    static constexpr int32_t tabHeight = 20;
    static Status registerClass(Desktop& desktop);
    static TabStrip* of(Desktop& desktop, WindowHandle window) { return desktop.extra<TabStrip>(window); }

    TabStrip(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    int insertTab(int index, const std::string& text, int64_t data = 0); // -1 appends
    bool removeTab(int index);
    int count() const { return int(m_tabs.size()); }
    std::string text(int index) const;
    int64_t data(int index) const;
    int selection() const { return m_selection; }
    void setSelection(int index); // does not tell the parent
    Rect tabRect(int index) const;
    int tabFromPoint(Point client) const;
    // The area under the tabs where a page goes, in client coordinates.
    Rect pageRect() const;

private:
    struct Tab {
        std::string text;
        int64_t data = 0;
    };
    void choose(int index);
    void paint(Painter& painter);

    Desktop& m_desktop;
    WindowHandle m_window;
    std::vector<Tab> m_tabs;
    int m_selection = -1;
    bool m_focused = false;
};

} // namespace platform
