#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowExtra.h"

#include <cstdint>
#include <string>

namespace platform {

class ListBox;
class Painter;

// Class bits of "ComboBox" windows.
namespace comboBoxStyle {
inline constexpr uint32_t Simple = 0x1;       // an edit field over a list that is always shown
inline constexpr uint32_t DropDown = 0x2;     // an edit field and a list that drops down
inline constexpr uint32_t DropDownList = 0x3; // a selection field and a list that drops down
inline constexpr uint32_t KindMask = 0x3;
inline constexpr uint32_t OwnerDrawFixed = 0x0010;
inline constexpr uint32_t OwnerDrawVariable = 0x0020;
inline constexpr uint32_t AutoHScroll = 0x0040;
inline constexpr uint32_t Sort = 0x0100;
inline constexpr uint32_t HasStrings = 0x0200;
} // namespace comboBoxStyle

// A selection field (or edit field) with a list. The window's height is the field's; the
// height it was created with is how far the list drops down. Selection changes tell the
// parent with notification::SelectionChanged; the list opening and closing with
// DroppedDown and ClosedUp, and closing on a choice or without one with SelectionAccepted or
// SelectionCancelled. Owner-drawn combo boxes pass msg::DrawItem and msg::MeasureItem on to
// their parent under their own id.
class ComboBox : public WindowExtra {
public:
    static constexpr const char* className = "ComboBox";
    static constexpr int32_t editId = 1001;
    static constexpr int32_t listId = 1000;
    static Status registerClass(Desktop& desktop);
    static ComboBox* of(Desktop& desktop, WindowHandle window) { return desktop.extra<ComboBox>(window); }

    ComboBox(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    int addString(const std::string& text, int64_t data = 0);
    int insertString(int index, const std::string& text, int64_t data = 0);
    bool deleteString(int index);
    void clear();
    int count() const;
    std::string itemText(int index) const;
    int64_t itemData(int index) const;
    bool setItemData(int index, int64_t data);
    int findString(const std::string& prefix, int after = -1) const;
    int findStringExact(const std::string& text, int after = -1) const;

    int selection() const { return m_selection; }
    // Does not tell the parent. The edit field of an editable combo shows the item's text.
    void setSelection(int index);
    // The text of the field: the edit's text, or the selected item's.
    std::string fieldText() const;
    void setFieldText(const std::string& text);

    void showDropDown(bool show);
    bool isDroppedDown() const { return m_dropped; }
    uint32_t kind() const;
    int32_t fieldHeight() const;
    WindowHandle listWindow() const { return m_list; }
    WindowHandle editWindow() const { return m_edit; }
    // The list's area on the screen while it is dropped down.
    Rect dropDownRect() const;

private:
    ListBox* list() const;
    void create();
    void closeUp(bool accept);
    void commit(int index, bool notifyParent);
    void paintField(Painter& painter);
    Rect buttonRect() const;
    bool keyDown(uint32_t code);
    int64_t relayOwnerDraw(const Message& m);
    void notify(uint32_t code);

    Desktop& m_desktop;
    WindowHandle m_window;
    WindowHandle m_list;
    WindowHandle m_edit;
    int m_selection = -1;
    int32_t m_droppedHeight = 100;
    bool m_dropped = false;
    bool m_openingPress = false; // the press that opened the list is still held
    bool m_buttonDown = false;
    bool m_focused = false;
};

} // namespace platform
