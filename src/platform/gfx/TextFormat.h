#pragma once

#include <cstdint>

namespace platform {

// Flags of Painter::drawText, with the values the window system's callers pass.
namespace textFormat {
inline constexpr uint32_t Top = 0x00000000;
inline constexpr uint32_t Left = 0x00000000;
inline constexpr uint32_t Center = 0x00000001;
inline constexpr uint32_t Right = 0x00000002;
inline constexpr uint32_t VCenter = 0x00000004; // single line only
inline constexpr uint32_t Bottom = 0x00000008;  // single line only
inline constexpr uint32_t WordBreak = 0x00000010;
inline constexpr uint32_t SingleLine = 0x00000020;
inline constexpr uint32_t ExpandTabs = 0x00000040;
inline constexpr uint32_t NoClip = 0x00000100;
inline constexpr uint32_t ExternalLeading = 0x00000200;
inline constexpr uint32_t CalcRect = 0x00000400;
inline constexpr uint32_t NoPrefix = 0x00000800;
inline constexpr uint32_t EditControl = 0x00002000;
inline constexpr uint32_t PathEllipsis = 0x00004000; // drawn as an end ellipsis
inline constexpr uint32_t EndEllipsis = 0x00008000;
inline constexpr uint32_t WordEllipsis = 0x00040000; // drawn as an end ellipsis
inline constexpr uint32_t HidePrefix = 0x00100000;
inline constexpr uint32_t PrefixOnly = 0x00200000;
} // namespace textFormat

} // namespace platform
