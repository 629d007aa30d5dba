#pragma once

#include "platform/base/Geometry.h"
#include "platform/ui/WindowHandle.h"

#include <cstdint>

namespace platform {

// A message for a window procedure: its number and two parameters whose meaning depends on it.
struct Message {
    uint32_t id = 0;
    uint64_t wParam = 0;
    int64_t lParam = 0;
};

// Message numbers of the window kernel. Applications number their own from msg::User.
namespace msg {
// Life cycle and state.
inline constexpr uint32_t Create = 0x0010;      // lParam: const CreateParams*; return -1 to refuse
inline constexpr uint32_t Destroy = 0x0011;
inline constexpr uint32_t Close = 0x0012;       // default: destroy
inline constexpr uint32_t Show = 0x0013;        // wParam: 1 shown, 0 hidden
inline constexpr uint32_t Enable = 0x0014;      // wParam: 1 enabled
inline constexpr uint32_t Move = 0x0015;        // lParam: packed client origin in the parent
inline constexpr uint32_t Size = 0x0016;        // lParam: packed client width and height
inline constexpr uint32_t Activate = 0x0017;    // wParam: 1 activated, 0 deactivated
inline constexpr uint32_t SetFocus = 0x0018;    // wParam: window that lost the focus
inline constexpr uint32_t KillFocus = 0x0019;   // wParam: window that gets the focus
inline constexpr uint32_t SetText = 0x001A;     // lParam: const std::string*; default stores it
inline constexpr uint32_t CaptureLost = 0x001B; // the mouse capture went elsewhere
inline constexpr uint32_t SetFont = 0x001C;     // lParam: const Font* (a shared font of the desktop)
// Drawing.
inline constexpr uint32_t NcPaint = 0x0020;         // lParam: PaintContext* over the whole window
inline constexpr uint32_t EraseBackground = 0x0021; // lParam: PaintContext*; return 1 when erased
inline constexpr uint32_t Paint = 0x0022;           // lParam: PaintContext* over the client area
// Mouse (lParam: packed client position; wParam: mouseKey flags) and keyboard.
inline constexpr uint32_t MouseMove = 0x0040;
inline constexpr uint32_t LeftDown = 0x0041;
inline constexpr uint32_t LeftUp = 0x0042;
inline constexpr uint32_t LeftDoubleClick = 0x0043;
inline constexpr uint32_t RightDown = 0x0044;
inline constexpr uint32_t RightUp = 0x0045;
inline constexpr uint32_t RightDoubleClick = 0x0046;
inline constexpr uint32_t MouseWheel = 0x0047;     // wParam: signed notches, positive away from the user
inline constexpr uint32_t SetCursor = 0x0048;      // lParam: packed client position; return 1 when set
inline constexpr uint32_t KeyDown = 0x0050;        // wParam: key code; lParam: modifier flags
inline constexpr uint32_t KeyUp = 0x0051;
inline constexpr uint32_t Char = 0x0052;           // wParam: the ANSI character
inline constexpr uint32_t WantKeys = 0x0053;       // return dialogCode flags: keys a control keeps in a dialog
// Time, commands and notifications.
inline constexpr uint32_t Timer = 0x0060;          // wParam: timer id
inline constexpr uint32_t Command = 0x0061;        // wParam: id | (notification << 16); lParam: control handle value
inline constexpr uint32_t DrawItem = 0x0062;       // lParam: DrawItemData*
inline constexpr uint32_t MeasureItem = 0x0063;    // lParam: MeasureItemData*
inline constexpr uint32_t InitDialog = 0x0064;
inline constexpr uint32_t InitMenuPopup = 0x0065;  // lParam: Menu*
inline constexpr uint32_t ContextMenu = 0x0066;    // lParam: packed screen position
inline constexpr uint32_t HScroll = 0x0067;        // wParam: scrollCode | (position << 16); lParam: scroll bar handle value
inline constexpr uint32_t VScroll = 0x0068;
inline constexpr uint32_t MenuSelect = 0x0069;     // wParam: highlighted command id
inline constexpr uint32_t Notify = 0x006A;         // lParam: NotifyData*
// Posted to end a loop: the loop that takes it returns wParam.
inline constexpr uint32_t Quit = 0x007F;
// The first number free for applications.
inline constexpr uint32_t User = 0x0400;
} // namespace msg

// Flags in the wParam of mouse messages and the lParam of key messages.
namespace mouseKey {
inline constexpr uint64_t Left = 0x01;
inline constexpr uint64_t Right = 0x02;
inline constexpr uint64_t Middle = 0x04;
inline constexpr uint64_t Shift = 0x08;
inline constexpr uint64_t Control = 0x10;
inline constexpr uint64_t Alt = 0x20;
} // namespace mouseKey

// What a control keeps for itself when it sits in a dialog (msg::WantKeys).
namespace dialogCode {
inline constexpr int64_t Arrows = 0x01;
inline constexpr int64_t Tab = 0x02;
inline constexpr int64_t Enter = 0x04;
inline constexpr int64_t Chars = 0x08;
inline constexpr int64_t AllKeys = 0x0F;
} // namespace dialogCode

// Scroll codes of msg::HScroll and msg::VScroll.
namespace scrollCode {
inline constexpr uint32_t LineUp = 0;
inline constexpr uint32_t LineDown = 1;
inline constexpr uint32_t PageUp = 2;
inline constexpr uint32_t PageDown = 3;
inline constexpr uint32_t ThumbTrack = 4;
inline constexpr uint32_t ThumbPosition = 5;
inline constexpr uint32_t Top = 6;
inline constexpr uint32_t Bottom = 7;
inline constexpr uint32_t EndScroll = 8;
} // namespace scrollCode

// Points travel in lParam as x in the low and y in the high 32 bits, both signed.
inline int64_t packPoint(Point p)
{
    return int64_t((uint64_t(uint32_t(p.y)) << 32) | uint64_t(uint32_t(p.x)));
}
inline Point unpackPoint(int64_t v)
{
    return {int32_t(uint32_t(uint64_t(v))), int32_t(uint32_t(uint64_t(v) >> 32))};
}
inline int64_t packSize(platform::Size s) { return packPoint({s.cx, s.cy}); }
inline platform::Size unpackSize(int64_t v)
{
    Point p = unpackPoint(v);
    return {p.x, p.y};
}

// msg::Command parameters: the sender's control id and its notification code.
inline uint64_t commandParam(int32_t id, uint32_t notification)
{
    return uint64_t(uint32_t(id) & 0xFFFF) | (uint64_t(notification & 0xFFFF) << 16);
}
inline int32_t commandId(uint64_t wParam) { return int32_t(wParam & 0xFFFF); }
inline uint32_t commandNotification(uint64_t wParam) { return uint32_t((wParam >> 16) & 0xFFFF); }

// Standard command ids: the buttons of dialogs and message boxes.
namespace commandIds {
inline constexpr int32_t Ok = 1;
inline constexpr int32_t Cancel = 2;
inline constexpr int32_t Abort = 3;
inline constexpr int32_t Retry = 4;
inline constexpr int32_t Ignore = 5;
inline constexpr int32_t Yes = 6;
inline constexpr int32_t No = 7;
} // namespace commandIds

} // namespace platform
