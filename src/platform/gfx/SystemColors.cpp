#include "platform/gfx/SystemColors.h"

namespace platform {

SystemColors::SystemColors()
{
    auto set = [this](SystemColor i, uint8_t r, uint8_t g, uint8_t b) { m_colors[size_t(i)] = Color::rgb(r, g, b); };
    set(SystemColor::ScrollBar, 192, 192, 192);
    set(SystemColor::Background, 0, 128, 128);
    set(SystemColor::ActiveCaption, 0, 0, 128);
    set(SystemColor::InactiveCaption, 128, 128, 128);
    set(SystemColor::Menu, 192, 192, 192);
    set(SystemColor::Window, 255, 255, 255);
    set(SystemColor::WindowFrame, 0, 0, 0);
    set(SystemColor::MenuText, 0, 0, 0);
    set(SystemColor::WindowText, 0, 0, 0);
    set(SystemColor::CaptionText, 255, 255, 255);
    set(SystemColor::ActiveBorder, 192, 192, 192);
    set(SystemColor::InactiveBorder, 192, 192, 192);
    set(SystemColor::AppWorkspace, 128, 128, 128);
    set(SystemColor::Highlight, 0, 0, 128);
    set(SystemColor::HighlightText, 255, 255, 255);
    set(SystemColor::ButtonFace, 192, 192, 192);
    set(SystemColor::ButtonShadow, 128, 128, 128);
    set(SystemColor::GrayText, 128, 128, 128);
    set(SystemColor::ButtonText, 0, 0, 0);
    set(SystemColor::InactiveCaptionText, 192, 192, 192);
    set(SystemColor::ButtonHighlight, 255, 255, 255);
    set(SystemColor::DarkShadow3D, 0, 0, 0);
    set(SystemColor::Light3D, 192, 192, 192);
    set(SystemColor::InfoText, 0, 0, 0);
    set(SystemColor::InfoBackground, 255, 255, 225);
    m_colors[25] = Color::rgb(192, 192, 192);
    set(SystemColor::HotLight, 0, 0, 255);
    set(SystemColor::GradientActiveCaption, 16, 132, 208);
    set(SystemColor::GradientInactiveCaption, 181, 181, 181);
    set(SystemColor::MenuHighlight, 0, 0, 128);
    set(SystemColor::MenuBar, 192, 192, 192);
}

Color SystemColors::color(SystemColor index) const
{
    return color(int(index));
}

Color SystemColors::color(int index) const
{
    if (index < 0 || size_t(index) >= count)
        return colors::black;
    return m_colors[size_t(index)];
}

void SystemColors::setColor(SystemColor index, Color c)
{
    if (size_t(index) < count)
        m_colors[size_t(index)] = c.opaque();
}

} // namespace platform
