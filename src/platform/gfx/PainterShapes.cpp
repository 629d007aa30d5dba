#include "platform/gfx/Painter.h"

#include "platform/gfx/EllipseOutline.h"
#include "platform/gfx/LineTracer.h"
#include "platform/gfx/PainterStroke.h"
#include "platform/gfx/SpanSet.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {

namespace {

// An inside-frame pen wider than one pixel keeps its whole width inside the figure's box.
void InsetForInsideFrame(const Pen& pen, int32_t w, int64_t& L, int64_t& T, int64_t& R, int64_t& B)
{
    if (pen.style == PenStyle::InsideFrame && w > 1 && R - L > w && B - T > w) {
        L += (w - 1) / 2;
        T += (w - 1) / 2;
        R -= w / 2;
        B -= w / 2;
    }
}

// Ellipses and rounded rectangles larger than this on a side are not drawn: their outline
// would take memory in proportion to their size however little of them is visible.
constexpr int64_t maxFigureSize = int64_t(1) << 16;

// On and off lengths of the broken pen styles, starting with "on".
struct DashPattern {
    uint8_t lengths[6];
    int count;
};

const DashPattern* dashPattern(PenStyle style)
{
    static constexpr DashPattern dash{{18, 6}, 2};
    static constexpr DashPattern dot{{3, 3}, 2};
    static constexpr DashPattern dashDot{{9, 6, 3, 6}, 4};
    static constexpr DashPattern dashDotDot{{9, 3, 3, 3, 3, 3}, 6};
    switch (style) {
    case PenStyle::Dash: return &dash;
    case PenStyle::Dot: return &dot;
    case PenStyle::DashDot: return &dashDot;
    case PenStyle::DashDotDot: return &dashDotDot;
    default: return nullptr;
    }
}

bool dashOn(const DashPattern& p, int64_t step)
{
    int total = 0;
    for (int i = 0; i < p.count; ++i)
        total += p.lengths[i];
    int64_t pos = ((step % total) + total) % total;
    for (int i = 0; i < p.count; ++i) {
        if (pos < p.lengths[i])
            return i % 2 == 0;
        pos -= p.lengths[i];
    }
    return true;
}

// The round tip of a pen w pixels wide: for each row offset from the centre pixel, the
// columns [first, last] it covers. Even widths lean right and down by half a pixel.
struct TipRow {
    int32_t dy, x0, x1;
};

std::vector<TipRow> penTip(int32_t w)
{
    std::vector<TipRow> rows;
    const int32_t lo = -(w - 1) / 2, hi = w / 2, shift = (w % 2 == 0) ? 1 : 0;
    for (int32_t dy = lo; dy <= hi; ++dy) {
        int32_t first = hi + 1, last = lo - 1;
        for (int32_t dx = lo; dx <= hi; ++dx) {
            const int64_t ex = 2 * dx - shift, ey = 2 * dy - shift;
            if (ex * ex + ey * ey <= int64_t(w) * w) {
                first = std::min(first, dx);
                last = std::max(last, dx);
            }
        }
        if (first <= last)
            rows.push_back({dy, first, last});
    }
    return rows;
}

void addTip(SpanSet& set, const std::vector<TipRow>& tip, int32_t x, int32_t y, const Rect& clip)
{
    for (const TipRow& r : tip)
        if (y + r.dy >= clip.top && y + r.dy < clip.bottom)
            set.add(y + r.dy, x + r.x0, x + r.x1 + 1);
}

// The pixels a round pen w wide covers on its way from a to b: those within w / 2 of the
// segment (measured from the pixel, the segment shifted by half a pixel for even widths, as
// the pen's tip is). Computed row by row, so the cost follows the visible rows only.
void addCapsule(SpanSet& set, int64_t ax, int64_t ay, int64_t bx, int64_t by, int32_t w, const Rect& clip)
{
    const double shift = (w % 2 == 0) ? 0.5 : 0.0, r = w / 2.0, eps = 1e-7;
    const double x0 = double(ax) + shift, y0 = double(ay) + shift, x1 = double(bx) + shift, y1 = double(by) + shift;
    const double dx = x1 - x0, dy = y1 - y0, length = std::sqrt(dx * dx + dy * dy);
    const double first = std::max<double>(std::floor(std::min(y0, y1) - r), clip.top);
    const double last = std::min<double>(std::ceil(std::max(y0, y1) + r), clip.bottom - 1);
    for (double y = first; y <= last; ++y) {
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        auto disc = [&](double cx, double cy) {
            const double h = r * r - (y - cy) * (y - cy);
            if (h >= 0) {
                lo = std::min(lo, cx - std::sqrt(h));
                hi = std::max(hi, cx + std::sqrt(h));
            }
        };
        disc(x0, y0);
        disc(x1, y1);
        if (length > 0) {
            // Points whose projection falls on the segment and lie within r of its line.
            const double ux = dx / length, uy = dy / length;
            double bandLo = -HUGE_VAL, bandHi = HUGE_VAL;
            auto limit = [&](double coefficient, double constant, double min, double max) {
                // min <= coefficient * x + constant <= max
                if (std::abs(coefficient) < 1e-12) {
                    if (constant < min - eps || constant > max + eps)
                        bandLo = HUGE_VAL;
                    return;
                }
                double a = (min - constant) / coefficient, b = (max - constant) / coefficient;
                if (a > b)
                    std::swap(a, b);
                bandLo = std::max(bandLo, a);
                bandHi = std::min(bandHi, b);
            };
            limit(ux, -ux * x0 + uy * (y - y0), 0, length);
            limit(-uy, uy * x0 + ux * (y - y0), -r, r);
            if (bandLo <= bandHi) {
                lo = std::min(lo, bandLo);
                hi = std::max(hi, bandHi);
            }
        }
        if (lo > hi)
            continue;
        const double from = std::max<double>(std::ceil(lo - eps), clip.left);
        const double to = std::min<double>(std::floor(hi + eps) + 1, clip.right);
        if (from < to)
            set.add(int32_t(y), int32_t(from), int32_t(to));
    }
}

// Adds [x0, x1) on row y, cut to the clip, to a set.
void addClipped(SpanSet& set, int64_t y, int64_t x0, int64_t x1, const Rect& clip)
{
    if (y < clip.top || y >= clip.bottom)
        return;
    x0 = std::max<int64_t>(x0, clip.left);
    x1 = std::min<int64_t>(x1, clip.right);
    if (x0 < x1)
        set.add(int32_t(y), int32_t(x0), int32_t(x1));
}

void sortUnique(std::vector<Point>& pts)
{
    std::sort(pts.begin(), pts.end(), [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
}

// Orders the pixels of a convex outline around its centre, for dash patterns to follow.
void orderAround(std::vector<Point>& pts)
{
    if (pts.empty())
        return;
    int64_t sx = 0, sy = 0;
    for (Point p : pts) {
        sx += p.x;
        sy += p.y;
    }
    const double cx = double(sx) / double(pts.size()), cy = double(sy) / double(pts.size());
    std::vector<std::pair<double, Point>> keyed;
    keyed.reserve(pts.size());
    for (Point p : pts)
        keyed.push_back({std::atan2(double(p.y) - cy, double(p.x) - cx), p});
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return a.second.y != b.second.y ? a.second.y < b.second.y : a.second.x < b.second.x;
    });
    for (size_t i = 0; i < pts.size(); ++i)
        pts[i] = keyed[i].second;
}

} // namespace

