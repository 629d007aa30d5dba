#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowExtra.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class Painter;

// Class bits of "ListBox" windows.
namespace listBoxStyle {
inline constexpr uint32_t Notify = 0x0001;            // selection changes and double-clicks tell the parent
inline constexpr uint32_t Sort = 0x0002;              // added strings go in alphabetical order
inline constexpr uint32_t OwnerDrawFixed = 0x0010;    // the parent draws items of one height
inline constexpr uint32_t OwnerDrawVariable = 0x0020; // the parent draws and measures each item
inline constexpr uint32_t HasStrings = 0x0040;        // owner-drawn items still keep their text
inline constexpr uint32_t NoIntegralHeight = 0x0100;
} // namespace listBoxStyle

// A list of items with one selection, scrolled with a scroll bar drawn inside it when the
// items do not fit. Owner-drawn lists ask their parent (or the window named by
// setOwnerWindow) with msg::MeasureItem and msg::DrawItem.
class ListBox : public WindowExtra {
public:
    static constexpr const char* className = "ListBox";
    static constexpr int npos = -1;
    static Status registerClass(Desktop& desktop);
    static ListBox* of(Desktop& desktop, WindowHandle window) { return desktop.extra<ListBox>(window); }

    ListBox(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    // Items. addString puts the item at the end, or in its sorted place; both return its index.
    int addString(const std::string& text, int64_t data = 0);
    int insertString(int index, const std::string& text, int64_t data = 0); // -1 appends
    bool deleteString(int index);
    void clear();
    int count() const { return int(m_items.size()); }
    std::string text(int index) const;
    int64_t itemData(int index) const;
    bool setItemData(int index, int64_t data);
    // The first item from `after` + 1 on (wrapping) whose text starts with the prefix, or
    // equals it; without regard to case. -1 when none.
    int findString(const std::string& prefix, int after = -1) const;
    int findStringExact(const std::string& text, int after = -1) const;

    // The selection: -1 for none. setSelection does not tell the parent.
    int selection() const { return m_selection; }
    void setSelection(int index);
    int topIndex() const { return m_top; }
    void setTopIndex(int index);
    int itemHeight(int index = 0) const;
    void setItemHeight(int index, int height);
    // In client coordinates; empty for an item scrolled out of view.
    Rect itemRect(int index) const;
    int itemFromPoint(Point client) const;
    // Where notifications and owner-draw requests go instead of the parent.
    void setOwnerWindow(WindowHandle owner) { m_owner = owner; }
    // The combo box's list highlights under the mouse without a click.
    void setTrackHover(bool track) { m_trackHover = track; }
    int visibleCount() const;
    bool hasScrollBar() const;

    // Moves the selection by keyboard: the parent hears when it changes.
    void selectByKey(uint32_t keyCode);
    void selectByChar(char c);
    void notifyOwner(uint32_t code);

private:
    struct Item {
        std::string text;
        int64_t data = 0;
        int32_t height = 0;
    };
    uint32_t bits() const;
    bool isOwnerDrawn() const;
    WindowHandle drawTarget() const;
    int defaultHeight() const;
    void measure(int index);
    Rect listArea() const;
    void ensureVisible(int index);
    void paint(Painter& painter);
    void paintScrollBar(Painter& painter, const Rect& bar);
    bool scrollBarPress(Point client);
    void selectAndNotify(int index);

    Desktop& m_desktop;
    WindowHandle m_window;
    WindowHandle m_owner;
    std::vector<Item> m_items;
    int m_selection = -1;
    int m_top = 0;
    int m_fixedHeight = 0; // measured once for fixed owner-drawn lists; 0 until then
    bool m_focused = false;
    bool m_dragging = false;
    bool m_trackHover = false;
};

} // namespace platform
