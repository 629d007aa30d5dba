#pragma once

#include "platform/gfx/Color.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace platform {

// Indices of the system colours, as the window system's callers pass them.
enum class SystemColor : uint8_t {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15, // also the 3-D face
    ButtonShadow = 16, // also the 3-D shadow
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20, // also the 3-D highlight
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

// The system colour table, in the classic grey scheme unless changed. A plain value: the
// window kernel owns the one in force and hands it to each painter.
class SystemColors {
public:
    static constexpr size_t count = 31;

    SystemColors();

    // An index outside the table gives black.
    Color color(SystemColor index) const;
    Color color(int index) const;
    void setColor(SystemColor index, Color c);

    friend bool operator==(const SystemColors&, const SystemColors&) = default;

private:
    std::array<Color, count> m_colors{};
};

} // namespace platform
