#include "platform/gfx/DibDecoder.h"

#include "platform/gfx/ByteReader.h"

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

namespace platform {

namespace {

constexpr uint32_t compressionRgb = 0;
constexpr uint32_t compressionRle8 = 1;
constexpr uint32_t compressionRle4 = 2;
constexpr uint32_t compressionBitfields = 3;
constexpr uint32_t compressionAlphaBitfields = 6;

// Headers longer than this are not bitmaps anyone writes.
constexpr uint32_t maxHeaderSize = 1024;

Result<DibImage> fail(const std::string& why)
{
    return Result<DibImage>::failure("The bitmap cannot be read: " + why + ".");
}

// One channel described by a bit mask, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m = 0) : mask(m)
    {
        if (m) {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    uint8_t get(uint32_t v) const
    {
        if (!mask)
            return 0;
        return uint8_t((uint64_t((v & mask) >> shift) * 255 + max / 2) / max);
    }
};

struct Header {
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0; // rows of colour, after taking away an icon's mask
    bool topDown = false;
    uint16_t bitCount = 0;
    uint32_t compression = compressionRgb;
    uint32_t imageSize = 0;
    uint64_t colorsUsed = 0;
    uint32_t masks[4] = {0, 0, 0, 0};
    bool hasMasks = false;
    uint32_t paletteEntrySize = 4;
    uint64_t tableOffset = 0; // masks (when they follow the header), then the colour table
};

} // namespace

Result<DibImage> decodeDibImage(std::span<const uint8_t> data, uint64_t at, const DibOptions& options)
{
    const ByteReader in(data);
    if (!in.has(at, 4))
        return fail("the header is missing");
    Header h;
    h.size = in.u32(at);
    if (h.size == 12) {
        if (!in.has(at, 12))
            return fail("the header is cut short");
        h.width = in.u16(at + 4);
        h.height = in.u16(at + 6);
        h.bitCount = in.u16(at + 10);
        h.paletteEntrySize = 3;
        h.tableOffset = at + 12;
    } else if (h.size >= 40 && h.size <= maxHeaderSize) {
        if (!in.has(at, h.size))
            return fail("the header is cut short");
        h.width = in.i32(at + 4);
        const int32_t rawHeight = in.i32(at + 8);
        if (rawHeight == INT32_MIN)
            return fail("its height is impossible");
        h.height = rawHeight < 0 ? -int64_t(rawHeight) : rawHeight;
        h.topDown = rawHeight < 0;
        h.bitCount = in.u16(at + 14);
        h.compression = in.u32(at + 16);
        h.imageSize = in.u32(at + 20);
        h.colorsUsed = in.u32(at + 32);
        h.tableOffset = at + h.size;
        if (h.compression == compressionBitfields || h.compression == compressionAlphaBitfields) {
            h.hasMasks = true;
            const bool alpha = h.compression == compressionAlphaBitfields;
            if (h.size >= 52) {
                for (int i = 0; i < 3; ++i)
                    h.masks[i] = in.u32(at + 40 + 4 * uint64_t(i));
                if (h.size >= 56)
                    h.masks[3] = in.u32(at + 52);
            } else {
                // The masks follow a plain 40-byte header.
                const uint64_t count = alpha ? 4 : 3;
                if (!in.has(h.tableOffset, count * 4))
                    return fail("the bit masks are missing");
                for (uint64_t i = 0; i < count; ++i)
                    h.masks[i] = in.u32(h.tableOffset + 4 * i);
                h.tableOffset += count * 4;
            }
        }
    } else {
        return fail("its header of " + std::to_string(h.size) + " bytes is not a bitmap header");
    }

    if (options.iconImage)
        h.height /= 2;
    if (h.width <= 0 || h.height <= 0)
        return fail("it has no pixels");
    if (h.width > Bitmap::maxDimension || h.height > Bitmap::maxDimension
        || !Bitmap::isAcceptableSize({int32_t(h.width), int32_t(h.height)}, options.limits.maxPixels))
        return fail("it is too large");

    switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return fail("a depth of " + std::to_string(h.bitCount) + " bits is not supported");
    }
    switch (h.compression) {
    case compressionRgb: break;
    case compressionRle8:
        if (h.bitCount != 8)
            return fail("8-bit run-length coding needs 8 bits per pixel");
        break;
    case compressionRle4:
        if (h.bitCount != 4)
            return fail("4-bit run-length coding needs 4 bits per pixel");
        break;
    case compressionBitfields:
    case compressionAlphaBitfields:
        if (h.bitCount != 16 && h.bitCount != 32)
            return fail("bit masks need 16 or 32 bits per pixel");
        break;
    default: return fail("its compression " + std::to_string(h.compression) + " is not supported");
    }

    // The colour table: only the first 2^depth entries can be used, but all of them are there.
    std::vector<uint32_t> palette;
    uint64_t tableEntries = h.colorsUsed;
    if (h.bitCount <= 8 && tableEntries == 0)
        tableEntries = uint64_t(1) << h.bitCount;
    if (h.size == 12 && h.bitCount > 8)
        tableEntries = 0;
    const uint64_t tableBytes = tableEntries * h.paletteEntrySize;
    if (h.bitCount <= 8) {
        if (!in.has(h.tableOffset, tableBytes))
            return fail("the colour table is cut short");
        const uint64_t usable = std::min<uint64_t>(tableEntries, uint64_t(1) << h.bitCount);
        palette.reserve(size_t(usable));
        for (uint64_t i = 0; i < usable; ++i) {
            const uint64_t o = h.tableOffset + i * h.paletteEntrySize;
            palette.push_back(Color::rgb(in.u8(o + 2), in.u8(o + 1), in.u8(o)).argb);
        }
    }
    const uint64_t pixelOffset = options.pixelOffset.value_or(h.tableOffset + (h.bitCount <= 8 ? tableBytes : 0));
    if (pixelOffset > in.size())
        return fail("its pixels lie outside the data");

