#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Names one window of a Desktop. Handles are never reused while the desktop lives, so a
// handle kept after its window was destroyed simply finds nothing.
struct WindowHandle {
    uint32_t value = 0;

    explicit operator bool() const { return value != 0; }
    friend bool operator==(WindowHandle, WindowHandle) = default;
    friend auto operator<=>(WindowHandle, WindowHandle) = default;
};

} // namespace platform

template <>
struct std::hash<platform::WindowHandle> {
    size_t operator()(platform::WindowHandle h) const noexcept { return std::hash<uint32_t>()(h.value); }
};
