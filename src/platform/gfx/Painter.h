#pragma once

#include "platform/base/Geometry.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/DrawMode.h"
#include "platform/gfx/IconImage.h"
#include "platform/gfx/PainterState.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/RasterOp.h"
#include "platform/gfx/SystemColors.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace platform {

class SpanSet;

// Draws into one Bitmap. Coordinates are logical: the origin is added to each; nothing is
// ever written outside the clip rectangle, which never extends past the bitmap. Rectangles
// hold their left and top edge and exclude the right and bottom one.
//
// Lines, outlines and fills of figures combine with the bitmap through the draw mode; area
// fills (fillRect, frameRect), text, edges and frame controls simply paint. Dash gaps,
// hatch gaps and text cells are filled with the background colour when the background mode
// is opaque. Every result is exact and repeatable: no antialiasing anywhere.
//
// A painter lives for one paint: the bitmap must keep its size while a painter is bound to it.
class Painter {
public:
    explicit Painter(Bitmap& target, SystemColors colors = SystemColors());
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    Bitmap& target() { return m_target; }
    const SystemColors& systemColors() const { return m_colors; }
    Color systemColor(SystemColor index) const { return m_colors.color(index); }

    // State stack. restore() without a matching save() does nothing and returns false.
    void save();
    bool restore();
    size_t saveDepth() const { return m_saved.size(); }
    const PainterState& state() const { return m_state; }

    void setOrigin(Point origin) { m_state.origin = origin; }
    void translate(int32_t dx, int32_t dy);
    Point origin() const { return m_state.origin; }
    // Replaces the clip (limited to the bitmap), or narrows it; logical coordinates.
    void setClipRect(const Rect& r);
    void intersectClipRect(const Rect& r);
    void resetClip() { m_state.clip = m_target.rect(); }
    Rect clipRect() const; // logical
    Rect deviceClipRect() const { return m_state.clip; }

    void setPen(const Pen& pen);
    const Pen& pen() const { return m_state.pen; }
    void setBrush(const Brush& brush) { m_state.brush = brush; }
    const Brush& brush() const { return m_state.brush; }
    void setFont(std::shared_ptr<const Font> font) { m_state.font = std::move(font); }
    const std::shared_ptr<const Font>& font() const { return m_state.font; }
    void setTextColor(Color c) { m_state.textColor = c.opaque(); }
    Color textColor() const { return m_state.textColor; }
    void setBackgroundColor(Color c) { m_state.backgroundColor = c.opaque(); }
    Color backgroundColor() const { return m_state.backgroundColor; }
    void setBackgroundMode(BackgroundMode mode) { m_state.backgroundMode = mode; }
    BackgroundMode backgroundMode() const { return m_state.backgroundMode; }
    void setDrawMode(DrawMode mode) { m_state.drawMode = mode; }
    DrawMode drawMode() const { return m_state.drawMode; }
    void setPolyFillMode(PolyFillMode mode) { m_state.polyFillMode = mode; }

    // Pixels and areas.
    void setPixel(Point p, Color c);
    Color pixel(Point p) const;
    void fillRect(const Rect& r, const Brush& brush);
    void fillRect(const Rect& r, Color c) { fillRect(r, Brush::solid(c)); }
    void frameRect(const Rect& r, const Brush& brush);
    void invertRect(const Rect& r);
    // A dotted one-pixel frame drawn by inverting, so drawing it twice removes it.
    void drawFocusRect(const Rect& r);
    // The current brush combined with the bitmap by a raster operation (the source is black).
    void patBlt(const Rect& r, RasterOp op);

    // Lines with the current pen. lineTo leaves out its end point, so joined lines meet
    // without a doubled pixel; wider pens have round ends and include it.
    void moveTo(Point p);
    void lineTo(Point p);
    Point currentPosition() const { return m_state.currentPosition; }
    void drawLine(Point from, Point to);
    void polyline(std::span<const Point> points);

    // Figures: outline with the pen, inside with the brush.
    void rectangle(const Rect& r);
    void ellipse(const Rect& r);
    void roundRect(const Rect& r, Size corner);
    void polygon(std::span<const Point> points);

