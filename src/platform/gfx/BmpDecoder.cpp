#include "platform/gfx/BmpDecoder.h"

#include "platform/gfx/ByteReader.h"
#include "platform/gfx/DibDecoder.h"

namespace platform {

namespace {

constexpr uint64_t fileHeaderSize = 14;

Result<Bitmap> opaque(Result<DibImage> dib)
{
    if (!dib)
        return Result<Bitmap>(dib.status());
    Bitmap bitmap = std::move(dib.value().bitmap);
    // The fourth byte of plain 32-bit rows is padding here.
    if (dib->rawAlpha)
        for (uint32_t& px : bitmap.pixels())
            px |= 0xFF000000;
    return bitmap;
}

} // namespace

Result<Bitmap> decodeBmp(std::span<const uint8_t> file, const ImageLimits& limits)
{
    const ByteReader in(file);
    if (!in.has(0, fileHeaderSize) || in.u8(0) != 'B' || in.u8(1) != 'M')
        return Result<Bitmap>::failure("The file is not a bitmap file.");
    DibOptions options;
    options.limits = limits;
    const uint32_t offBits = in.u32(10);
    // Some writers leave the offset of the pixels at 0: then they follow the colour table.
    if (offBits != 0) {
        if (offBits > in.size())
            return Result<Bitmap>::failure("The bitmap cannot be read: its pixels lie outside the file.");
        options.pixelOffset = offBits;
    }
    return opaque(decodeDibImage(file, fileHeaderSize, options));
}

Result<Bitmap> decodeDib(std::span<const uint8_t> dib, const ImageLimits& limits)
{
    DibOptions options;
    options.limits = limits;
    return opaque(decodeDibImage(dib, 0, options));
}

} // namespace platform
