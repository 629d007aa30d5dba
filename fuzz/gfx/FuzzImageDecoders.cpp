// Feeds arbitrary bytes to the image readers: bitmap files, packed bitmaps, icon and cursor
// files (with their PNG images). Any input must give a picture or an error, nothing else.
#include "platform/gfx/BmpDecoder.h"
#include "platform/gfx/IconDecoder.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace platform;
    const std::span<const uint8_t> bytes(data, size);
    // A small limit keeps each run fast; the checks are the same at any limit.
    const ImageLimits limits{int64_t(1) << 20};
    auto touch = [](const Bitmap& b) {
        uint32_t sum = 0;
        for (uint32_t px : b.pixels())
            sum += px;
        return sum;
    };
    volatile uint32_t sink = 0;
    if (auto bmp = decodeBmp(bytes, limits))
        sink = sink + touch(bmp.value());
    if (auto dib = decodeDib(bytes, limits))
        sink = sink + touch(dib.value());
    if (auto icon = decodeIconFile(bytes, limits))
        for (const IconImage& image : icon->images)
            sink = sink + touch(image.image) + uint32_t(image.mask.size());
    return 0;
}
