#include "platform/com/DibDecoder.h"

#include "platform/com/HResult.h"
#include "platform/gfx/BmpDecoder.h"

namespace platform {

namespace {

// The colour depth stored in the header: after the size field of a core header (12 bytes)
// come width and height as 16-bit numbers, in any later header as 32-bit numbers.
uint16_t StoredBitsPerPixel(std::span<const uint8_t> dib)
{
    const auto read16 = [&](size_t at) { return uint16_t(dib[at] | (dib[at + 1] << 8)); };
    if (dib.size() >= 12 && dib[0] == 12 && dib[1] == 0 && dib[2] == 0 && dib[3] == 0)
        return read16(10);
    return dib.size() >= 16 ? read16(14) : 0;
}

} // namespace

Result<ModuleBitmap> DibDecoder::decode(std::span<const uint8_t> dib)
{
    // The painter's decoder reads the bits; a module bitmap is its pixels as they are.
    auto decoded = decodeDib(dib);
    if (!decoded)
        return Status::failure("Damaged bitmap resource: " + decoded.message(), ERROR_INVALID_DATA);
    const Bitmap& bitmap = decoded.value();
    ModuleBitmap result;
    result.width = bitmap.width();
    result.height = bitmap.height();
    result.bitsPerPixel = StoredBitsPerPixel(dib);
    result.pixels.assign(bitmap.pixels().begin(), bitmap.pixels().end());
    return result;
}

} // namespace platform
