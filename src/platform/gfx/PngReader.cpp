#include "platform/gfx/PngReader.h"

#include <png.h>

#include <algorithm>
#include <vector>

namespace platform {

bool looksLikePng(std::span<const uint8_t> data)
{
    static constexpr uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return data.size() >= 8 && std::equal(signature, signature + 8, data.begin());
}

Result<Bitmap> decodePng(std::span<const uint8_t> data, const ImageLimits& limits)
{
    if (!looksLikePng(data))
        return Result<Bitmap>::failure("The data is not a PNG image.");
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
        std::string why = image.message;
        png_image_free(&image);
        return Result<Bitmap>::failure("The PNG image cannot be read: " + why);
    }
    const Size size{int32_t(std::min<png_uint_32>(image.width, 0x7FFFFFFF)),
                    int32_t(std::min<png_uint_32>(image.height, 0x7FFFFFFF))};
    if (!Bitmap::isAcceptableSize(size, limits.maxPixels)) {
        png_image_free(&image);
        return Result<Bitmap>::failure("The PNG image is too large.");
    }
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> buffer(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) {
        std::string why = image.message;
        png_image_free(&image);
        return Result<Bitmap>::failure("The PNG image cannot be read: " + why);
    }
    png_image_free(&image);

    Bitmap bitmap(size, colors::transparent);
    auto pixels = bitmap.pixels();
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint8_t* p = &buffer[i * 4];
        pixels[i] = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    }
    return bitmap;
}

} // namespace platform
