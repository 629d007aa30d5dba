#pragma once

#include "platform/gfx/Painter.h"
#include "platform/gfx/SpanSet.h"

namespace platform {

// The pixels a pen leaves along a path: those in the pen's colour and the gaps of a dashed
// pen that an opaque background fills.
struct Painter::Stroke {
    SpanSet pen;
    SpanSet gaps;
};

} // namespace platform
