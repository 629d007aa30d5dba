#pragma once

#include <cstdint>

namespace platform {

// Bounds a decoder keeps to whatever a file claims: no image (and no file's images together)
// may hold more pixels than this.
struct ImageLimits {
    int64_t maxPixels = int64_t(1) << 24; // 16 million pixels, 64 MiB
};

} // namespace platform