void Painter::strokeSegment(Stroke& stroke, Device a, Device b, bool includeEnd, int64_t& step)
{
    const Pen& pen = m_state.pen;
    const int64_t length = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    if (pen.isNull()) {
        step += length;
        return;
    }
    const int32_t w = pen.effectiveWidth();
    if (w == 1) {
        const DashPattern* dash = pen.isStyled() ? dashPattern(pen.style) : nullptr;
        const bool gaps = m_state.backgroundMode == BackgroundMode::Opaque;
        const int64_t start = step;
        traceLine(a.x, a.y, b.x, b.y, includeEnd, m_state.clip, [&](int32_t x, int32_t y, int64_t i) {
            if (!dash || dashOn(*dash, start + i))
                stroke.pen.addPoint(x, y);
            else if (gaps)
                stroke.gaps.addPoint(x, y);
        });
    } else {
        addCapsule(stroke.pen, a.x, a.y, b.x, b.y, w, m_state.clip);
    }
    step += length;
}

void Painter::paintStroke(Stroke& stroke)
{
    paintSpans(stroke.pen, m_state.pen.color.argb, m_state.drawMode);
    if (!stroke.gaps.isEmpty()) {
        stroke.gaps.subtract(stroke.pen);
        paintSpans(stroke.gaps, m_state.backgroundColor.argb, m_state.drawMode);
    }
}

