#pragma once

#include <cstdint>

namespace platform {

// Frame control kinds and states, with the values the window system's callers pass: the low
// byte of the state picks the part, the higher bits modify its look.
namespace frameControl {
inline constexpr uint32_t Caption = 1;
inline constexpr uint32_t Menu = 2;
inline constexpr uint32_t Scroll = 3;
inline constexpr uint32_t Button = 4;

// Caption parts.
inline constexpr uint32_t CaptionClose = 0x0000;
inline constexpr uint32_t CaptionMin = 0x0001;
inline constexpr uint32_t CaptionMax = 0x0002;
inline constexpr uint32_t CaptionRestore = 0x0003;
inline constexpr uint32_t CaptionHelp = 0x0004;

// Menu parts (a black glyph on white, for use as a mask).
inline constexpr uint32_t MenuArrow = 0x0000;
inline constexpr uint32_t MenuCheck = 0x0001;
inline constexpr uint32_t MenuBullet = 0x0002;

// Scroll parts.
inline constexpr uint32_t ScrollUp = 0x0000;
inline constexpr uint32_t ScrollDown = 0x0001;
inline constexpr uint32_t ScrollLeft = 0x0002;
inline constexpr uint32_t ScrollRight = 0x0003;
inline constexpr uint32_t ScrollComboBox = 0x0005;
inline constexpr uint32_t ScrollSizeGrip = 0x0008;

// Button parts.
inline constexpr uint32_t ButtonCheck = 0x0000;
inline constexpr uint32_t ButtonRadioImage = 0x0001;
inline constexpr uint32_t ButtonRadioMask = 0x0002;
inline constexpr uint32_t ButtonRadio = 0x0004;
inline constexpr uint32_t Button3State = 0x0008;
inline constexpr uint32_t ButtonPush = 0x0010;

// Modifiers.
inline constexpr uint32_t Inactive = 0x0100;
inline constexpr uint32_t Pushed = 0x0200;
inline constexpr uint32_t Checked = 0x0400;
inline constexpr uint32_t Transparent = 0x0800;
inline constexpr uint32_t Hot = 0x1000;
inline constexpr uint32_t AdjustRect = 0x2000;
inline constexpr uint32_t Flat = 0x4000;
inline constexpr uint32_t Mono = 0x8000;
} // namespace frameControl

} // namespace platform
