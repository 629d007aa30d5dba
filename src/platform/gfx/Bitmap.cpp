#include "platform/gfx/Bitmap.h"

#include <algorithm>
#include <string>

namespace platform {

bool Bitmap::isAcceptableSize(Size size, int64_t pixelLimit)
{
    if (size.cx < 0 || size.cy < 0 || size.cx > maxDimension || size.cy > maxDimension)
        return false;
    return int64_t(size.cx) * size.cy <= std::min(pixelLimit, maxPixels);
}

Bitmap::Bitmap(Size size, Color fill)
{
    if (!isAcceptableSize(size))
        return;
    m_width = size.cx;
    m_height = size.cy;
    m_pixels.assign(size_t(m_width) * size_t(m_height), fill.argb);
}

Result<Bitmap> Bitmap::create(Size size, Color fill)
{
    if (!isAcceptableSize(size))
        return Result<Bitmap>::failure("A bitmap of " + std::to_string(size.cx) + " x " + std::to_string(size.cy)
                                       + " pixels is not possible.");
    return Bitmap(size, fill);
}

std::span<uint32_t> Bitmap::row(int32_t y)
{
    if (y < 0 || y >= m_height)
        return {};
    return std::span<uint32_t>(m_pixels).subspan(size_t(y) * size_t(m_width), size_t(m_width));
}

std::span<const uint32_t> Bitmap::row(int32_t y) const
{
    if (y < 0 || y >= m_height)
        return {};
    return std::span<const uint32_t>(m_pixels).subspan(size_t(y) * size_t(m_width), size_t(m_width));
}

void Bitmap::fill(Color c)
{
    std::fill(m_pixels.begin(), m_pixels.end(), c.argb);
}

} // namespace platform
