#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowExtra.h"

#include <cstdint>
#include <optional>

namespace platform {

// Class bits of "Static" windows.
namespace staticStyle {
inline constexpr uint32_t Left = 0x0;
inline constexpr uint32_t Center = 0x1;
inline constexpr uint32_t Right = 0x2;
inline constexpr uint32_t AlignMask = 0x3;
inline constexpr uint32_t EtchedLine = 0x10; // a horizontal etched line instead of text
inline constexpr uint32_t Sunken = 0x20;     // a sunken edge around it
inline constexpr uint32_t NoPrefix = 0x80;   // '&' is shown, not a mnemonic mark
inline constexpr uint32_t Notify = 0x100;    // a click tells the parent
inline constexpr uint32_t SingleLine = 0x200;
} // namespace staticStyle

// A label: wrapped text (or a picture) on the dialog face. It never takes the focus.
class StaticText : public WindowExtra {
public:
    static constexpr const char* className = "Static";
    static Status registerClass(Desktop& desktop);
    static StaticText* of(Desktop& desktop, WindowHandle window) { return desktop.extra<StaticText>(window); }

    StaticText(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    // A picture shown at the top left instead of the text; none goes back to the text.
    void setPicture(std::optional<Bitmap> picture);

private:
    Desktop& m_desktop;
    WindowHandle m_window;
    std::optional<Bitmap> m_picture;
};

} // namespace platform
