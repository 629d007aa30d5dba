#pragma once

namespace platform {

// State a window class keeps per window (a control's items, an edit's text and caret); the
// desktop owns it and deletes it with the window.
class WindowExtra {
public:
    virtual ~WindowExtra() = default;
};

} // namespace platform
