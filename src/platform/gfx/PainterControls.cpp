#include "platform/gfx/Painter.h"

#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/EllipseOutline.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/SafeGeometry.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

// Glyphs of the frame controls, drawn at their natural size in the middle of the control.
constexpr const char* closeGlyph[] = {
    "XX....XX", ".XX..XX.", "..XXXX..", "...XX...", "..XXXX..", ".XX..XX.", "XX....XX",
};
constexpr const char* minimizeGlyph[] = {
    "........", "........", "........", "........", "........", ".XXXXXX.", ".XXXXXX.",
};
constexpr const char* maximizeGlyph[] = {
    "XXXXXXXXX", "XXXXXXXXX", "X.......X", "X.......X", "X.......X", "X.......X", "X.......X", "XXXXXXXXX",
};
constexpr const char* restoreGlyph[] = {
    "..XXXXXX", "..XXXXXX", "..X....X", "XXXXXX.X", "XXXXXX.X", "X....XXX", "X....X..", "XXXXXX..",
};
constexpr const char* helpGlyph[] = {
    ".XXXX.", "XX..XX", "....XX", "...XX.", "..XX..", "..XX..", "......", "..XX..", "..XX..",
};
constexpr const char* checkGlyph[] = {
    "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
};
constexpr const char* menuArrowGlyph[] = {"X...", "XX..", "XXX.", "XXXX", "XXX.", "XX..", "X..."};
constexpr const char* bulletGlyph[] = {".XX.", "XXXX", "XXXX", ".XX."};

template <size_t N>
constexpr int32_t rowsOf(const char* const (&)[N])
{
    return int32_t(N);
}

} // namespace

Rect Painter::drawEdge(const Rect& r, uint32_t edgeKind, uint32_t flags)
{
    Rect rc = saneRect(r).normalized();
    const Color face = systemColor(SystemColor::ButtonFace);
    const Color highlight = systemColor(SystemColor::ButtonHighlight);
    const Color light = systemColor(SystemColor::Light3D);
    const Color shadow = systemColor(SystemColor::ButtonShadow);
    const Color dark = systemColor(SystemColor::DarkShadow3D);

    struct Ring {
        bool present;
        Color topLeft, bottomRight;
    };
    Ring outer{(edgeKind & (edge::RaisedOuter | edge::SunkenOuter)) != 0, {}, {}};
    Ring inner{(edgeKind & (edge::RaisedInner | edge::SunkenInner)) != 0, {}, {}};
    if (edgeKind & edge::RaisedOuter)
        outer.topLeft = light, outer.bottomRight = dark;
    else
        outer.topLeft = shadow, outer.bottomRight = highlight;
    if (edgeKind & edge::RaisedInner)
        inner.topLeft = highlight, inner.bottomRight = shadow;
    else
        inner.topLeft = dark, inner.bottomRight = light;
    const bool raisedBoth = (edgeKind & edge::RaisedOuter) && (edgeKind & edge::RaisedInner);
    const bool sunkenBoth = (edgeKind & edge::SunkenOuter) && (edgeKind & edge::SunkenInner);
    if ((flags & border::Soft) && (raisedBoth || sunkenBoth))
        std::swap(outer.topLeft, inner.topLeft);
    Color middle = face;
    if (flags & border::Mono) {
        outer.topLeft = outer.bottomRight = systemColor(SystemColor::WindowFrame);
        inner.topLeft = inner.bottomRight = middle = systemColor(SystemColor::Window);
    } else if (flags & border::Flat) {
        outer.topLeft = outer.bottomRight = shadow;
        inner.topLeft = inner.bottomRight = face;
    }

    const bool left = flags & border::Left, top = flags & border::Top;
    const bool right = flags & border::Right, bottom = flags & border::Bottom;
    for (const Ring* ring : {&outer, &inner}) {
        if (!ring->present || rc.isEmpty())
            continue;
        // Top and left lines stop short of the corners the bottom and right lines own.
        if (top)
            fillRect({rc.left, rc.top, rc.right - (right ? 1 : 0), rc.top + 1}, ring->topLeft);
        if (left)
            fillRect({rc.left, rc.top, rc.left + 1, rc.bottom - (bottom ? 1 : 0)}, ring->topLeft);
        if (bottom)
            fillRect({rc.left, rc.bottom - 1, rc.right, rc.bottom}, ring->bottomRight);
        if (right)
            fillRect({rc.right - 1, rc.top, rc.right, rc.bottom}, ring->bottomRight);
        rc.left += left ? 1 : 0;
        rc.top += top ? 1 : 0;
        rc.right -= right ? 1 : 0;
        rc.bottom -= bottom ? 1 : 0;
    }
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    if (flags & border::Middle)
        fillRect(rc, middle);
    return rc;
}

