#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowExtra.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

class Painter;

// Class bits of "Edit" windows.
namespace editStyle {
inline constexpr uint32_t MultiLine = 0x0004;
inline constexpr uint32_t Password = 0x0020;  // shows '*' for every character
inline constexpr uint32_t AutoVScroll = 0x0040;
inline constexpr uint32_t AutoHScroll = 0x0080; // without it a single line takes no more than fits
inline constexpr uint32_t ReadOnly = 0x0800;
inline constexpr uint32_t WantReturn = 0x1000;  // Enter makes a new line even in a dialog
inline constexpr uint32_t Number = 0x2000;      // digits only
} // namespace editStyle

// A single- or multi-line text field: caret, selection with mouse and keyboard, scrolling that
// keeps the caret in view, and cut, copy and paste through the desktop's clipboard. The text
// is the window's text; lines of a multi-line edit end in CR LF. Every change of the text
// tells the parent with notification::Changed.
class EditControl : public WindowExtra {
public:
    static constexpr const char* className = "Edit";
    static constexpr size_t defaultLimit = 30000;
    static Status registerClass(Desktop& desktop);
    static EditControl* of(Desktop& desktop, WindowHandle window) { return desktop.extra<EditControl>(window); }

    EditControl(Desktop& desktop, WindowHandle window);
    int64_t handle(const Message& m);

    const std::string& text() const { return m_text; }
    // Start and end of the selection in text order; equal when nothing is selected.
    std::pair<size_t, size_t> selection() const;
    size_t caret() const { return m_caret; }
    // The anchor stays at `anchor` and the caret goes to `caretPos`; npos means the end.
    void setSelection(size_t anchor, size_t caretPos);
    void selectAll() { setSelection(0, std::string::npos); }
    // Replaces the selection (inserts at the caret when there is none); false when refused
    // (read-only, the limit, or a single line without horizontal scrolling that is full).
    bool replaceSelection(const std::string& replacement);
    void setLimit(size_t limit) { m_limit = limit == 0 ? defaultLimit : limit; }
    size_t limit() const { return m_limit; }
    void setReadOnly(bool readOnly);
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    void cut();
    void copy() const;
    void paste();

    size_t lineCount() const { return lines().size(); }
    std::string lineText(size_t line) const;
    size_t lineOfPosition(size_t position) const;
    size_t firstVisibleLine() const { return m_firstLine; }
    int32_t horizontalScroll() const { return m_scrollX; }

private:
    struct Line {
        size_t start;
        size_t end; // before the line break
    };
    bool isMultiLine() const;
    uint32_t bits() const;
    std::vector<Line> lines() const;
    std::string shown(size_t from, size_t to) const; // as drawn: '*' for a password
    int32_t widthOf(size_t from, size_t to) const;
    int32_t lineHeight() const;
    Rect textArea() const;
    size_t positionFromPoint(Point client) const;
    Point pointOfPosition(size_t position) const; // the caret's top in client coordinates
    size_t previousPosition(size_t p) const;
    size_t nextPosition(size_t p) const;
    void moveCaret(size_t position, bool extend);
    void keyDown(uint32_t code);
    void typeChar(char c);
    void storeText(std::string newText, size_t caretPos);
    void ensureCaretVisible();
    void paint(Painter& painter);
    void selectWordAt(size_t position);

    Desktop& m_desktop;
    WindowHandle m_window;
    std::string m_text;
    size_t m_caret = 0;
    size_t m_anchor = 0;
    int32_t m_scrollX = 0;
    size_t m_firstLine = 0;
    int32_t m_preferredX = -1; // the column kept while moving up and down
    size_t m_limit = defaultLimit;
    bool m_focused = false;
    bool m_dragging = false;
    bool m_modified = false;
};

} // namespace platform
