#pragma once

#include "platform/base/Result.h"
#include "platform/com/ModuleBitmap.h"

#include <cstdint>
#include <span>

namespace platform {

// Decodes a device-independent bitmap as a BITMAP resource holds it (an info header, masks and
// colour table, then the bits) with the painter's image decoder, and keeps the colour depth
// the resource was stored with.
class DibDecoder {
public:
    static Result<ModuleBitmap> decode(std::span<const uint8_t> dib);
};

} // namespace platform
