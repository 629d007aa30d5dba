#pragma once

#include "platform/com/TypeKinds.h"
#include "platform/com/Variant.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// One dimension of a fixed-size array.
struct ArrayBound {
    uint32_t elements = 0;
    int32_t lowerBound = 0;
    friend bool operator==(const ArrayBound&, const ArrayBound&) = default;
};

// The type of a parameter, result, variable or alias. Pointers, safe arrays and fixed arrays
// name the type they hold in `target` (shared, so copies are cheap); a user-defined type
// names the referenced type by `hrefType` (TypeInfo::refTypeInfo resolves it).
struct TypeDesc {
    uint16_t vt = VT_EMPTY;
    std::shared_ptr<const TypeDesc> target; // VT_PTR, VT_SAFEARRAY, VT_CARRAY
    std::vector<ArrayBound> bounds;         // VT_CARRAY
    HRefType hrefType = 0;                  // VT_USERDEFINED

    // The pointed-to or element type; never null (an empty type when there is none).
    const TypeDesc& pointee() const
    {
        static const TypeDesc none;
        return target ? *target : none;
    }

    friend bool operator==(const TypeDesc& a, const TypeDesc& b)
    {
        if (a.vt != b.vt || a.hrefType != b.hrefType || a.bounds != b.bounds || bool(a.target) != bool(b.target))
            return false;
        return !a.target || a.target == b.target || *a.target == *b.target;
    }
};

// A parameter's or result's type with its parameter flags and default value.
struct ElemDesc {
    TypeDesc type;
    uint16_t paramFlags = 0;
    std::optional<Variant> defaultValue; // with ParamFlags::HasDefault
    friend bool operator==(const ElemDesc&, const ElemDesc&) = default;
};

} // namespace platform
