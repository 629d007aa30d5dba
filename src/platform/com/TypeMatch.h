#pragma once

#include "platform/base/Guid.h"
#include "platform/com/TypeDesc.h"

#include <cstdint>

namespace platform {

class TypeInfo;

// Whether a type description names a given interface: user-defined references are
// resolved through `context` (the type info the description came from), aliases are
// expanded, and exactly `indirectionLevels` pointer levels must stand before the interface
// or dispinterface whose GUID is compared. A reference that cannot be resolved matches
// nothing.
class TypeMatch {
public:
    // Aliases expanded at most this deep, so that an alias naming itself ends.
    static constexpr int maxAliasDepth = 16;

    static bool matchesGuid(const TypeInfo& context, const TypeDesc& type, const Guid& guid, uint32_t indirectionLevels);

    // The standard font / picture dispinterface, named directly or through one pointer.
    static bool isFontDispatch(const TypeInfo& context, const TypeDesc& type);
    static bool isPictureDispatch(const TypeInfo& context, const TypeDesc& type);
};

} // namespace platform
