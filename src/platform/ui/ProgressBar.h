#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowExtra.h"

#include <cstdint>

namespace platform {

namespace progressBarStyle {
inline constexpr uint32_t Smooth = 0x1; // one bar instead of blocks
} // namespace progressBarStyle

// Shows how far an operation has got: blocks in the highlight colour in a sunken field.
class ProgressBar : public WindowExtra {
public:
    static constexpr const char* className = "ProgressBar";
    static Status registerClass(Desktop& desktop);
    static ProgressBar* of(Desktop& desktop, WindowHandle window) { return desktop.extra<ProgressBar>(window); }

    ProgressBar(Desktop& desktop, WindowHandle window) : m_desktop(desktop), m_window(window) {}
    int64_t handle(const Message& m);

    // A range whose end is not after its start becomes start to start + 1.
    void setRange(int32_t low, int32_t high);
    int32_t low() const { return m_low; }
    int32_t high() const { return m_high; }
    // Positions are kept inside the range; each setter returns the previous position.
    int32_t setPosition(int32_t position);
    int32_t offsetPosition(int32_t delta);
    void setStep(int32_t step) { m_step = step; }
    int32_t stepIt(); // advances by the step, wrapping to the start past the end
    int32_t position() const { return m_position; }
    // The width of the filled part for a given inner width.
    int32_t filledWidth(int32_t innerWidth) const;

private:
    Desktop& m_desktop;
    WindowHandle m_window;
    int32_t m_low = 0;
    int32_t m_high = 100;
    int32_t m_position = 0;
    int32_t m_step = 10;
};

} // namespace platform
