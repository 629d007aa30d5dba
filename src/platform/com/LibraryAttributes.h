#pragma once

#include "platform/base/Guid.h"
#include "platform/com/TypeKinds.h"

#include <cstdint>

namespace platform {

// What a type library says about itself.
struct LibraryAttributes {
    Guid guid;
    uint32_t lcid = 0;
    SysKind sysKind = SysKind::Win32;
    uint16_t majorVersion = 0;
    uint16_t minorVersion = 0;
    uint16_t libFlags = 0;
    friend bool operator==(const LibraryAttributes&, const LibraryAttributes&) = default;
};

} // namespace platform
