#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace platform {

// Indices of the system metrics, as the window system's callers pass them.
enum class SystemMetric : uint8_t {
    ScreenWidth = 0,
    ScreenHeight = 1,
    VScrollWidth = 2,
    HScrollHeight = 3,
    CaptionHeight = 4,
    BorderWidth = 5,
    BorderHeight = 6,
    DialogFrameWidth = 7,
    DialogFrameHeight = 8,
    VThumbHeight = 9,
    HThumbWidth = 10,
    IconWidth = 11,
    IconHeight = 12,
    CursorWidth = 13,
    CursorHeight = 14,
    MenuHeight = 15,
    FullScreenWidth = 16,
    FullScreenHeight = 17,
    MousePresent = 19,
    VScrollArrowHeight = 20,
    HScrollArrowWidth = 21,
    MinWindowWidth = 28,
    MinWindowHeight = 29,
    CaptionButtonWidth = 30,
    CaptionButtonHeight = 31,
    FrameWidth = 32,  // sizing frame
    FrameHeight = 33,
    MinTrackWidth = 34,
    MinTrackHeight = 35,
    DoubleClickWidth = 36,
    DoubleClickHeight = 37,
    IconSpacingX = 38,
    IconSpacingY = 39,
    EdgeWidth = 45,
    EdgeHeight = 46,
    SmallIconWidth = 49,
    SmallIconHeight = 50,
    SmallCaptionHeight = 51,
    SmallCaptionButtonWidth = 52,
    SmallCaptionButtonHeight = 53,
    MenuButtonWidth = 54,
    MenuButtonHeight = 55,
    DragWidth = 68,
    DragHeight = 69,
    MenuCheckWidth = 71,
    MenuCheckHeight = 72,
};

// The system metrics in pixels, with the classic values at 96 dots per inch unless changed.
// A plain value owned by the window kernel, like SystemColors.
class SystemMetrics {
public:
    static constexpr size_t count = 100;

    SystemMetrics();

    // An index outside the table gives 0.
    int32_t value(SystemMetric index) const { return value(int(index)); }
    int32_t value(int index) const;
    void setValue(SystemMetric index, int32_t v);

    friend bool operator==(const SystemMetrics&, const SystemMetrics&) = default;

private:
    std::array<int32_t, count> m_values{};
};

} // namespace platform
