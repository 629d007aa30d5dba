#pragma once

#include "platform/base/Geometry.h"
#include "platform/ui/WindowHandle.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class Font;
class Painter;

// What msg::Create carries; also what Desktop::createWindow is given.
struct CreateParams {
    std::string className;
    std::string caption;
    uint32_t style = 0;   // windowStyle bits
    uint32_t exStyle = 0; // extendedStyle bits
    // The window's outer rectangle: in the parent's client coordinates for a child, on the
    // screen for a top-level window.
    Rect rect;
    // The parent of a child; the owner of a top-level window (none for an unowned one).
    WindowHandle parent;
    int32_t id = 0;       // a child's control id
    int64_t param = 0;    // handed through to the procedure
    std::shared_ptr<const Font> font; // none: the desktop's default font
};

// msg::NcPaint, msg::EraseBackground and msg::Paint: the painter is set up with its origin
// at the top left of the window (NcPaint) or of its client area, clipped to what is to be
// painted; updateRect is that area in the same coordinates.
struct PaintContext {
    Painter& painter;
    Rect updateRect;
};

// msg::DrawItem for owner-drawn list and combo boxes, sent to the control's parent.
struct DrawItemData {
    WindowHandle control;
    int32_t controlId = 0;
    int32_t itemIndex = -1; // -1: an empty list (only the focus is drawn)
    int64_t itemData = 0;
    Rect itemRect;          // in the control's client coordinates, where the painter's origin is
    bool selected = false;
    bool focused = false;
    bool disabled = false;
    bool inComboField = false; // the selection field of a combo box, not its list
    Painter* painter = nullptr;
};

// msg::MeasureItem: the parent answers with the item's height.
struct MeasureItemData {
    WindowHandle control;
    int32_t controlId = 0;
    int32_t itemIndex = -1;
    int64_t itemData = 0;
    int32_t itemWidth = 0;
    int32_t itemHeight = 0;
};

// msg::Notify from controls that say more than a command code can carry.
struct NotifyData {
    WindowHandle control;
    int32_t controlId = 0;
    uint32_t code = 0;
    int64_t item = 0; // the item the notification is about, per code
};

} // namespace platform
