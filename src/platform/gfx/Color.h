#pragma once

#include <cstdint>

namespace platform {

// A 32-bit pixel value 0xAARRGGBB, the format of every Bitmap. The system itself stores
// colours as colour references (0x00BBGGRR, red in the low byte); fromColorRef and
// toColorRef convert. Drawing produces opaque pixels; alpha matters only for images
// decoded with transparency and for blending them.
struct Color {
    uint32_t argb = 0xFF000000;

    constexpr Color() = default;
    constexpr explicit Color(uint32_t value) : argb(value) {}

    static constexpr Color rgb(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 0xFF)
    {
        return Color((uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | b);
    }
    static constexpr Color fromColorRef(uint32_t ref)
    {
        return rgb(uint8_t(ref), uint8_t(ref >> 8), uint8_t(ref >> 16));
    }

    constexpr uint8_t red() const { return uint8_t(argb >> 16); }
    constexpr uint8_t green() const { return uint8_t(argb >> 8); }
    constexpr uint8_t blue() const { return uint8_t(argb); }
    constexpr uint8_t alpha() const { return uint8_t(argb >> 24); }
    constexpr uint32_t rgbBits() const { return argb & 0x00FFFFFF; }
    constexpr uint32_t toColorRef() const { return uint32_t(red()) | (uint32_t(green()) << 8) | (uint32_t(blue()) << 16); }
    constexpr Color opaque() const { return Color(argb | 0xFF000000); }

    friend constexpr bool operator==(Color, Color) = default;
};

namespace colors {
inline constexpr Color black = Color::rgb(0, 0, 0);
inline constexpr Color white = Color::rgb(255, 255, 255);
inline constexpr Color lightGrey = Color::rgb(192, 192, 192);
inline constexpr Color darkGrey = Color::rgb(128, 128, 128);
inline constexpr Color navy = Color::rgb(0, 0, 128);
inline constexpr Color transparent = Color(0);
} // namespace colors

} // namespace platform
