#pragma once

#include "platform/base/Result.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageLimits.h"

#include <cstdint>
#include <optional>
#include <span>

namespace platform {

// A device-independent bitmap: an info header (the 12-byte core header or the 40-byte info
// header and its longer successors), colour table or bit masks, then pixel rows. The common
// part of BMP files, bitmap resources and the images of icon files.
struct DibImage {
    Bitmap bitmap;
    int32_t bitCount = 0;
    // 32-bit rows without bit masks carry a fourth byte that is alpha in icons and padding in
    // plain bitmaps; it is kept in the pixels and this says whether any of it is non-zero.
    bool rawAlpha = false;
    bool anyAlpha = false;
    uint64_t end = 0; // offset just past the pixel rows (where an icon's mask begins)
};

struct DibOptions {
    // The header's height counts the colour rows and the mask rows of an icon image.
    bool iconImage = false;
    // Where the pixel rows start; by default right after the colour table.
    std::optional<uint64_t> pixelOffset;
    ImageLimits limits;
};

// Reads the bitmap whose header starts at headerOffset. Every size, count and offset is
// checked against the data; a bitmap that claims more than is there is an error.
Result<DibImage> decodeDibImage(std::span<const uint8_t> data, uint64_t headerOffset, const DibOptions& options);

} // namespace platform
