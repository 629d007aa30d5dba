#pragma once

#include "platform/base/Guid.h"
#include "platform/com/Variant.h"

#include <optional>
#include <vector>

namespace platform {

// A value a type library attaches to a library, type, member or parameter under a GUID.
struct CustomDataItem {
    Guid guid;
    Variant value;
    friend bool operator==(const CustomDataItem&, const CustomDataItem&) = default;
};

using CustomData = std::vector<CustomDataItem>;

inline std::optional<Variant> findCustomData(const CustomData& data, const Guid& guid)
{
    for (const CustomDataItem& item : data) {
        if (item.guid == guid)
            return item.value;
    }
    return std::nullopt;
}

} // namespace platform
