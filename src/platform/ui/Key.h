#pragma once

#include <cstdint>

namespace platform {

// Key codes of msg::KeyDown and msg::KeyUp. Letters and digits are their upper-case ASCII
// codes; the other keys have codes of their own above the ASCII range.
namespace key {
inline constexpr uint32_t Backspace = 0x08;
inline constexpr uint32_t Tab = 0x09;
inline constexpr uint32_t Enter = 0x0D;
inline constexpr uint32_t Escape = 0x1B;
inline constexpr uint32_t Space = 0x20;
inline constexpr uint32_t Left = 0x101;
inline constexpr uint32_t Up = 0x102;
inline constexpr uint32_t Right = 0x103;
inline constexpr uint32_t Down = 0x104;
inline constexpr uint32_t Home = 0x105;
inline constexpr uint32_t End = 0x106;
inline constexpr uint32_t PageUp = 0x107;
inline constexpr uint32_t PageDown = 0x108;
inline constexpr uint32_t Insert = 0x109;
inline constexpr uint32_t Delete = 0x10A;
inline constexpr uint32_t Shift = 0x110;
inline constexpr uint32_t Control = 0x111;
inline constexpr uint32_t Alt = 0x112;
inline constexpr uint32_t F1 = 0x120; // F1 + n - 1 for Fn, up to F12
inline constexpr uint32_t F10 = F1 + 9;
} // namespace key

} // namespace platform
