#pragma once

#include "model/IFormWindow.h"

#include <vector>

namespace morva {

// A designer window that records what it is asked to repaint.
class FakeFormWindow : public IFormWindow {
public:
    platform::Rect m_clientRect{0, 0, 400, 300};
    platform::Point m_designOrigin{4, 23};
    std::vector<platform::Rect> m_invalidated;

    platform::Rect GetClientRect() const override { return m_clientRect; }
    platform::Point GetDesignOrigin() const override { return m_designOrigin; }
    void InvalidateRect(const platform::Rect& rect) override { m_invalidated.push_back(rect); }
};

} // namespace morva
