#pragma once

#include "platform/base/Geometry.h"
#include "platform/gfx/IconImage.h"

#include <cstdint>
#include <vector>

namespace platform {

// The images of an icon (.ico) or cursor (.cur) file, in the file's order.
struct IconFile {
    enum class Kind : uint16_t { Icon = 1, Cursor = 2 };

    Kind kind = Kind::Icon;
    std::vector<IconImage> images;

    // The image to show at a size: the exact size with the most colours, else the smallest
    // larger one, else the largest; null for a file without images.
    const IconImage* best(Size wanted) const;
};

} // namespace platform
