#pragma once

#include "platform/base/Result.h"
#include "platform/gfx/IconFile.h"
#include "platform/gfx/ImageLimits.h"

#include <cstdint>
#include <span>

namespace platform {

// Reads an icon or cursor file: every image, of any size and depth, with its AND mask; images
// stored as PNG are decoded too. Any entry that is damaged makes the whole file an error.
// The limits bound the pixels of all images together.
Result<IconFile> decodeIconFile(std::span<const uint8_t> data, const ImageLimits& limits = {});

} // namespace platform
