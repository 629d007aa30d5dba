#include "platform/ui/ImageList.h"

#include "platform/gfx/Painter.h"

namespace platform {

int ImageList::add(const Bitmap& strip, std::optional<Color> maskColor)
{
    if (m_size.cx <= 0 || m_size.cy <= 0 || strip.height() != m_size.cy || strip.width() < m_size.cx)
        return -1;
    const int first = count();
    for (int32_t x = 0; x + m_size.cx <= strip.width(); x += m_size.cx) {
        Bitmap image(m_size);
        Painter p(image);
        p.bitBlt({0, 0, m_size.cx, m_size.cy}, strip, {x, 0});
        m_images.push_back({std::move(image), maskColor});
    }
    return first;
}

bool ImageList::remove(int index)
{
    if (index < 0 || index >= count())
        return false;
    m_images.erase(m_images.begin() + index);
    return true;
}

bool ImageList::draw(Painter& painter, int index, Point at) const
{
    if (index < 0 || index >= count())
        return false;
    const Image& image = m_images[size_t(index)];
    const Rect target = Rect::fromPointAndSize(at, m_size);
    if (image.mask)
        painter.transparentBlt(target, image.bitmap, {0, 0, m_size.cx, m_size.cy}, *image.mask);
    else
        painter.bitBlt(target, image.bitmap, {0, 0});
    return true;
}

} // namespace platform
