#pragma once

#include "platform/base/Guid.h"

namespace platform {

// Identities of the standard automation interfaces the system looks for.
inline constexpr Guid IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
// The standard font and picture dispinterfaces, as the system's own stdole2 library
// describes them.
inline constexpr Guid IID_IFontDisp{0xBEF6E003, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};
inline constexpr Guid IID_IPictureDisp{0x7BF80981, 0xBF32, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

} // namespace platform
