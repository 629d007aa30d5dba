#include "platform/com/DibDecoder.h"

#include "platform/com/ByteView.h"
#include "platform/com/HResult.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>

namespace platform {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kOpaque = 0xFF000000;

Status invalid(const std::string& why)
{
    return Status::failure("Damaged bitmap resource: " + why, ERROR_INVALID_DATA);
}

// One colour channel taken out of a pixel through its mask, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m = 0) : mask(m), shift(m ? std::countr_zero(m) : 0), max(m ? m >> shift : 0) {}
    uint32_t take(uint32_t value) const
    {
        if (max == 0)
            return 0;
        return uint32_t((uint64_t((value & mask) >> shift) * 255 + max / 2) / max);
    }
};

struct Masks {
    Channel red, green, blue, alpha;
    uint32_t argb(uint32_t value) const
    {
        const uint32_t a = alpha.mask ? alpha.take(value) : 0xFF;
        return (a << 24) | (red.take(value) << 16) | (green.take(value) << 8) | blue.take(value);
    }
};

struct Header {
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0; // negative: rows stored top to bottom
    uint16_t planes = 0;
    uint16_t bitsPerPixel = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
};

class Decoder {
public:
    explicit Decoder(std::span<const uint8_t> dib) : m_dib(dib) {}

    Result<ModuleBitmap> run()
    {
        if (Status s = readHeader(); !s)
            return s;
        if (Status s = readMasksAndPalette(); !s)
            return s;
        if (Status s = checkDataSize(); !s)
            return s;
        ModuleBitmap bitmap;
        bitmap.width = int32_t(m_header.width);
        bitmap.height = int32_t(m_rows);
        bitmap.bitsPerPixel = m_header.bitsPerPixel;
        bitmap.pixels.assign(size_t(m_header.width) * size_t(m_rows), paletteColor(0));
        if (runLength()) {
            if (Status s = decodeRunLength(bitmap); !s)
                return s;
        } else {
            decodeRows(bitmap);
        }
        return bitmap;
    }

private:
    Status readHeader()
    {
        const auto size = m_dib.u32(0);
        if (!size)
            return invalid("no header");
        m_header.size = *size;
        if (*size == 12) {
            const auto w = m_dib.u16(4), h = m_dib.u16(6), p = m_dib.u16(8), b = m_dib.u16(10);
            if (!b)
                return invalid("truncated header");
            m_header.width = *w;
            m_header.height = *h;
            m_header.planes = *p;
            m_header.bitsPerPixel = *b;
        } else if (*size >= 40) {
            const auto w = m_dib.i32(4), h = m_dib.i32(8);
            const auto p = m_dib.u16(12), b = m_dib.u16(14);
            const auto c = m_dib.u32(16), used = m_dib.u32(32);
            if (!m_dib.contains(0, *size) || !w || !h || !p || !b || !c || !used)
                return invalid("truncated header");
            m_header.width = *w;
            m_header.height = *h;
            m_header.planes = *p;
            m_header.bitsPerPixel = *b;
            m_header.compression = *c;
            m_header.colorsUsed = *used;
        } else {
            return invalid("unknown header size " + std::to_string(*size));
        }

        const Header& h = m_header;
        if (h.planes != 1)
            return invalid("planes must be 1");
        switch (h.bitsPerPixel) {
        case 1: case 4: case 8: case 16: case 24: case 32: break;
        default: return invalid("unsupported depth of " + std::to_string(h.bitsPerPixel) + " bits");
        }
        const bool rle = h.compression == kBiRle8 || h.compression == kBiRle4;
        if (h.compression == kBiRle8 && h.bitsPerPixel != 8)
            return invalid("8-bit run-length coding needs 8 bits per pixel");
        if (h.compression == kBiRle4 && h.bitsPerPixel != 4)
            return invalid("4-bit run-length coding needs 4 bits per pixel");
        if (h.compression == kBiBitfields && h.bitsPerPixel != 16 && h.bitsPerPixel != 32)
            return invalid("bit-field masks need 16 or 32 bits per pixel");
        if (h.compression > kBiBitfields)
            return invalid("unsupported compression " + std::to_string(h.compression));
        m_topDown = h.height < 0;
        if (m_topDown && rle)
            return invalid("run-length bitmaps are stored bottom-up");
        m_rows = m_topDown ? -h.height : h.height;
        if (h.width <= 0 || m_rows <= 0 || h.width > DibDecoder::maxDimension || m_rows > DibDecoder::maxDimension ||
            h.width * m_rows > DibDecoder::maxPixels)
            return invalid("size " + std::to_string(h.width) + " x " + std::to_string(m_rows) + " out of range");
        return Status::ok();
    }

