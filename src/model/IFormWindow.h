#pragma once

#include "platform/base/Geometry.h"

namespace morva {

// The designer window that shows a form, as the model needs it.
class IFormWindow {
public:
    virtual ~IFormWindow() = default;
    // The window's client rectangle, the form item's rectangle for hit-testing.
    virtual platform::Rect GetClientRect() const = 0;
    // Where the form's design area (the origin of control coordinates) lies in the window.
    virtual platform::Point GetDesignOrigin() const = 0;
    // Repaints a rectangle given in window coordinates.
    virtual void InvalidateRect(const platform::Rect& rect) = 0;
};

} // namespace morva
