#pragma once

#include "platform/base/Geometry.h"
#include "platform/base/Result.h"
#include "platform/gfx/FontMetrics.h"
#include "platform/gfx/Glyph.h"
#include "platform/gfx/LogFont.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

struct FT_SizeRec_;

namespace platform {

class FontFace;

// A font at one size and style, made by FontLibrary from a LogFont. Text is ANSI bytes
// (AnsiCharMap). Glyphs are rendered one bit per pixel, without antialiasing, so the same
// text always gives the same pixels; each is rendered once and kept.
class Font {
public:
    static Result<std::shared_ptr<const Font>> create(std::shared_ptr<FontFace> face, const LogFont& logFont);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const LogFont& logFont() const { return m_logFont; }
    const FontMetrics& metrics() const { return m_metrics; }
    int32_t height() const { return m_metrics.height; }
    std::string familyName() const;
    const std::string& filePath() const;

    // Control characters have no ink and no width.
    const Glyph& glyph(uint8_t ansi) const;
    int32_t charWidth(uint8_t ansi) const { return glyph(ansi).advance; }
    int32_t textWidth(std::string_view text) const;
    // Width of the text and the font's cell height (one line, no prefix processing).
    Size textExtent(std::string_view text) const { return {textWidth(text), m_metrics.height}; }

private:
    Font(std::shared_ptr<FontFace> face, const LogFont& logFont);
    bool selectSize();
    Glyph render(uint8_t ansi) const;

    std::shared_ptr<FontFace> m_face;
    FT_SizeRec_* m_size = nullptr;
    LogFont m_logFont;
    FontMetrics m_metrics;
    bool m_syntheticBold = false;
    bool m_syntheticItalic = false;
    int32_t m_strike = -1; // index of the bitmap strike of a face without outlines
    int32_t m_pixelsPerEm = 0;
    mutable std::array<std::unique_ptr<Glyph>, 256> m_glyphs;
};

} // namespace platform
