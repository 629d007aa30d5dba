#include "platform/gfx/PngWriter.h"

#include <png.h>

namespace platform {

Result<std::vector<uint8_t>> encodePng(const Bitmap& bitmap, PngChannels channels)
{
    using R = Result<std::vector<uint8_t>>;
    if (bitmap.isEmpty())
        return R::failure("An empty bitmap cannot be written as PNG.");
    const bool alpha = channels == PngChannels::Rgba;
    const size_t bytesPerPixel = alpha ? 4 : 3;
    std::vector<uint8_t> rows(size_t(bitmap.width()) * size_t(bitmap.height()) * bytesPerPixel);
    size_t o = 0;
    for (uint32_t px : bitmap.pixels()) {
        rows[o++] = uint8_t(px);
        rows[o++] = uint8_t(px >> 8);
        rows[o++] = uint8_t(px >> 16);
        if (alpha)
            rows[o++] = uint8_t(px >> 24);
    }

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(bitmap.width());
    image.height = png_uint_32(bitmap.height());
    image.format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rows.data(), 0, nullptr))
        return R::failure(std::string("The PNG image cannot be written: ") + image.message);
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rows.data(), 0, nullptr))
        return R::failure(std::string("The PNG image cannot be written: ") + image.message);
    out.resize(size);
    return out;
}

Status writePng(const Bitmap& bitmap, const std::function<Status(std::span<const uint8_t>)>& sink,
                PngChannels channels)
{
    auto bytes = encodePng(bitmap, channels);
    if (!bytes)
        return bytes.status();
    return sink(bytes.value());
}

} // namespace platform