void Painter::fillAndStroke(SpanSet& inside, Stroke& stroke)
{
    if (!m_state.brush.isNull() && !inside.isEmpty()) {
        inside.subtract(stroke.pen);
        inside.subtract(stroke.gaps);
        paintSpansBrush(inside, m_state.brush, m_state.drawMode);
    }
    paintStroke(stroke);
}

void Painter::moveTo(Point p)
{
    m_state.currentPosition = p;
    m_state.styleStep = 0;
}

void Painter::lineTo(Point p)
{
    const Device a = toDevice(m_state.currentPosition), b = toDevice(p);
    m_state.currentPosition = p;
    const Pen& pen = m_state.pen;
    if (pen.effectiveWidth() == 1 && !pen.isNull()) {
        // One pixel wide: every pixel is visited once, so paint as we go.
        const DashPattern* dash = pen.isStyled() ? dashPattern(pen.style) : nullptr;
        const bool gaps = m_state.backgroundMode == BackgroundMode::Opaque;
        const DrawMode mode = m_state.drawMode;
        const uint32_t color = pen.color.argb, background = m_state.backgroundColor.argb;
        const int64_t start = m_state.styleStep;
        traceLine(a.x, a.y, b.x, b.y, false, m_state.clip, [&](int32_t x, int32_t y, int64_t i) {
            uint32_t& px = m_target.row(y)[size_t(x)];
            if (!dash || dashOn(*dash, start + i))
                px = applyDrawMode(mode, color, px);
            else if (gaps)
                px = applyDrawMode(mode, background, px);
        });
        m_state.styleStep += std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
        return;
    }
    Stroke stroke;
    strokeSegment(stroke, a, b, false, m_state.styleStep);
    paintStroke(stroke);
}

void Painter::drawLine(Point from, Point to)
{
    moveTo(from);
    lineTo(to);
}

void Painter::polyline(std::span<const Point> points)
{
    if (points.size() < 2)
        return;
    Stroke stroke;
    int64_t step = 0;
    for (size_t i = 1; i < points.size(); ++i)
        strokeSegment(stroke, toDevice(points[i - 1]), toDevice(points[i]), false, step);
    paintStroke(stroke);
}

void Painter::rectangle(const Rect& r)
{
    const Rect n = r.normalized();
    if (n.isEmpty())
        return;
    const Device tl = toDevice(n.topLeft()), br = toDevice(n.bottomRight());
    int64_t L = tl.x, T = tl.y, R = br.x, B = br.y;
    const Rect& clip = m_state.clip;
    const Pen& pen = m_state.pen;
    const int32_t w = pen.effectiveWidth();
    Stroke stroke;
    SpanSet inside;

    if (pen.isNull()) {
        for (int64_t y = std::max<int64_t>(T, clip.top); y < std::min<int64_t>(B, clip.bottom); ++y)
            addClipped(inside, y, L, R, clip);
        fillAndStroke(inside, stroke);
        return;
    }
    if (pen.style == PenStyle::InsideFrame && w > 1) {
        L += (w - 1) / 2;
        T += (w - 1) / 2;
        R -= w / 2;
        B -= w / 2;
        if (R <= L || B <= T) { // the pen fills the whole rectangle
            for (int64_t y = std::max<int64_t>(tl.y, clip.top); y < std::min<int64_t>(br.y, clip.bottom); ++y)
                addClipped(stroke.pen, y, tl.x, br.x, clip);
            paintStroke(stroke);
            return;
        }
    }

    if (pen.isStyled()) {
        int64_t step = 0;
        if (R - L == 1 || B - T == 1) {
            strokeSegment(stroke, {L, T}, {R - 1, B - 1}, true, step);
        } else {
            strokeSegment(stroke, {L, T}, {R - 1, T}, false, step);
            strokeSegment(stroke, {R - 1, T}, {R - 1, B - 1}, false, step);
            strokeSegment(stroke, {R - 1, B - 1}, {L, B - 1}, false, step);
            strokeSegment(stroke, {L, B - 1}, {L, T}, false, step);
        }
    } else {
        // A band w pixels wide centred on the outline pixels.
        const int64_t lo = (w - 1) / 2, hi = w / 2;
        for (int64_t y = std::max<int64_t>(T - lo, clip.top); y < std::min<int64_t>(B + hi, clip.bottom); ++y) {
            if (y <= T + hi || y >= B - 1 - lo) {
                addClipped(stroke.pen, y, L - lo, R + hi, clip);
            } else {
                addClipped(stroke.pen, y, L - lo, L + hi + 1, clip);
                addClipped(stroke.pen, y, R - 1 - lo, R + hi, clip);
            }
        }
    }
    const int64_t inset = pen.isStyled() ? 1 : w / 2 + 1, insetEnd = pen.isStyled() ? 1 : (w - 1) / 2 + 1;
    for (int64_t y = std::max<int64_t>(T + inset, clip.top); y < std::min<int64_t>(B - insetEnd, clip.bottom); ++y)
        addClipped(inside, y, L + inset, R - insetEnd, clip);
    fillAndStroke(inside, stroke);
}

