#pragma once

#include <cstdint>

namespace platform {

// Kinds of 3-D edge and the flags that say which sides to draw and how, with the values the
// window system's callers pass.
namespace edge {
inline constexpr uint32_t RaisedOuter = 0x0001;
inline constexpr uint32_t SunkenOuter = 0x0002;
inline constexpr uint32_t RaisedInner = 0x0004;
inline constexpr uint32_t SunkenInner = 0x0008;
inline constexpr uint32_t Raised = RaisedOuter | RaisedInner;
inline constexpr uint32_t Sunken = SunkenOuter | SunkenInner;
inline constexpr uint32_t Etched = SunkenOuter | RaisedInner;
inline constexpr uint32_t Bump = RaisedOuter | SunkenInner;
} // namespace edge

namespace border {
inline constexpr uint32_t Left = 0x0001;
inline constexpr uint32_t Top = 0x0002;
inline constexpr uint32_t Right = 0x0004;
inline constexpr uint32_t Bottom = 0x0008;
inline constexpr uint32_t TopLeft = Top | Left;
inline constexpr uint32_t TopRight = Top | Right;
inline constexpr uint32_t BottomLeft = Bottom | Left;
inline constexpr uint32_t BottomRight = Bottom | Right;
inline constexpr uint32_t Rect = Left | Top | Right | Bottom;
inline constexpr uint32_t Diagonal = 0x0010; // not drawn: nothing here uses diagonal edges
inline constexpr uint32_t Middle = 0x0800;   // fill the inside with the face colour
inline constexpr uint32_t Soft = 0x1000;     // the lighter colour outside on the top and left
inline constexpr uint32_t Adjust = 0x2000;   // the caller wants the inside rectangle (always returned)
inline constexpr uint32_t Flat = 0x4000;
inline constexpr uint32_t Mono = 0x8000;
} // namespace border

} // namespace platform