void Painter::drawGlyphMask(const Rect& box, const char* const* rows, int32_t rowCount, Color c, Point offset)
{
    const int32_t w = int32_t(std::char_traits<char>::length(rows[0]));
    const int32_t x0 = box.left + (box.width() - w) / 2 + offset.x;
    const int32_t y0 = box.top + (box.height() - rowCount) / 2 + offset.y;
    for (int32_t y = 0; y < rowCount; ++y)
        for (int32_t x = 0; rows[y][x]; ++x)
            if (rows[y][x] == 'X')
                setPixel({x0 + x, y0 + y}, c);
}

void Painter::drawPushFrame(const Rect& r, uint32_t state)
{
    uint32_t flags = border::Rect | border::Middle | border::Soft;
    if (state & frameControl::Flat)
        flags |= border::Flat;
    if (state & frameControl::Mono)
        flags |= border::Mono;
    const bool down = state & (frameControl::Pushed | frameControl::Checked);
    drawEdge(r, down ? edge::Sunken : edge::Raised, flags);
}

void Painter::drawArrow(const Rect& r, uint32_t direction, Color c, Point offset)
{
    const int32_t side = std::min(r.width(), r.height());
    const int32_t t = std::max(2, (side + 1) / 4); // rows of the triangle
    const bool vertical = direction == frameControl::ScrollUp || direction == frameControl::ScrollDown;
    const int32_t cx = r.left + (r.width() - 1) / 2 + offset.x;
    const int32_t cy = r.top + (r.height() - 1) / 2 + offset.y;
    for (int32_t k = 0; k < t; ++k) {
        const int32_t half = (direction == frameControl::ScrollUp || direction == frameControl::ScrollLeft) ? k : t - 1 - k;
        if (vertical) {
            const int32_t y = cy - t / 2 + k;
            fillRect({cx - half, y, cx + half + 1, y + 1}, c);
        } else {
            const int32_t x = cx - t / 2 + k;
            fillRect({x, cy - half, x + 1, cy + half + 1}, c);
        }
    }
}

bool Painter::drawFrameControl(const Rect& rect, uint32_t kind, uint32_t state)
{
    const Rect r = saneRect(rect);
    switch (kind) {
    case frameControl::Button: return drawButtonControl(r, state);
    case frameControl::Caption: return drawCaptionControl(r, state);
    case frameControl::Scroll: return drawScrollControl(r, state);
    case frameControl::Menu: return drawMenuControl(r, state);
    default: return false;
    }
}

bool Painter::drawButtonControl(const Rect& r, uint32_t state)
{
    const uint32_t part = state & 0xFF;
    const Rect rc = r.normalized();
    const bool inactive = state & frameControl::Inactive;
    const bool checked = state & frameControl::Checked;
    const bool pushed = state & frameControl::Pushed;
    if (part == frameControl::ButtonPush) {
        drawPushFrame(rc, state);
        return true;
    }

    // Boxes and circles larger than any screen are drawn at that size, centred.
    const int32_t side = std::min({rc.width(), rc.height(), int32_t(4096)});
    if (side <= 0)
        return true;
    const Rect box = Rect::fromPointAndSize({rc.left + (rc.width() - side) / 2, rc.top + (rc.height() - side) / 2},
                                            {side, side});
    const Color window = systemColor(SystemColor::Window);
    const Color face = systemColor(SystemColor::ButtonFace);
    const Color mark = inactive ? systemColor(SystemColor::GrayText) : systemColor(SystemColor::WindowText);

    if (part == frameControl::ButtonCheck || part == frameControl::Button3State) {
        uint32_t flags = border::Rect;
        if (state & frameControl::Flat)
            flags |= border::Flat;
        if (state & frameControl::Mono)
            flags |= border::Mono;
        const Rect inside = drawEdge(box, edge::Sunken, flags);
        const bool threeStateChecked = part == frameControl::Button3State && checked;
        fillRect(inside, (inactive || pushed || threeStateChecked) ? face : window);
        if (checked)
            drawGlyphMask(inside, checkGlyph, rowsOf(checkGlyph),
                          threeStateChecked ? systemColor(SystemColor::ButtonShadow) : mark, {});
        return true;
    }

    if (part == frameControl::ButtonRadio || part == frameControl::ButtonRadioImage
        || part == frameControl::ButtonRadioMask) {
        // Concentric rings of the circle in the box, lit from the top left.
        auto outline = [&](int32_t inset) {
            std::vector<Point> pts;
            if (side - 1 - inset >= inset)
                ellipseOutline(inset, inset, side - 1 - inset, side - 1 - inset, pts);
            return pts;
        };
        auto fillDisc = [&](int32_t inset, Color color) {
            std::vector<std::pair<int32_t, int32_t>> rows(size_t(side), {side, -1});
            for (Point p : outline(inset)) {
                auto& row = rows[size_t(p.y)];
                row = {std::min(row.first, p.x), std::max(row.second, p.x)};
            }
            for (int32_t y = 0; y < side; ++y)
                if (rows[size_t(y)].second >= rows[size_t(y)].first)
                    fillRect({box.left + rows[size_t(y)].first, box.top + y, box.left + rows[size_t(y)].second + 1,
                              box.top + y + 1},
                             color);
        };
        if (part == frameControl::ButtonRadioMask) {
            fillRect(box, colors::white);
            fillDisc(0, colors::black);
            return true;
        }
        auto ring = [&](int32_t inset, Color topLeft, Color bottomRight) {
            for (Point p : outline(inset))
                setPixel({box.left + p.x, box.top + p.y}, p.x + p.y < side - 1 ? topLeft : bottomRight);
        };
        const bool mono = state & frameControl::Mono;
        fillDisc(2, (inactive || pushed) ? face : window);
        if (mono) {
            ring(0, colors::black, colors::black);
            ring(1, window, window);
        } else {
            ring(0, systemColor(SystemColor::ButtonShadow), systemColor(SystemColor::ButtonHighlight));
            ring(1, systemColor(SystemColor::DarkShadow3D), systemColor(SystemColor::Light3D));
        }
        if (checked) {
            const int32_t dot = std::max(2, side / 3);
            fillDisc((side - dot) / 2, mark);
        }
        return true;
    }
    return false;
}

