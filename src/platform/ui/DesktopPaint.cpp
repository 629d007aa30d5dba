#include "platform/ui/Desktop.h"

#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/PngWriter.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/DesktopRecord.h"
#include "platform/ui/MenuLayout.h"

#include <algorithm>

namespace platform {

namespace {

// Painter set to draw at `origin` (device pixels) inside `clip` (device pixels).
void aim(Painter& painter, Point origin, const Rect& clip)
{
    painter.setOrigin({0, 0});
    painter.setClipRect(clip);
    painter.setOrigin(origin);
}

bool touches(const Rect& a, const Rect& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

constexpr size_t maxDirtyRects = 16;

} // namespace

void Desktop::invalidate(WindowHandle window)
{
    if (const WindowRecord* r = record(window); r && isVisible(window))
        invalidateScreen(visibleScreenRect(*r));
}

void Desktop::invalidate(WindowHandle window, const Rect& area)
{
    const WindowRecord* r = record(window);
    if (!r || !isVisible(window))
        return;
    invalidateScreen(area.normalized().offsetBy(clientOrigin(*r)).intersected(visibleScreenRect(*r))
                         .intersected(clientRectOnScreen(window)));
}

void Desktop::invalidateScreen(const Rect& screenArea)
{
    Rect area = screenArea.normalized().intersected(m_screen.rect());
    if (area.isEmpty())
        return;
    // Overlapping and touching areas merge, so that a burst of small invalidations of one
    // region repaints it once.
    bool merged = true;
    while (merged) {
        merged = false;
        for (auto it = m_dirty.begin(); it != m_dirty.end(); ++it)
            if (touches(*it, area)) {
                area = area.united(*it);
                m_dirty.erase(it);
                merged = true;
                break;
            }
    }
    m_dirty.push_back(area);
    if (m_dirty.size() > maxDirtyRects) {
        Rect all;
        for (const Rect& r : m_dirty)
            all = all.united(r);
        m_dirty.assign(1, all);
    }
}

void Desktop::update()
{
    while (!m_dirty.empty()) {
        std::vector<Rect> areas;
        areas.swap(m_dirty);
        for (const Rect& area : areas)
            paintArea(m_screen, {0, 0}, area);
    }
}

void Desktop::paintArea(Bitmap& target, Point offset, const Rect& area)
{
    Painter painter(target, m_colors);
    const Rect device = area.offsetBy(-offset.x, -offset.y).intersected(target.rect());
    if (device.isEmpty())
        return;
    painter.fillRect(device, m_colors.color(SystemColor::Background));
    painter.save();
    const std::vector<WindowHandle> tops = m_topLevel;
    for (WindowHandle top : tops)
        if (const WindowRecord* r = record(top))
            paintWindow(painter, *r, offset, device);
}

void Desktop::paintWindow(Painter& painter, const WindowRecord& r, Point offset, const Rect& clip)
{
    if (!(r.style & windowStyle::Visible))
        return;
    const Rect outer = windowRect(r.handle).offsetBy(-offset.x, -offset.y);
    const Rect visible = outer.intersected(clip);
    if (visible.isEmpty())
        return;
    const WindowHandle handle = r.handle;
    const Rect clientLocal = clientAreaOf(r);
    if (clientLocal != Rect{0, 0, outer.width(), outer.height()}) {
        painter.restore();
        painter.save();
        aim(painter, outer.topLeft(), visible);
        PaintContext context{painter, visible.offsetBy(-outer.left, -outer.top)};
        send(handle, msg::NcPaint, 0, int64_t(reinterpret_cast<intptr_t>(&context)));
    }
    const Rect client = clientLocal.offsetBy(outer.topLeft());
    const Rect clientVisible = client.intersected(visible);
    if (clientVisible.isEmpty() || !isWindow(handle))
        return;
    PaintContext context{painter, clientVisible.offsetBy(-client.left, -client.top)};
    painter.restore();
    painter.save();
    aim(painter, client.topLeft(), clientVisible);
    painter.setFont(font(handle));
    send(handle, msg::EraseBackground, 0, int64_t(reinterpret_cast<intptr_t>(&context)));
    painter.restore();
    painter.save();
    aim(painter, client.topLeft(), clientVisible);
    painter.setFont(font(handle));
    send(handle, msg::Paint, 0, int64_t(reinterpret_cast<intptr_t>(&context)));
    const WindowRecord* again = record(handle);
    if (!again)
        return;
    const std::vector<WindowHandle> kids = again->children;
    for (WindowHandle kid : kids)
        if (const WindowRecord* k = record(kid))
            paintWindow(painter, *k, offset, clientVisible);
}

void Desktop::paintFrame(WindowHandle window, PaintContext& context)
{
    const WindowRecord* r = record(window);
    if (!r)
        return;
    Painter& p = context.painter;
    Rect box{0, 0, r->rect.width(), r->rect.height()};
    const Color face = m_colors.color(SystemColor::ButtonFace);
    auto ring = [&](int32_t n, Color c) {
        for (int32_t i = 0; i < n; ++i) {
            p.frameRect(box, Brush::solid(c));
            box = box.inflatedBy(-1, -1);
        }
    };
    if (r->style & (windowStyle::ThickFrame | windowStyle::DialogFrame)) {
        box = p.drawEdge(box, edge::Raised, border::Rect);
        const int32_t width = m_metrics.value((r->style & windowStyle::ThickFrame) ? SystemMetric::FrameWidth
                                                                             : SystemMetric::DialogFrameWidth);
        ring(std::max(0, width - 2), face);
    } else if (r->style & (windowStyle::Border | windowStyle::Caption)) {
        ring(1, m_colors.color(SystemColor::WindowFrame));
    }
    if (r->style & windowStyle::Caption) {
        const bool small = (r->exStyle & extendedStyle::ToolWindow) != 0;
        const int32_t height = m_metrics.value(small ? SystemMetric::SmallCaptionHeight : SystemMetric::CaptionHeight);
        const Rect bar{box.left, box.top, box.right, box.top + height - 1};
        const bool active = m_active == window;
        p.fillRect(bar, m_colors.color(active ? SystemColor::ActiveCaption : SystemColor::InactiveCaption));
        p.fillRect({bar.left, bar.bottom, bar.right, bar.bottom + 1}, face);
        Rect textRect{bar.left + 4, bar.top, bar.right - 20, bar.bottom};
        p.setFont(m_boldFont);
        p.setBackgroundMode(BackgroundMode::Transparent);
        p.setTextColor(m_colors.color(active ? SystemColor::CaptionText : SystemColor::InactiveCaptionText));
        p.drawText(r->caption, textRect,
                   textFormat::Left | textFormat::VCenter | textFormat::SingleLine | textFormat::NoPrefix
                       | textFormat::EndEllipsis);
        if (r->style & windowStyle::SystemMenu) {
            const int32_t bh = bar.height() - 4;
            const int32_t bw = bh + 2;
            p.drawFrameControl({bar.right - 2 - bw, bar.top + 2, bar.right - 2, bar.top + 2 + bh}, frameControl::Caption,
                               frameControl::CaptionClose);
        }
        box.top += height;
    }
    if (r->menuBar && !r->isChild()) {
        const Rect bar = menuBarRect(window);
        paintMenuBar(window, p, bar);
        box.top = bar.bottom + 1;
    }
    if (r->exStyle & extendedStyle::ClientEdge)
        p.drawEdge(box, edge::Sunken, border::Rect);
    else if (r->exStyle & extendedStyle::StaticEdge)
        p.drawEdge(box, edge::SunkenOuter, border::Rect);
}

void Desktop::paintMenuBar(WindowHandle window, Painter& painter, const Rect& bar)
{
    const WindowRecord* r = record(window);
    if (!r || !r->menuBar)
        return;
    menuLayout::paintBar(painter, m_colors, m_defaultFont, *r->menuBar, bar, r->menuBarHot);
}

std::unique_ptr<Painter> Desktop::directPainter(WindowHandle window)
{
    auto painter = std::make_unique<Painter>(m_screen, m_colors);
    const WindowRecord* r = record(window);
    if (!r || !isVisible(window)) {
        aim(*painter, {0, 0}, Rect{});
        return painter;
    }
    aim(*painter, clientOrigin(*r), visibleScreenRect(*r).intersected(clientRectOnScreen(window)));
    painter->setFont(font(window));
    return painter;
}

Bitmap Desktop::snapshot(WindowHandle window)
{
    const WindowRecord* r = record(window);
    if (!r) {
        update();
        return m_screen;
    }
    const Rect outer = windowRect(window);
    Bitmap picture(outer.size(), m_colors.color(SystemColor::Background));
    Painter painter(picture, m_colors);
    painter.save();
    // Painted on its own, as if it were visible, whatever covers it on the screen.
    const uint32_t savedStyle = r->style;
    record(window)->style |= windowStyle::Visible;
    paintWindow(painter, *r, outer.topLeft(), picture.rect());
    if (WindowRecord* again = record(window))
        again->style = savedStyle;
    return picture;
}

Result<std::vector<uint8_t>> Desktop::screenshotPng(WindowHandle window)
{
    if (!window) {
        update();
        return encodePng(m_screen);
    }
    if (!isWindow(window))
        return Result<std::vector<uint8_t>>::failure("There is no such window to take a picture of");
    Bitmap picture = snapshot(window);
    if (picture.isEmpty())
        return Result<std::vector<uint8_t>>::failure("The window has no area to take a picture of");
    return encodePng(picture);
}

} // namespace platform