void Painter::ellipse(const Rect& r)
{
    const Rect n = r.normalized();
    if (n.isEmpty())
        return;
    const Device tl = toDevice(n.topLeft()), br = toDevice(n.bottomRight());
    int64_t L = tl.x, T = tl.y, R = br.x, B = br.y;
    const Pen& pen = m_state.pen;
    const int32_t w = pen.effectiveWidth();
    InsetForInsideFrame(pen, w, L, T, R, B);
    if (R - L > maxFigureSize || B - T > maxFigureSize)
        return;
    const Rect reach = m_state.clip.inflatedBy(w + 1, w + 1);
    if (R < reach.left || L > reach.right || B < reach.top || T > reach.bottom)
        return;
    std::vector<Point> outline;
    ellipseOutline(L, T, R - 1, B - 1, outline);
    strokeFigure(outline);
}

void Painter::roundRect(const Rect& r, Size corner)
{
    const Rect n = r.normalized();
    if (n.isEmpty())
        return;
    const Device tl = toDevice(n.topLeft()), br = toDevice(n.bottomRight());
    int64_t L = tl.x, T = tl.y, R = br.x, B = br.y;
    const Pen& pen = m_state.pen;
    const int32_t w = pen.effectiveWidth();
    InsetForInsideFrame(pen, w, L, T, R, B);
    const int64_t cw = std::min<int64_t>(std::abs(int64_t(corner.cx)), R - L);
    const int64_t ch = std::min<int64_t>(std::abs(int64_t(corner.cy)), B - T);
    if (cw < 2 || ch < 2) {
        rectangle(r);
        return;
    }
    if (R - L > maxFigureSize || B - T > maxFigureSize)
        return;
    const Rect reach = m_state.clip.inflatedBy(w + 1, w + 1);
    if (R < reach.left || L > reach.right || B < reach.top || T > reach.bottom)
        return;

    // The corners are the quarters of a cw x ch ellipse, pushed out to the rectangle's
    // corners; straight edges join them.
    std::vector<Point> arc;
    ellipseOutline(0, 0, cw - 1, ch - 1, arc);
    std::vector<Point> outline;
    outline.reserve(arc.size() + size_t(2 * (R - L + B - T)));
    for (Point p : arc) {
        const int64_t x = 2 * p.x < cw ? L + p.x : R - cw + p.x;
        const int64_t y = 2 * p.y < ch ? T + p.y : B - ch + p.y;
        outline.push_back({int32_t(x), int32_t(y)});
    }
    for (int64_t x = L + (cw - 1) / 2; x <= R - 1 - (cw - 1) / 2; ++x) {
        outline.push_back({int32_t(x), int32_t(T)});
        outline.push_back({int32_t(x), int32_t(B - 1)});
    }
    for (int64_t y = T + (ch - 1) / 2; y <= B - 1 - (ch - 1) / 2; ++y) {
        outline.push_back({int32_t(L), int32_t(y)});
        outline.push_back({int32_t(R - 1), int32_t(y)});
    }
    strokeFigure(outline);
}

