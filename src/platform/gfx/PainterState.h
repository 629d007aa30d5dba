#pragma once

#include "platform/base/Geometry.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/DrawMode.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"

#include <cstdint>
#include <memory>

namespace platform {

// Values as the window system's callers pass them.
enum class BackgroundMode : uint8_t { Transparent = 1, Opaque = 2 };
enum class PolyFillMode : uint8_t { Alternate = 1, Winding = 2 };

// Everything a Painter's save() keeps and restore() brings back.
struct PainterState {
    Point origin;          // added to every coordinate
    Rect clip;             // in bitmap pixels, always inside the bitmap
    Pen pen;
    Brush brush;
    std::shared_ptr<const Font> font;
    Color textColor = colors::black;
    Color backgroundColor = colors::white;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    DrawMode drawMode = DrawMode::CopyPen;
    PolyFillMode polyFillMode = PolyFillMode::Alternate;
    Point currentPosition; // where lineTo starts
    int64_t styleStep = 0; // phase of the pen's dash pattern, carried from one lineTo to the next
};

} // namespace platform
