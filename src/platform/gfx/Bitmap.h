#pragma once

#include "platform/base/Geometry.h"
#include "platform/base/Result.h"
#include "platform/gfx/Color.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// A rectangle of 32-bit pixels (Color's 0xAARRGGBB), rows top to bottom without padding.
// Any size from 0 x 0 up to the limits below. Every accessor is bounds-safe: reads outside
// give transparent black, writes outside are dropped.
class Bitmap {
public:
    // Limits that keep a hostile size from exhausting memory.
    static constexpr int32_t maxDimension = 32767;
    static constexpr int64_t maxPixels = int64_t(1) << 26; // 256 MiB of pixels

    Bitmap() = default;
    // A size outside the limits (or negative) gives an empty bitmap; create() says why.
    explicit Bitmap(Size size, Color fill = colors::black);
    static Result<Bitmap> create(Size size, Color fill = colors::black);
    static bool isAcceptableSize(Size size, int64_t pixelLimit = maxPixels);

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    Size size() const { return {m_width, m_height}; }
    Rect rect() const { return {0, 0, m_width, m_height}; }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }

    Color pixel(int32_t x, int32_t y) const
    {
        return contains(x, y) ? Color(m_pixels[index(x, y)]) : colors::transparent;
    }
    void setPixel(int32_t x, int32_t y, Color c)
    {
        if (contains(x, y))
            m_pixels[index(x, y)] = c.argb;
    }
    bool contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // One row; empty for a row outside the bitmap.
    std::span<uint32_t> row(int32_t y);
    std::span<const uint32_t> row(int32_t y) const;
    std::span<const uint32_t> pixels() const { return m_pixels; }
    std::span<uint32_t> pixels() { return m_pixels; }

    void fill(Color c);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    size_t index(int32_t x, int32_t y) const { return size_t(y) * size_t(m_width) + size_t(x); }

    int32_t m_width = 0;
    int32_t m_height = 0;
    std::vector<uint32_t> m_pixels;
};

} // namespace platform
