#include "platform/gfx/Painter.h"

#include "platform/gfx/PainterStroke.h"
#include "platform/gfx/SafeGeometry.h"
#include "platform/gfx/SpanSet.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

uint32_t blend(uint32_t s, uint32_t d)
{
    const uint32_t a = s >> 24;
    if (a == 255)
        return s;
    if (a == 0)
        return d | 0xFF000000;
    auto mix = [a](uint32_t sc, uint32_t dc) { return (sc * a + dc * (255 - a) + 127) / 255; };
    const uint32_t r = mix((s >> 16) & 0xFF, (d >> 16) & 0xFF);
    const uint32_t g = mix((s >> 8) & 0xFF, (d >> 8) & 0xFF);
    const uint32_t b = mix(s & 0xFF, d & 0xFF);
    return 0xFF000000 | (r << 16) | (g << 8) | b;
}

// The device rectangle [x0, x1) x [y0, y1) of 64-bit coordinates cut down to a clip rectangle.
Rect clipWide(int64_t x0, int64_t y0, int64_t x1, int64_t y1, const Rect& clip)
{
    const int64_t l = std::max<int64_t>(x0, clip.left), t = std::max<int64_t>(y0, clip.top);
    const int64_t r = std::min<int64_t>(x1, clip.right), b = std::min<int64_t>(y1, clip.bottom);
    if (l >= r || t >= b)
        return {};
    return {int32_t(l), int32_t(t), int32_t(r), int32_t(b)};
}

// Visits the device pixels of dst (inside clip) with the source pixel a nearest-neighbour
// scaling of srcRect onto dst picks for each; visit(x, y, sx, sy).
template <typename Visit>
void forEachStretched(int64_t dl, int64_t dt, int64_t dw, int64_t dh, const Rect& srcRect, const Rect& clip,
                      Visit&& visit)
{
    int64_t sw = srcRect.width(), sh = srcRect.height();
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0)
        return;
    const bool mirrorX = (dw < 0) != (sw < 0), mirrorY = (dh < 0) != (sh < 0);
    if (dw < 0) {
        dl += dw;
        dw = -dw;
    }
    if (dh < 0) {
        dt += dh;
        dh = -dh;
    }
    const int64_t sl = std::min<int64_t>(srcRect.left, srcRect.right), st = std::min<int64_t>(srcRect.top, srcRect.bottom);
    sw = std::abs(sw);
    sh = std::abs(sh);
    const Rect area = clipWide(dl, dt, dl + dw, dt + dh, clip);
    if (area.isEmpty())
        return;
    std::vector<int64_t> columns(size_t(area.width()));
    for (int32_t x = area.left; x < area.right; ++x) {
        int64_t i = x - dl;
        if (mirrorX)
            i = dw - 1 - i;
        columns[size_t(x - area.left)] = sl + (2 * i + 1) * sw / (2 * dw);
    }
    for (int32_t y = area.top; y < area.bottom; ++y) {
        int64_t j = y - dt;
        if (mirrorY)
            j = dh - 1 - j;
        const int64_t sy = st + (2 * j + 1) * sh / (2 * dh);
        for (int32_t x = area.left; x < area.right; ++x)
            visit(x, y, columns[size_t(x - area.left)], sy);
    }
}

bool inBitmap(const Bitmap& b, int64_t x, int64_t y)
{
    return x >= 0 && y >= 0 && x < b.width() && y < b.height();
}

} // namespace

Painter::Painter(Bitmap& target, SystemColors colors) : m_target(target), m_colors(colors)
{
    m_state.clip = m_target.rect();
}

void Painter::save()
{
    m_saved.push_back(m_state);
}

bool Painter::restore()
{
    if (m_saved.empty())
        return false;
    m_state = std::move(m_saved.back());
    m_saved.pop_back();
    return true;
}

Rect Painter::toDeviceClipped(const Rect& r) const
{
    const Rect n = r.normalized();
    const Device a = toDevice(n.topLeft()), b = toDevice(n.bottomRight());
    return clipWide(a.x, a.y, b.x, b.y, m_state.clip);
}

void Painter::setClipRect(const Rect& r)
{
    const Rect n = r.normalized();
    const Device a = toDevice(n.topLeft()), b = toDevice(n.bottomRight());
    m_state.clip = clipWide(a.x, a.y, b.x, b.y, m_target.rect());
}

void Painter::intersectClipRect(const Rect& r)
{
    m_state.clip = toDeviceClipped(r);
}