    Status readMasksAndPalette()
    {
        const Header& h = m_header;
        uint64_t at = h.size;
        if (h.bitsPerPixel == 16)
            m_masks = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F), Channel()};
        else
            m_masks = {Channel(0xFF0000), Channel(0xFF00), Channel(0xFF), Channel()};
        if (h.compression == kBiBitfields) {
            // Version 2 and later headers hold the masks; the plain info header is followed by them.
            const uint64_t masksAt = h.size >= 52 ? 40 : at;
            const auto r = m_dib.u32(masksAt), g = m_dib.u32(masksAt + 4), b = m_dib.u32(masksAt + 8);
            if (!r || !g || !b)
                return invalid("masks outside the resource");
            m_masks = {Channel(*r), Channel(*g), Channel(*b), Channel(h.size >= 56 ? m_dib.u32(52).value_or(0) : 0)};
            if (h.size < 52)
                at += 12;
        }

        const uint64_t entrySize = h.size == 12 ? 3 : 4;
        uint64_t count = h.colorsUsed;
        if (count == 0 && h.bitsPerPixel <= 8)
            count = uint64_t(1) << h.bitsPerPixel;
        if (!m_dib.contains(at, count * entrySize))
            return invalid("colour table outside the resource");
        // Only the entries an index can reach are kept; a longer table is skipped.
        const uint64_t kept = std::min<uint64_t>(count, m_palette.size());
        for (uint64_t i = 0; i < kept; ++i) {
            const uint64_t e = at + i * entrySize;
            m_palette[i] = kOpaque | (uint32_t(*m_dib.u8(e + 2)) << 16) | (uint32_t(*m_dib.u8(e + 1)) << 8) | *m_dib.u8(e);
        }
        m_paletteSize = uint32_t(kept);
        m_bits = at + count * entrySize;
        return Status::ok();
    }

    bool runLength() const { return m_header.compression == kBiRle8 || m_header.compression == kBiRle4; }

    // The pixels are allocated only when the data can fill them: uncompressed rows must all
    // be present, and run-length data must be long enough to plausibly code the area (each
    // two-byte run covers at most 255 pixels), so a tiny file cannot demand a huge bitmap.
    Status checkDataSize() const
    {
        const uint64_t pixels = uint64_t(m_header.width) * uint64_t(m_rows);
        if (runLength()) {
            const uint64_t remaining = m_dib.size() > m_bits ? m_dib.size() - m_bits : 0;
            if (pixels > std::max<uint64_t>(65536, remaining * 128))
                return invalid("run-length data too short for a bitmap of its size");
            return Status::ok();
        }
        if (!m_dib.contains(m_bits, stride() * uint64_t(m_rows)))
            return invalid("pixel data truncated");
        return Status::ok();
    }

    uint64_t stride() const { return ((uint64_t(m_header.width) * m_header.bitsPerPixel + 31) / 32) * 4; }

    uint32_t paletteColor(uint32_t index) const
    {
        return index < m_paletteSize ? m_palette[index] : kOpaque;
    }

    int64_t outputRow(int64_t storedRow) const { return m_topDown ? storedRow : m_rows - 1 - storedRow; }

    // The rows were checked to lie inside the data by checkDataSize.
    void decodeRows(ModuleBitmap& bitmap) const
    {
        const int64_t width = m_header.width;
        const uint8_t* base = m_dib.bytes().data() + m_bits;
        for (int64_t row = 0; row < m_rows; ++row) {
            const uint8_t* src = base + uint64_t(row) * stride();
            uint32_t* out = bitmap.pixels.data() + outputRow(row) * width;
            for (int64_t x = 0; x < width; ++x)
                out[x] = pixelAt(src, x);
        }
    }

    uint32_t pixelAt(const uint8_t* row, int64_t x) const
    {
        switch (m_header.bitsPerPixel) {
        case 1: return paletteColor((row[x / 8] >> (7 - x % 8)) & 1);
        case 4: return paletteColor((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
        case 8: return paletteColor(row[x]);
        case 16: return m_masks.argb(uint32_t(row[2 * x] | (row[2 * x + 1] << 8)));
        case 24: return kOpaque | (uint32_t(row[3 * x + 2]) << 16) | (uint32_t(row[3 * x + 1]) << 8) | row[3 * x];
        default: {
            const uint8_t* p = row + 4 * x;
            return m_masks.argb(uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24));
        }
        }
    }

    // Runs and escapes as the system codes them; pixels the code skips keep colour 0.
    Status decodeRunLength(ModuleBitmap& bitmap) const
    {
        const bool four = m_header.compression == kBiRle4;
        const int64_t width = m_header.width;
        int64_t x = 0;
        int64_t row = 0;
        uint64_t at = m_bits;
        const auto put = [&](uint32_t index) {
            if (x < width && row < m_rows)
                bitmap.pixels[size_t(outputRow(row) * width + x)] = paletteColor(index);
            ++x;
        };
        while (row < m_rows) {
            const auto count = m_dib.u8(at), value = m_dib.u8(at + 1);
            if (!value)
                return invalid("run-length data ends without an end mark");
            at += 2;
            if (*count > 0) {
                for (int i = 0; i < *count; ++i)
                    put(four ? (i % 2 ? *value & 0xF : *value >> 4) : *value);
                continue;
            }
            if (*value == 0) { // end of line
                x = 0;
                ++row;
            } else if (*value == 1) { // end of bitmap
                break;
            } else if (*value == 2) { // move right and up
                const auto dx = m_dib.u8(at), dy = m_dib.u8(at + 1);
                if (!dy)
                    return invalid("run-length move truncated");
                at += 2;
                x += *dx;
                row += *dy;
            } else { // literal pixels, padded to a 16-bit boundary
                const uint64_t bytes = four ? (uint64_t(*value) + 1) / 2 : *value;
                if (!m_dib.contains(at, bytes))
                    return invalid("run-length literal truncated");
                for (int i = 0; i < *value; ++i) {
                    const uint8_t b = *m_dib.u8(at + (four ? i / 2 : i));
                    put(four ? (i % 2 ? b & 0xF : b >> 4) : b);
                }
                at += bytes + (bytes & 1);
            }
        }
        return Status::ok();
    }

    ByteView m_dib;
    Header m_header;
    bool m_topDown = false;
    int64_t m_rows = 0;
    Masks m_masks;
    std::array<uint32_t, 256> m_palette{};
    uint32_t m_paletteSize = 0;
    uint64_t m_bits = 0;
};

} // namespace

Result<ModuleBitmap> DibDecoder::decode(std::span<const uint8_t> dib)
{
    return Decoder(dib).run();
}

} // namespace platform