bool Painter::drawCaptionControl(const Rect& r, uint32_t state)
{
    const char* const* glyph = nullptr;
    int32_t rows = 0;
    switch (state & 0xFF) {
    case frameControl::CaptionClose: glyph = closeGlyph, rows = rowsOf(closeGlyph); break;
    case frameControl::CaptionMin: glyph = minimizeGlyph, rows = rowsOf(minimizeGlyph); break;
    case frameControl::CaptionMax: glyph = maximizeGlyph, rows = rowsOf(maximizeGlyph); break;
    case frameControl::CaptionRestore: glyph = restoreGlyph, rows = rowsOf(restoreGlyph); break;
    case frameControl::CaptionHelp: glyph = helpGlyph, rows = rowsOf(helpGlyph); break;
    default: return false;
    }
    const Rect rc = r.normalized();
    drawPushFrame(rc, state);
    const Point shift = (state & frameControl::Pushed) ? Point{1, 1} : Point{};
    if (state & frameControl::Inactive) {
        drawGlyphMask(rc, glyph, rows, systemColor(SystemColor::ButtonHighlight), shift + Point{1, 1});
        drawGlyphMask(rc, glyph, rows, systemColor(SystemColor::GrayText), shift);
    } else {
        drawGlyphMask(rc, glyph, rows, systemColor(SystemColor::ButtonText), shift);
    }
    return true;
}

bool Painter::drawScrollControl(const Rect& r, uint32_t state)
{
    const uint32_t part = state & 0xFF;
    const Rect rc = r.normalized();
    if (part == frameControl::ScrollSizeGrip) {
        fillRect(rc, systemColor(SystemColor::ButtonFace));
        // Three pairs of diagonal lines in the bottom right corner.
        const int32_t side = std::min(rc.width(), rc.height());
        for (int32_t d = 1; d + 2 < side && d < 12; d += 4) {
            for (int32_t k = 0; k < 3; ++k) {
                const int32_t len = d + k;
                const Color c = k == 0 ? systemColor(SystemColor::ButtonHighlight) : systemColor(SystemColor::ButtonShadow);
                for (int32_t i = 0; i <= len; ++i)
                    setPixel({rc.right - 1 - len + i, rc.bottom - 1 - i}, c);
            }
        }
        return true;
    }
    uint32_t direction = part;
    if (part == frameControl::ScrollComboBox)
        direction = frameControl::ScrollDown;
    else if (part > frameControl::ScrollRight)
        return false;
    const bool pushed = state & frameControl::Pushed;
    if (pushed && !(state & frameControl::Mono))
        drawEdge(rc, edge::Sunken, border::Rect | border::Middle | border::Flat);
    else
        drawPushFrame(rc, state & ~frameControl::Pushed);
    const Point shift = pushed ? Point{1, 1} : Point{};
    if (state & frameControl::Inactive) {
        drawArrow(rc, direction, systemColor(SystemColor::ButtonHighlight), shift + Point{1, 1});
        drawArrow(rc, direction, systemColor(SystemColor::GrayText), shift);
    } else {
        drawArrow(rc, direction, systemColor(SystemColor::ButtonText), shift);
    }
    return true;
}

bool Painter::drawMenuControl(const Rect& r, uint32_t state)
{
    const char* const* glyph = nullptr;
    int32_t rows = 0;
    switch (state & 0xFF) {
    case frameControl::MenuArrow:
    case 0x0004: glyph = menuArrowGlyph, rows = rowsOf(menuArrowGlyph); break;
    case frameControl::MenuCheck: glyph = checkGlyph, rows = rowsOf(checkGlyph); break;
    case frameControl::MenuBullet: glyph = bulletGlyph, rows = rowsOf(bulletGlyph); break;
    default: return false;
    }
    const Rect rc = r.normalized();
    fillRect(rc, colors::white);
    drawGlyphMask(rc, glyph, rows, colors::black, {});
    return true;
}

} // namespace platform
