#include "platform/gfx/SystemMetrics.h"

namespace platform {

SystemMetrics::SystemMetrics()
{
    const struct {
        SystemMetric index;
        int32_t value;
    } classic[] = {
        {SystemMetric::ScreenWidth, 1024},      {SystemMetric::ScreenHeight, 768},
        {SystemMetric::VScrollWidth, 16},       {SystemMetric::HScrollHeight, 16},
        {SystemMetric::CaptionHeight, 19},      {SystemMetric::BorderWidth, 1},
        {SystemMetric::BorderHeight, 1},        {SystemMetric::DialogFrameWidth, 3},
        {SystemMetric::DialogFrameHeight, 3},   {SystemMetric::VThumbHeight, 16},
        {SystemMetric::HThumbWidth, 16},        {SystemMetric::IconWidth, 32},
        {SystemMetric::IconHeight, 32},         {SystemMetric::CursorWidth, 32},
        {SystemMetric::CursorHeight, 32},       {SystemMetric::MenuHeight, 19},
        {SystemMetric::FullScreenWidth, 1024},  {SystemMetric::FullScreenHeight, 749},
        {SystemMetric::MousePresent, 1},        {SystemMetric::VScrollArrowHeight, 16},
        {SystemMetric::HScrollArrowWidth, 16},  {SystemMetric::MinWindowWidth, 112},
        {SystemMetric::MinWindowHeight, 27},    {SystemMetric::CaptionButtonWidth, 18},
        {SystemMetric::CaptionButtonHeight, 18}, {SystemMetric::FrameWidth, 4},
        {SystemMetric::FrameHeight, 4},         {SystemMetric::MinTrackWidth, 112},
        {SystemMetric::MinTrackHeight, 27},     {SystemMetric::DoubleClickWidth, 4},
        {SystemMetric::DoubleClickHeight, 4},   {SystemMetric::IconSpacingX, 75},
        {SystemMetric::IconSpacingY, 75},       {SystemMetric::EdgeWidth, 2},
        {SystemMetric::EdgeHeight, 2},          {SystemMetric::SmallIconWidth, 16},
        {SystemMetric::SmallIconHeight, 16},    {SystemMetric::SmallCaptionHeight, 15},
        {SystemMetric::SmallCaptionButtonWidth, 12}, {SystemMetric::SmallCaptionButtonHeight, 14},
        {SystemMetric::MenuButtonWidth, 18},    {SystemMetric::MenuButtonHeight, 18},
        {SystemMetric::DragWidth, 4},           {SystemMetric::DragHeight, 4},
        {SystemMetric::MenuCheckWidth, 13},     {SystemMetric::MenuCheckHeight, 13},
    };
    for (const auto& m : classic)
        m_values[size_t(m.index)] = m.value;
}

int32_t SystemMetrics::value(int index) const
{
    if (index < 0 || size_t(index) >= count)
        return 0;
    return m_values[size_t(index)];
}

void SystemMetrics::setValue(SystemMetric index, int32_t v)
{
    if (size_t(index) < count)
        m_values[size_t(index)] = v;
}

} // namespace platform
