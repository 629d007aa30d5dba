#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowExtra.h"

#include <cstdint>

namespace platform {

// Class bits of "Button" windows: the kind in the low four bits, then options.
namespace buttonStyle {
inline constexpr uint32_t Push = 0x0;
inline constexpr uint32_t DefaultPush = 0x1;  // the button Enter presses in a dialog
inline constexpr uint32_t CheckBox = 0x2;
inline constexpr uint32_t AutoCheckBox = 0x3; // toggles itself when clicked
inline constexpr uint32_t Radio = 0x4;
inline constexpr uint32_t ThreeState = 0x5;
inline constexpr uint32_t AutoThreeState = 0x6;
inline constexpr uint32_t GroupBox = 0x7;
inline constexpr uint32_t AutoRadio = 0x9;    // checks itself and clears the other radios of its group
inline constexpr uint32_t KindMask = 0xF;
inline constexpr uint32_t LeftText = 0x20;    // the box right of the text
} // namespace buttonStyle

// Push buttons, check boxes, radio buttons and group boxes in the classic grey look. A click
// (mouse release inside, or Space) tells the parent with notification::Clicked.
class Button : public WindowExtra {
public:
    static constexpr const char* className = "Button";
    static Status registerClass(Desktop& desktop);
    static Button* of(Desktop& desktop, WindowHandle window) { return desktop.extra<Button>(window); }

    Button(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    uint32_t kind() const;
    // 0 clear, 1 checked, 2 indeterminate (three-state boxes).
    int checkState() const { return m_check; }
    void setCheckState(int state);
    bool isPushed() const { return m_pushed; }
    // Shown as the default button (a dialog moves this mark as the focus moves).
    void setDefault(bool isDefault);
    bool isDefault() const;
    // Does what a click does: auto boxes and radios change, the parent hears of it.
    void click();

private:
    bool isRadio() const;
    bool isCheck() const;
    void paint(class Painter& painter);
    void setPushed(bool pushed);
    void clearGroupRadios();

    Desktop& m_desktop;
    WindowHandle m_window;
    int m_check = 0;
    bool m_pushed = false;
    bool m_tracking = false;
    bool m_spaceDown = false;
    bool m_focused = false;
};

} // namespace platform
