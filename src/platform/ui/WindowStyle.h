#pragma once

#include <cstdint>

namespace platform {

// Window style bits. The low 16 bits are left to each window class (button kinds, list box
// options, ...); the high bits are the kernel's own.
namespace windowStyle {
inline constexpr uint32_t Child = 0x8000'0000;
inline constexpr uint32_t Popup = 0x4000'0000;
inline constexpr uint32_t Visible = 0x2000'0000;
inline constexpr uint32_t Disabled = 0x1000'0000;
inline constexpr uint32_t Border = 0x0800'0000;     // one black line
inline constexpr uint32_t Caption = 0x0400'0000;    // a title bar (implies a frame)
inline constexpr uint32_t DialogFrame = 0x0200'0000; // a raised 3-pixel frame
inline constexpr uint32_t ThickFrame = 0x0100'0000; // a 4-pixel sizing frame
inline constexpr uint32_t SystemMenu = 0x0080'0000; // a close box in the title bar
inline constexpr uint32_t VScroll = 0x0040'0000;
inline constexpr uint32_t HScroll = 0x0020'0000;
inline constexpr uint32_t TabStop = 0x0010'0000;
inline constexpr uint32_t Group = 0x0008'0000;     // first control of a group in a dialog
inline constexpr uint32_t ClipChildren = 0x0004'0000;
inline constexpr uint32_t ClipSiblings = 0x0002'0000;
inline constexpr uint32_t ClassMask = 0x0000'FFFF;
} // namespace windowStyle

// Extended style bits.
namespace extendedStyle {
inline constexpr uint32_t ClientEdge = 0x0001;  // a 2-pixel sunken edge
inline constexpr uint32_t StaticEdge = 0x0002;  // a 1-pixel sunken edge
inline constexpr uint32_t TopMost = 0x0004;     // stays above the other top-level windows
inline constexpr uint32_t NoActivate = 0x0008;  // a click does not activate it (menus, drop-downs, tips)
inline constexpr uint32_t ToolWindow = 0x0010;  // a small title bar
inline constexpr uint32_t Transparent = 0x0020; // mouse input passes through to what lies below
} // namespace extendedStyle

// Window class options.
namespace classStyle {
inline constexpr uint32_t DoubleClicks = 0x0001; // a second press soon after the first is a double-click
inline constexpr uint32_t SaveBits = 0x0002;
} // namespace classStyle

} // namespace platform