Rect Painter::clipRect() const
{
    const Rect& c = m_state.clip;
    const int64_t ox = m_state.origin.x, oy = m_state.origin.y;
    return {clampToInt32(c.left - ox), clampToInt32(c.top - oy), clampToInt32(c.right - ox), clampToInt32(c.bottom - oy)};
}

void Painter::translate(int32_t dx, int32_t dy)
{
    m_state.origin = {clampToInt32(int64_t(m_state.origin.x) + dx), clampToInt32(int64_t(m_state.origin.y) + dy)};
}

void Painter::setPen(const Pen& pen)
{
    m_state.pen = pen;
    m_state.styleStep = 0;
}

void Painter::setPixel(Point p, Color c)
{
    const Device d = toDevice(p);
    if (d.x >= m_state.clip.left && d.x < m_state.clip.right && d.y >= m_state.clip.top && d.y < m_state.clip.bottom)
        m_target.setPixel(int32_t(d.x), int32_t(d.y), c.opaque());
}

Color Painter::pixel(Point p) const
{
    const Device d = toDevice(p);
    if (!inBitmap(m_target, d.x, d.y))
        return colors::transparent;
    return m_target.pixel(int32_t(d.x), int32_t(d.y));
}

uint32_t Painter::brushColorAt(const Brush& brush, int32_t x, int32_t y, bool& paint) const
{
    paint = true;
    switch (brush.style) {
    case BrushStyle::Solid: return brush.color.argb;
    case BrushStyle::Null: paint = false; return 0;
    case BrushStyle::Hatched:
        if (Brush::hatchCovers(brush.hatch, x, y))
            return brush.color.argb;
        paint = m_state.backgroundMode == BackgroundMode::Opaque;
        return m_state.backgroundColor.argb;
    case BrushStyle::Pattern:
        return brush.patternBit(x, y) ? m_state.textColor.argb : m_state.backgroundColor.argb;
    }
    paint = false;
    return 0;
}

void Painter::paintSpanColor(int32_t y, int32_t x0, int32_t x1, uint32_t color, DrawMode mode)
{
    auto row = m_target.row(y);
    if (mode == DrawMode::CopyPen) {
        std::fill(row.begin() + x0, row.begin() + x1, color | 0xFF000000);
        return;
    }
    for (int32_t x = x0; x < x1; ++x)
        row[size_t(x)] = applyDrawMode(mode, color, row[size_t(x)]);
}

void Painter::paintSpanBrush(int32_t y, int32_t x0, int32_t x1, const Brush& brush, DrawMode mode)
{
    if (brush.style == BrushStyle::Solid) {
        paintSpanColor(y, x0, x1, brush.color.argb, mode);
        return;
    }
    if (brush.style == BrushStyle::Null)
        return;
    auto row = m_target.row(y);
    for (int32_t x = x0; x < x1; ++x) {
        bool paint = false;
        const uint32_t c = brushColorAt(brush, x, y, paint);
        if (paint)
            row[size_t(x)] = applyDrawMode(mode, c, row[size_t(x)]);
    }
}

void Painter::paintSpans(SpanSet& spans, uint32_t color, DrawMode mode)
{
    spans.clipTo(m_state.clip);
    for (const auto& s : spans.spans())
        paintSpanColor(s.y, s.x0, s.x1, color, mode);
}

void Painter::paintSpansBrush(SpanSet& spans, const Brush& brush, DrawMode mode)
{
    spans.clipTo(m_state.clip);
    for (const auto& s : spans.spans())
        paintSpanBrush(s.y, s.x0, s.x1, brush, mode);
}

void Painter::fillRect(const Rect& r, const Brush& brush)
{
    const Rect d = toDeviceClipped(r);
    for (int32_t y = d.top; y < d.bottom; ++y)
        paintSpanBrush(y, d.left, d.right, brush, DrawMode::CopyPen);
}

void Painter::frameRect(const Rect& r, const Brush& brush)
{
    const Rect n = saneRect(r).normalized();
    if (n.isEmpty())
        return;
    fillRect({n.left, n.top, n.right, n.top + 1}, brush);
    fillRect({n.left, n.bottom - 1, n.right, n.bottom}, brush);
    fillRect({n.left, n.top + 1, n.left + 1, n.bottom - 1}, brush);
    fillRect({n.right - 1, n.top + 1, n.right, n.bottom - 1}, brush);
}

