#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace platform {

// A logical font: what a caller asks for. The library picks the installed face that serves it.
// height < 0: the character height in pixels (the em size); height > 0: the cell height
// (ascent plus descent); 0: the default size. A weight of 0 means normal (400); 600 and more
// is bold. width, escapement, orientation and the precision fields are kept for callers that
// set them; text is always drawn upright at the face's natural width.
struct LogFont {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::string faceName;

    static constexpr int32_t normalWeight = 400;
    static constexpr int32_t boldWeight = 700;

    bool isBold() const { return weight >= 600; }

    friend auto operator<=>(const LogFont&, const LogFont&) = default;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

} // namespace platform
