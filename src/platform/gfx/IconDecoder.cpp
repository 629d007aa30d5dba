#include "platform/gfx/IconDecoder.h"

#include "platform/gfx/ByteReader.h"
#include "platform/gfx/DibDecoder.h"
#include "platform/gfx/PngReader.h"

#include <string>

namespace platform {

namespace {

constexpr uint64_t directorySize = 6;
constexpr uint64_t entrySize = 16;

Result<IconFile> fail(size_t entry, const std::string& why)
{
    return Result<IconFile>::failure("Image " + std::to_string(entry + 1) + " of the icon file cannot be read: " + why);
}

} // namespace

const IconImage* IconFile::best(Size wanted) const
{
    const IconImage* exact = nullptr;
    const IconImage* larger = nullptr;
    const IconImage* largest = nullptr;
    auto area = [](const IconImage& i) { return int64_t(i.size().cx) * i.size().cy; };
    for (const IconImage& image : images) {
        const Size s = image.size();
        if (s == wanted && (!exact || image.bitCount > exact->bitCount))
            exact = &image;
        if (s.cx >= wanted.cx && s.cy >= wanted.cy && (!larger || area(image) < area(*larger)))
            larger = &image;
        if (!largest || area(image) > area(*largest))
            largest = &image;
    }
    return exact ? exact : larger ? larger : largest;
}

Result<IconFile> decodeIconFile(std::span<const uint8_t> data, const ImageLimits& limits)
{
    const ByteReader in(data);
    if (!in.has(0, directorySize) || in.u16(0) != 0 || (in.u16(2) != 1 && in.u16(2) != 2))
        return Result<IconFile>::failure("The file is not an icon or cursor file.");
    IconFile file;
    file.kind = in.u16(2) == 2 ? IconFile::Kind::Cursor : IconFile::Kind::Icon;
    const uint16_t count = in.u16(4);
    if (count == 0)
        return Result<IconFile>::failure("The icon file holds no images.");
    if (!in.has(directorySize, uint64_t(count) * entrySize))
        return Result<IconFile>::failure("The icon file's directory is cut short.");

    int64_t budget = limits.maxPixels;
    for (size_t i = 0; i < count; ++i) {
        const uint64_t e = directorySize + i * entrySize;
        const uint32_t bytes = in.u32(e + 8), offset = in.u32(e + 12);
        if (!in.has(offset, bytes))
            return fail(i, "it lies outside the file.");
        const std::span<const uint8_t> blob = in.bytes(offset, bytes);
        ImageLimits left{budget};

        IconImage image;
        if (file.kind == IconFile::Kind::Cursor)
            image.hotSpot = {in.u16(e + 4), in.u16(e + 6)};
        if (looksLikePng(blob)) {
            auto png = decodePng(blob, left);
            if (!png)
                return fail(i, png.message());
            image.image = std::move(png.value());
            image.bitCount = 32;
            image.fromPng = true;
        } else {
            DibOptions options;
            options.iconImage = true;
            options.limits = left;
            auto dib = decodeDibImage(blob, 0, options);
            if (!dib)
                return fail(i, dib.message());
            DibImage& d = dib.value();
            image.bitCount = d.bitCount;
            image.image = std::move(d.bitmap);
            const int32_t w = image.image.width(), h = image.image.height();
            if (d.bitCount == 32 && d.anyAlpha) {
                // Real alpha: the mask is redundant.
            } else {
                // The AND mask: one bit per pixel, rows padded to 4 bytes, stored like the colours.
                const uint64_t stride = ((uint64_t(w) + 31) / 32) * 4;
                const ByteReader mask(blob);
                const bool present = mask.has(d.end, stride * uint64_t(h));
                if (!present && d.bitCount != 32)
                    return fail(i, "its mask is missing.");
                image.mask.assign(size_t(w) * size_t(h), 0);
                // The mask's row order follows the colour rows': bottom-up unless the height was negative.
                const bool topDown = mask.u32(0) >= 40 && mask.i32(8) < 0;
                for (int32_t row = 0; row < h && present; ++row) {
                    const uint64_t o = d.end + uint64_t(row) * stride;
                    const int32_t y = topDown ? row : h - 1 - row;
                    for (int32_t x = 0; x < w; ++x)
                        image.mask[size_t(y) * size_t(w) + size_t(x)] = (mask.u8(o + uint64_t(x) / 8) >> (7 - x % 8)) & 1;
                }
                auto pixels = image.image.pixels();
                for (size_t p = 0; p < pixels.size(); ++p)
                    pixels[p] = image.mask[p] ? (pixels[p] & 0x00FFFFFF) : (pixels[p] | 0xFF000000);
            }
        }
        budget -= int64_t(image.image.width()) * image.image.height();
        file.images.push_back(std::move(image));
    }
    return file;
}

} // namespace platform