void Painter::invertRect(const Rect& r)
{
    const Rect d = toDeviceClipped(r);
    for (int32_t y = d.top; y < d.bottom; ++y)
        paintSpanColor(y, d.left, d.right, 0, DrawMode::Not);
}

void Painter::drawFocusRect(const Rect& r)
{
    const Rect n = r.normalized();
    if (n.isEmpty())
        return;
    const Device a = toDevice(n.topLeft()), b = toDevice(n.bottomRight());
    const Rect& c = m_state.clip;
    SpanSet dots;
    // Every other pixel along the frame, counted from its top left corner.
    auto addRow = [&](int64_t y) {
        if (y < c.top || y >= c.bottom)
            return;
        for (int64_t x = std::max<int64_t>(a.x, c.left); x < std::min<int64_t>(b.x, c.right); ++x)
            if (((x - a.x) + (y - a.y)) % 2 == 0)
                dots.addPoint(int32_t(x), int32_t(y));
    };
    auto addColumn = [&](int64_t x) {
        if (x < c.left || x >= c.right)
            return;
        for (int64_t y = std::max<int64_t>(a.y, c.top); y < std::min<int64_t>(b.y, c.bottom); ++y)
            if (((x - a.x) + (y - a.y)) % 2 == 0)
                dots.addPoint(int32_t(x), int32_t(y));
    };
    addRow(a.y);
    addRow(b.y - 1);
    addColumn(a.x);
    addColumn(b.x - 1);
    paintSpans(dots, 0, DrawMode::Not);
}

void Painter::patBlt(const Rect& r, RasterOp op)
{
    const Rect d = toDeviceClipped(r);
    const uint8_t table = rasterOpTable(op);
    for (int32_t y = d.top; y < d.bottom; ++y) {
        auto row = m_target.row(y);
        for (int32_t x = d.left; x < d.right; ++x) {
            bool paint = true;
            const uint32_t p = brushColorAt(m_state.brush, x, y, paint);
            if (paint || !rasterOpUsesPattern(op))
                row[size_t(x)] = applyRasterOp(table, p, 0, row[size_t(x)]);
        }
    }
}

void Painter::bitBlt(const Rect& dst, const Bitmap& src, Point srcPos, RasterOp op)
{
    const int64_t w = int64_t(dst.right) - dst.left, h = int64_t(dst.bottom) - dst.top;
    if (w <= 0 || h <= 0)
        return;
    const Device d = toDevice(dst.topLeft());
    int64_t x0 = d.x, y0 = d.y, x1 = d.x + w, y1 = d.y + h;
    const bool usesSource = rasterOpUsesSource(op);
    if (usesSource) {
        // Keep to the part of the destination that has source pixels under it.
        x0 = std::max<int64_t>(x0, d.x - srcPos.x);
        y0 = std::max<int64_t>(y0, d.y - srcPos.y);
        x1 = std::min<int64_t>(x1, d.x - srcPos.x + src.width());
        y1 = std::min<int64_t>(y1, d.y - srcPos.y + src.height());
    }
    const Rect area = clipWide(x0, y0, x1, y1, m_state.clip);
    if (area.isEmpty())
        return;

    // Copying within one bitmap reads from a snapshot, so overlapping areas come out right.
    Bitmap snapshot;
    const Bitmap* from = &src;
    const int64_t sx0 = area.left - d.x + srcPos.x, sy0 = area.top - d.y + srcPos.y;
    if (usesSource && &src == &m_target) {
        snapshot = Bitmap(area.size());
        for (int32_t y = 0; y < area.height(); ++y)
            for (int32_t x = 0; x < area.width(); ++x)
                snapshot.setPixel(x, y, src.pixel(int32_t(sx0 + x), int32_t(sy0 + y)));
        from = &snapshot;
    }
    const int64_t fx0 = from == &snapshot ? 0 : sx0, fy0 = from == &snapshot ? 0 : sy0;

    const uint8_t table = rasterOpTable(op);
    const bool usesPattern = rasterOpUsesPattern(op);
    for (int32_t y = area.top; y < area.bottom; ++y) {
        auto row = m_target.row(y);
        const int32_t sy = int32_t(fy0 + (y - area.top));
        auto srcRow = usesSource ? from->row(sy) : std::span<const uint32_t>();
        for (int32_t x = area.left; x < area.right; ++x) {
            bool paint = true;
            const uint32_t p = usesPattern ? brushColorAt(m_state.brush, x, y, paint) : 0;
            if (!paint)
                continue;
            const uint32_t s = usesSource ? srcRow[size_t(fx0 + (x - area.left))] : 0;
            row[size_t(x)] = applyRasterOp(table, p, s, row[size_t(x)]);
        }
    }
}