void Painter::strokeFigure(std::vector<Point>& outline)
{
    sortUnique(outline);
    const Rect& clip = m_state.clip;
    const Pen& pen = m_state.pen;
    SpanSet inside;
    // The whole figure: each row from its leftmost to its rightmost outline pixel.
    for (size_t i = 0; i < outline.size();) {
        size_t j = i;
        while (j + 1 < outline.size() && outline[j + 1].y == outline[i].y)
            ++j;
        addClipped(inside, outline[i].y, outline[i].x, int64_t(outline[j].x) + 1, clip);
        i = j + 1;
    }
    Stroke stroke;
    if (!pen.isNull()) {
        const int32_t w = pen.effectiveWidth();
        if (w > 1) {
            const std::vector<TipRow> tip = penTip(w);
            const Rect reach = clip.inflatedBy(w, w);
            for (Point p : outline)
                if (reach.contains(p))
                    addTip(stroke.pen, tip, p.x, p.y, clip);
        } else if (const DashPattern* dash = pen.isStyled() ? dashPattern(pen.style) : nullptr) {
            orderAround(outline);
            const bool gaps = m_state.backgroundMode == BackgroundMode::Opaque;
            for (size_t i = 0; i < outline.size(); ++i) {
                const Point p = outline[i];
                if (!clip.contains(p))
                    continue;
                if (dashOn(*dash, int64_t(i)))
                    stroke.pen.addPoint(p.x, p.y);
                else if (gaps)
                    stroke.gaps.addPoint(p.x, p.y);
            }
        } else {
            for (Point p : outline)
                if (clip.contains(p))
                    stroke.pen.addPoint(p.x, p.y);
        }
    }
    fillAndStroke(inside, stroke);
}

void Painter::polygon(std::span<const Point> points)
{
    if (points.size() < 2)
        return;
    std::vector<Device> dev;
    dev.reserve(points.size());
    for (Point p : points)
        dev.push_back(toDevice(p));
    const Rect& clip = m_state.clip;

    SpanSet inside;
    if (!m_state.brush.isNull() && points.size() >= 3) {
        int64_t minY = dev[0].y, maxY = dev[0].y;
        for (const Device& d : dev) {
            minY = std::min(minY, d.y);
            maxY = std::max(maxY, d.y);
        }
        struct Crossing {
            double x;
            int dir;
        };
        std::vector<Crossing> crossings;
        const bool winding = m_state.polyFillMode == PolyFillMode::Winding;
        for (int64_t y = std::max<int64_t>(minY, clip.top); y < std::min<int64_t>(maxY, clip.bottom); ++y) {
            // Pixels whose centres lie inside the polygon.
            crossings.clear();
            const double yc = double(y) + 0.5;
            for (size_t i = 0; i < dev.size(); ++i) {
                const Device& a = dev[i];
                const Device& b = dev[(i + 1) % dev.size()];
                if (a.y == b.y)
                    continue;
                const bool down = a.y < b.y;
                const Device& top = down ? a : b;
                const Device& bottom = down ? b : a;
                if (y < top.y || y >= bottom.y)
                    continue;
                const double x = double(top.x) + (yc - double(top.y)) * double(bottom.x - top.x) / double(bottom.y - top.y);
                crossings.push_back({x, down ? 1 : -1});
            }
            std::sort(crossings.begin(), crossings.end(), [](const Crossing& p, const Crossing& q) { return p.x < q.x; });
            int count = 0;
            for (size_t i = 0; i + 1 < crossings.size(); ++i) {
                count += winding ? crossings[i].dir : 1;
                const bool in = winding ? count != 0 : (count % 2) == 1;
                if (!in)
                    continue;
                const double x0 = std::clamp(std::ceil(crossings[i].x - 0.5), double(clip.left), double(clip.right));
                const double x1 = std::clamp(std::ceil(crossings[i + 1].x - 0.5), double(clip.left), double(clip.right));
                if (x0 < x1)
                    inside.add(int32_t(y), int32_t(x0), int32_t(x1));
            }
        }
    }

    Stroke stroke;
    int64_t step = 0;
    for (size_t i = 0; i < dev.size(); ++i)
        strokeSegment(stroke, dev[i], dev[(i + 1) % dev.size()], false, step);
    fillAndStroke(inside, stroke);
}

} // namespace platform
