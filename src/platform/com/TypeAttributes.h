#pragma once

#include "platform/base/Guid.h"
#include "platform/com/TypeDesc.h"

#include <cstdint>

namespace platform {

// What a type description says about the type as a whole.
struct TypeAttributes {
    Guid guid;
    uint32_t lcid = 0;
    TypeKind typeKind = TypeKind::Enum;
    uint16_t funcCount = 0;
    uint16_t varCount = 0;
    uint16_t implTypeCount = 0;
    uint16_t vtableSize = 0; // bytes
    uint32_t instanceSize = 0;
    uint16_t alignment = 0;
    uint16_t typeFlags = 0; // TypeFlags
    uint16_t majorVersion = 0;
    uint16_t minorVersion = 0;
    TypeDesc aliasType; // TypeKind::Alias
    friend bool operator==(const TypeAttributes&, const TypeAttributes&) = default;
};

} // namespace platform