void Painter::stretchBlt(const Rect& dstRect, const Bitmap& src, const Rect& srcRectIn, RasterOp op)
{
    const Rect dst = saneRect(dstRect), srcRect = saneRect(srcRectIn);
    if (dst.width() == srcRect.width() && dst.height() == srcRect.height() && dst.width() > 0 && dst.height() > 0) {
        bitBlt(dst, src, srcRect.topLeft(), op);
        return;
    }
    const Bitmap copy = &src == &m_target ? src : Bitmap();
    const Bitmap& from = &src == &m_target ? copy : src;
    const Device d = toDevice(dst.topLeft());
    const uint8_t table = rasterOpTable(op);
    const bool usesPattern = rasterOpUsesPattern(op);
    forEachStretched(d.x, d.y, dst.width(), dst.height(), srcRect, m_state.clip,
                     [&](int32_t x, int32_t y, int64_t sx, int64_t sy) {
                         bool paint = true;
                         const uint32_t p = usesPattern ? brushColorAt(m_state.brush, x, y, paint) : 0;
                         if (!paint)
                             return;
                         const uint32_t s = inBitmap(from, sx, sy) ? from.pixel(int32_t(sx), int32_t(sy)).argb : 0;
                         auto row = m_target.row(y);
                         row[size_t(x)] = applyRasterOp(table, p, s, row[size_t(x)]);
                     });
}

void Painter::transparentBlt(const Rect& dstRect, const Bitmap& src, const Rect& srcRectIn, Color key)
{
    const Rect dst = saneRect(dstRect), srcRect = saneRect(srcRectIn);
    const Bitmap copy = &src == &m_target ? src : Bitmap();
    const Bitmap& from = &src == &m_target ? copy : src;
    const Device d = toDevice(dst.topLeft());
    forEachStretched(d.x, d.y, dst.width(), dst.height(), srcRect, m_state.clip,
                     [&](int32_t x, int32_t y, int64_t sx, int64_t sy) {
                         if (!inBitmap(from, sx, sy))
                             return;
                         const Color s = from.pixel(int32_t(sx), int32_t(sy));
                         if (s.rgbBits() != key.rgbBits())
                             m_target.setPixel(x, y, s.opaque());
                     });
}

void Painter::drawBitmap(Point p, const Bitmap& src)
{
    const Bitmap copy = &src == &m_target ? src : Bitmap();
    const Bitmap& from = &src == &m_target ? copy : src;
    const Device d = toDevice(p);
    const Rect area = clipWide(d.x, d.y, d.x + from.width(), d.y + from.height(), m_state.clip);
    for (int32_t y = area.top; y < area.bottom; ++y) {
        auto row = m_target.row(y);
        auto srcRow = from.row(int32_t(y - d.y));
        for (int32_t x = area.left; x < area.right; ++x)
            row[size_t(x)] = blend(srcRow[size_t(x - d.x)], row[size_t(x)]);
    }
}

void Painter::drawIcon(Point p, const IconImage& icon)
{
    drawIconScaled(Rect::fromPointAndSize(p, icon.size()), icon);
}

void Painter::drawIconScaled(const Rect& dstRect, const IconImage& icon)
{
    const Rect dst = saneRect(dstRect);
    const Bitmap& img = icon.image;
    const bool masked = !icon.mask.empty() && icon.mask.size() == size_t(img.width()) * size_t(img.height());
    const Device d = toDevice(dst.topLeft());
    forEachStretched(d.x, d.y, dst.width(), dst.height(), img.rect(), m_state.clip,
                     [&](int32_t x, int32_t y, int64_t sx, int64_t sy) {
                         if (!inBitmap(img, sx, sy))
                             return;
                         const uint32_t s = img.pixel(int32_t(sx), int32_t(sy)).argb;
                         auto row = m_target.row(y);
                         uint32_t& out = row[size_t(x)];
                         if (!masked) {
                             out = blend(s, out);
                             return;
                         }
                         // The mask keeps the screen, then the image's colour is xor-ed onto it.
                         const bool through = icon.mask[size_t(sy) * size_t(img.width()) + size_t(sx)] != 0;
                         out = ((through ? out : 0) ^ s) | 0xFF000000;
                     });
}

} // namespace platform