    const int32_t width = int32_t(h.width), height = int32_t(h.height);
    DibImage out;
    out.bitCount = h.bitCount;
    auto colorOf = [&palette](uint32_t index) {
        return index < palette.size() ? palette[index] : colors::black.argb;
    };
    auto targetRow = [&](int64_t fileRow) { return h.topDown ? int32_t(fileRow) : int32_t(height - 1 - fileRow); };

    if (h.compression == compressionRle8 || h.compression == compressionRle4) {
        out.bitmap = Bitmap({width, height}, colors::transparent);
        const bool four = h.compression == compressionRle4;
        uint64_t end = in.size();
        if (h.imageSize != 0 && in.has(pixelOffset, h.imageSize))
            end = pixelOffset + h.imageSize;
        uint64_t pos = pixelOffset;
        int64_t x = 0, y = 0;
        auto put = [&](uint32_t index) {
            if (x < width && y < height)
                out.bitmap.setPixel(int32_t(x), targetRow(y), Color(colorOf(index)));
            ++x;
        };
        while (pos + 2 <= end && y < height) {
            const uint8_t count = in.u8(pos), value = in.u8(pos + 1);
            pos += 2;
            if (count > 0) {
                for (uint32_t k = 0; k < count && x < width; ++k)
                    put(four ? ((k & 1) ? value & 0x0F : value >> 4) : value);
                continue;
            }
            if (value == 0) { // end of line
                x = 0;
                ++y;
            } else if (value == 1) { // end of bitmap
                break;
            } else if (value == 2) { // move right and up (down in a top-down image)
                if (pos + 2 > end)
                    return fail("a run-length move is cut short");
                x += in.u8(pos);
                y += in.u8(pos + 1);
                pos += 2;
            } else { // a run of literal pixels, padded to an even number of bytes
                const uint64_t bytes = four ? (uint64_t(value) + 1) / 2 : value;
                const uint64_t padded = (bytes + 1) & ~uint64_t(1);
                if (pos + padded > end && pos + bytes > end)
                    return fail("a run of pixels is cut short");
                for (uint32_t k = 0; k < value; ++k) {
                    const uint8_t b = in.u8(pos + (four ? k / 2 : k));
                    put(four ? ((k & 1) ? b & 0x0F : b >> 4) : b);
                }
                pos += padded;
            }
        }
        out.end = std::min(pos, end);
        return out;
    }

    const uint64_t rowBits = uint64_t(width) * h.bitCount;
    const uint64_t stride = ((rowBits + 31) / 32) * 4;
    // The last row may lack its padding.
    const uint64_t needed = stride * uint64_t(height - 1) + (rowBits + 7) / 8;
    if (!in.has(pixelOffset, needed))
        return fail("its pixels are cut short");
    out.bitmap = Bitmap({width, height}, colors::transparent);
    out.end = std::min<uint64_t>(pixelOffset + stride * uint64_t(height), in.size());

    uint32_t masks[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
    if (!h.hasMasks && h.bitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    const bool rawAlpha = h.bitCount == 32 && !h.hasMasks;
    out.rawAlpha = rawAlpha;

    for (int64_t fileRow = 0; fileRow < height; ++fileRow) {
        const std::span<const uint8_t> src = data.subspan(size_t(pixelOffset + uint64_t(fileRow) * stride));
        auto dst = out.bitmap.row(targetRow(fileRow));
        for (int32_t x = 0; x < width; ++x) {
            uint32_t px = 0;
            switch (h.bitCount) {
            case 1: px = colorOf((src[size_t(x) / 8] >> (7 - x % 8)) & 1); break;
            case 4: px = colorOf((src[size_t(x) / 2] >> ((x & 1) ? 0 : 4)) & 0x0F); break;
            case 8: px = colorOf(src[size_t(x)]); break;
            case 16: {
                const uint32_t v = uint32_t(src[size_t(x) * 2]) | (uint32_t(src[size_t(x) * 2 + 1]) << 8);
                px = Color::rgb(red.get(v), green.get(v), blue.get(v), alpha.mask ? alpha.get(v) : 0xFF).argb;
                break;
            }
            case 24: {
                const uint8_t* p = &src[size_t(x) * 3];
                px = Color::rgb(p[2], p[1], p[0]).argb;
                break;
            }
            case 32: {
                const uint8_t* p = &src[size_t(x) * 4];
                if (rawAlpha) {
                    px = Color::rgb(p[2], p[1], p[0], p[3]).argb;
                    out.anyAlpha = out.anyAlpha || p[3] != 0;
                } else {
                    const uint32_t v = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
                    px = Color::rgb(red.get(v), green.get(v), blue.get(v), alpha.mask ? alpha.get(v) : 0xFF).argb;
                }
                break;
            }
            default: break;
            }
            dst[size_t(x)] = px;
        }
    }
    return out;
}

} // namespace platform
