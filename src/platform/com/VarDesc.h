#pragma once

#include "platform/com/TypeDesc.h"
#include "platform/com/Variant.h"

#include <cstdint>
#include <optional>

namespace platform {

// A variable: a dispinterface property, a record field, or a constant of an enumeration or
// module (VarKind::Const, with its value).
struct VarDesc {
    int32_t memberId = MEMBERID_NIL;
    VarKind varKind = VarKind::PerInstance;
    ElemDesc type;
    uint16_t varFlags = 0;
    std::optional<Variant> value; // VarKind::Const
    uint32_t instanceOffset = 0;  // other kinds: offset in the instance
    friend bool operator==(const VarDesc&, const VarDesc&) = default;
};

} // namespace platform