    // 3-D edges (EdgeFlags.h); returns the rectangle inside the drawn edge.
    Rect drawEdge(const Rect& r, uint32_t edgeKind, uint32_t flags);
    // Frame controls (FrameControl.h); false for a kind or part that does not exist.
    bool drawFrameControl(const Rect& r, uint32_t kind, uint32_t state);

    // Bitmaps. The source is clipped to its own bounds.
    void bitBlt(const Rect& dst, const Bitmap& src, Point srcPos, RasterOp op = RasterOp::SrcCopy);
    // Nearest-neighbour scaling; a negative width or height on either side mirrors.
    void stretchBlt(const Rect& dst, const Bitmap& src, const Rect& srcRect, RasterOp op = RasterOp::SrcCopy);
    // Copies (scaling like stretchBlt) every pixel whose colour is not the key colour.
    void transparentBlt(const Rect& dst, const Bitmap& src, const Rect& srcRect, Color key);
    // Blends by the source's alpha.
    void drawBitmap(Point p, const Bitmap& src);
    void drawIcon(Point p, const IconImage& icon);
    void drawIconScaled(const Rect& dst, const IconImage& icon);

    // Text in the current font (nothing without one). textOut's point is the top left of the
    // text cell. drawText returns the height of the text, or with VCenter or Bottom the
    // distance from the rectangle's top to the text's bottom; with CalcRect it draws nothing
    // and sets the rectangle's right and bottom to fit the text.
    void textOut(Point p, std::string_view text);
    int32_t drawText(std::string_view text, Rect& r, uint32_t format);
    Size textExtent(std::string_view text) const;

private:
    struct Device {
        int64_t x, y;
    };
    Device toDevice(Point p) const { return {int64_t(p.x) + m_state.origin.x, int64_t(p.y) + m_state.origin.y}; }
    Rect toDeviceClipped(const Rect& r) const; // normalized, intersected with the clip

    // Painting of runs in device pixels, already inside the clip.
    void paintSpanColor(int32_t y, int32_t x0, int32_t x1, uint32_t color, DrawMode mode);
    void paintSpanBrush(int32_t y, int32_t x0, int32_t x1, const Brush& brush, DrawMode mode);
    void paintSpans(SpanSet& spans, uint32_t color, DrawMode mode);
    void paintSpansBrush(SpanSet& spans, const Brush& brush, DrawMode mode);
    uint32_t brushColorAt(const Brush& brush, int32_t x, int32_t y, bool& paint) const;

    // The pen's pixels along a path of device points: pen-coloured ones and (opaque
    // background only) the gaps of a dashed pen.
    struct Stroke;
    void strokeSegment(Stroke& stroke, Device a, Device b, bool includeEnd, int64_t& step);
    void paintStroke(Stroke& stroke);
    void fillAndStroke(SpanSet& inside, Stroke& stroke);
    // Fills and outlines a convex figure given by the device pixels of its outline.
    void strokeFigure(std::vector<Point>& outline);

    // Text helpers (PainterText.cpp).
    // One line of text with its cell's top left at device (x, y); tabWidth 0 leaves tabs
    // unexpanded; mnemonic is the index of the character to underline, or -1.
    void drawTextLine(int64_t x, int64_t y, std::string_view text, int32_t tabWidth, int32_t mnemonic,
                      bool drawGlyphs, bool drawMnemonic);

    // Frame control helpers (PainterControls.cpp).
    void drawPushFrame(const Rect& r, uint32_t state);
    bool drawButtonControl(const Rect& r, uint32_t state);
    bool drawCaptionControl(const Rect& r, uint32_t state);
    bool drawScrollControl(const Rect& r, uint32_t state);
    bool drawMenuControl(const Rect& r, uint32_t state);
    void drawGlyphMask(const Rect& box, const char* const* rows, int32_t rowCount, Color c, Point offset);
    void drawArrow(const Rect& r, uint32_t direction, Color c, Point offset);

    Bitmap& m_target;
    SystemColors m_colors;
    PainterState m_state;
    std::vector<PainterState> m_saved;
};

} // namespace platform
