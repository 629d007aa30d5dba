#pragma once

#include "platform/base/Result.h"
#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace platform {

enum class PngChannels { Rgb, Rgba };

// Encodes a bitmap as PNG: RGB for screens and windows (alpha dropped), RGBA to keep the
// transparency of decoded icons. A bitmap without pixels cannot be written (PNG has no
// empty images).
Result<std::vector<uint8_t>> encodePng(const Bitmap& bitmap, PngChannels channels = PngChannels::Rgb);
// The same, handing the bytes to a sink (a file writer, a socket).
Status writePng(const Bitmap& bitmap, const std::function<Status(std::span<const uint8_t>)>& sink,
                PngChannels channels = PngChannels::Rgb);

} // namespace platform
