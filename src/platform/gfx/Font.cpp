#include "platform/gfx/Font.h"

#include "platform/gfx/AnsiCharMap.h"
#include "platform/gfx/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Size used for a LogFont height of 0: a 12-pixel character height.
constexpr int32_t defaultHeight = -12;
// Larger requests are drawn at this size; it bounds the memory a glyph can take.
constexpr int32_t maxPixelHeight = 1024;

int32_t roundDiv(int64_t num, int64_t den)
{
    if (den == 0)
        return 0;
    if ((num < 0) != (den < 0))
        return int32_t(-((-num + den / 2) / den));
    return int32_t((num + den / 2) / den);
}

int32_t fromF26Dot6(FT_Pos v)
{
    return int32_t((v + 32) >> 6);
}

int32_t floorDiv(int32_t a, int32_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

} // namespace

Font::Font(std::shared_ptr<FontFace> face, const LogFont& logFont) : m_face(std::move(face)), m_logFont(logFont) {}

Font::~Font()
{
    if (m_size)
        FT_Done_Size(m_size);
}

std::string Font::familyName() const
{
    return m_face->familyName();
}

const std::string& Font::filePath() const
{
    return m_face->path();
}

Result<std::shared_ptr<const Font>> Font::create(std::shared_ptr<FontFace> face, const LogFont& logFont)
{
    using R = Result<std::shared_ptr<const Font>>;
    if (!face)
        return R::failure("No font face to make a font from.");
    std::shared_ptr<Font> font(new Font(face, logFont));
    if (FT_New_Size(face->face(), &font->m_size) != 0)
        return R::failure("Cannot size the font " + face->familyName() + ".");
    font->m_syntheticBold = logFont.isBold() && !face->isBold();
    font->m_syntheticItalic = logFont.italic && !face->isItalic();
    if (!font->selectSize())
        return R::failure("Cannot size the font " + face->familyName() + ".");
    return std::shared_ptr<const Font>(std::move(font));
}

bool Font::selectSize()
{
    FT_Face face = m_face->face();
    if (FT_Activate_Size(m_size) != 0)
        return false;
    const int32_t requested = std::clamp(m_logFont.height == 0 ? defaultHeight : m_logFont.height,
                                         -maxPixelHeight, maxPixelHeight);
    FontMetrics& m = m_metrics;

    if (!FT_IS_SCALABLE(face)) {
        // A face of bitmap strikes: the largest strike that fits the request, else the smallest.
        // A strike's character height is its ascent (its internal leading is its descent).
        int32_t best = -1, bestValue = 0, smallest = 0, smallestValue = 0;
        for (int32_t i = 0; i < face->num_fixed_sizes; ++i) {
            if (FT_Select_Size(face, i) != 0)
                continue;
            const int32_t ascent = fromF26Dot6(face->size->metrics.ascender);
            const int32_t cell = ascent + fromF26Dot6(-face->size->metrics.descender);
            const int32_t value = requested < 0 ? ascent : cell;
            const int32_t wanted = requested < 0 ? -requested : requested;
            if (value <= wanted && (best < 0 || value > bestValue)) {
                best = i;
                bestValue = value;
            }
            if (i == 0 || value < smallestValue) {
                smallest = i;
                smallestValue = value;
            }
        }
        m_strike = best >= 0 ? best : smallest;
        if (FT_Select_Size(face, m_strike) != 0)
            return false;
        m.ascent = fromF26Dot6(face->size->metrics.ascender);
        m.descent = fromF26Dot6(-face->size->metrics.descender);
        m.height = m.ascent + m.descent;
        m.internalLeading = m.descent;
        m_pixelsPerEm = std::max<int32_t>(1, m.ascent);
        m.maxCharWidth = 0;
        for (int b = 0x20; b < 0x100; ++b)
            m.maxCharWidth = std::max(m.maxCharWidth, charWidth(uint8_t(b)));
        m.averageCharWidth = charWidth('x');
    } else {
        const int64_t upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
        int64_t asc = face->ascender, desc = -int64_t(face->descender);
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        if (os2 && os2->version != 0xFFFF && int64_t(os2->usWinAscent) + os2->usWinDescent > 0) {
            asc = os2->usWinAscent;
            desc = os2->usWinDescent;
        }
        if (asc + desc <= 0) {
            asc = upem * 4 / 5;
            desc = upem - asc;
        }
        if (requested > 0) {
            m_pixelsPerEm = std::max(1, roundDiv(int64_t(requested) * upem, asc + desc));
            m.height = requested;
            m.ascent = roundDiv(int64_t(requested) * asc, asc + desc);
            m.descent = m.height - m.ascent;
        } else {
            m_pixelsPerEm = -requested;
            m.ascent = roundDiv(asc * m_pixelsPerEm, upem);
            m.descent = roundDiv(desc * m_pixelsPerEm, upem);
            m.height = m.ascent + m.descent;
        }
        m_pixelsPerEm = std::clamp(m_pixelsPerEm, 1, maxPixelHeight);
        if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(m_pixelsPerEm)) != 0)
            return false;
        m.internalLeading = std::max(0, m.height - m_pixelsPerEm);
        const int64_t lineGap = int64_t(face->height) - (int64_t(face->ascender) - face->descender);
        m.externalLeading = std::max(0, roundDiv(lineGap * m_pixelsPerEm, upem));
        m.maxCharWidth = roundDiv(int64_t(face->max_advance_width) * m_pixelsPerEm, upem) + (m_syntheticBold ? 1 : 0);
        if (os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
            m.averageCharWidth = roundDiv(int64_t(os2->xAvgCharWidth) * m_pixelsPerEm, upem) + (m_syntheticBold ? 1 : 0);
        else
            m.averageCharWidth = charWidth('x');
    }

    m.weight = m_logFont.isBold() ? LogFont::boldWeight : LogFont::normalWeight;
    m.italic = m_logFont.italic;
    m.underlineThickness = std::max(1, (m_pixelsPerEm + 7) / 14);
    m.underlinePosition = std::min(m.ascent + (m.descent >= 2 ? 1 : 0), std::max(0, m.height - m.underlineThickness));
    m.strikeOutPosition = std::max(0, m.ascent - std::max(1, (m.ascent + 1) / 3));
    return true;
}

const Glyph& Font::glyph(uint8_t ansi) const
{
    auto& slot = m_glyphs[ansi];
    if (!slot)
        slot = std::make_unique<Glyph>(render(ansi));
    return *slot;
}

Glyph Font::render(uint8_t ansi) const
{
    Glyph g;
    const char32_t code = ansiToUnicode(ansi);
    if (isControl(code))
        return g;
    FT_Face face = m_face->face();
    if (FT_Activate_Size(m_size) != 0)
        return g;
    if (m_strike >= 0 && FT_Select_Size(face, m_strike) != 0)
        return g;

    FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0 && code < 0x100)
        index = FT_Get_Char_Index(face, 0xF000 | code); // symbol fonts
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0)
        return g;
    FT_GlyphSlot slot = face->glyph;
    const bool outline = slot->format == FT_GLYPH_FORMAT_OUTLINE;
    if (outline && m_syntheticItalic) {
        FT_Matrix shear{0x10000, 0x3333, 0, 0x10000}; // x += y / 5
        FT_Outline_Transform(&slot->outline, &shear);
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
        return g;

    const FT_Bitmap& bm = slot->bitmap;
    g.advance = fromF26Dot6(slot->advance.x);
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = int32_t(bm.width);
    g.rows = int32_t(bm.rows);
    g.ink.assign(size_t(g.width) * size_t(g.rows), 0);
    const int32_t pitch = bm.pitch < 0 ? -bm.pitch : bm.pitch;
    for (int32_t y = 0; y < g.rows && bm.buffer; ++y) {
        const unsigned char* src = bm.buffer + size_t(bm.pitch < 0 ? g.rows - 1 - y : y) * size_t(pitch);
        for (int32_t x = 0; x < g.width; ++x) {
            bool on = false;
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                on = (src[x >> 3] >> (7 - (x & 7))) & 1;
            else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
                on = src[x] >= 128;
            else if (bm.pixel_mode == FT_PIXEL_MODE_BGRA)
                on = src[x * 4 + 3] >= 128;
            g.ink[size_t(y) * size_t(g.width) + size_t(x)] = on ? 1 : 0;
        }
    }

    if (!outline && m_syntheticItalic && g.rows > 0) {
        // Slant a bitmap strike: rows above the baseline move right, one pixel per four rows.
        const int32_t minShift = floorDiv(g.top - g.rows, 4);
        const int32_t maxShift = floorDiv(g.top - 1, 4);
        const int32_t w = g.width + maxShift - minShift;
        std::vector<uint8_t> ink(size_t(w) * size_t(g.rows), 0);
        for (int32_t y = 0; y < g.rows; ++y) {
            const int32_t shift = floorDiv(g.top - 1 - y, 4) - minShift;
            for (int32_t x = 0; x < g.width; ++x)
                ink[size_t(y) * size_t(w) + size_t(x + shift)] = g.ink[size_t(y) * size_t(g.width) + size_t(x)];
        }
        g.ink = std::move(ink);
        g.width = w;
        g.left += minShift;
    }
    if (m_syntheticBold && g.width > 0) {
        // Overstrike one pixel to the right, widening the character by one.
        const int32_t w = g.width + 1;
        std::vector<uint8_t> ink(size_t(w) * size_t(g.rows), 0);
        for (int32_t y = 0; y < g.rows; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const bool here = x < g.width && g.ink[size_t(y) * size_t(g.width) + size_t(x)];
                const bool before = x > 0 && g.ink[size_t(y) * size_t(g.width) + size_t(x - 1)];
                ink[size_t(y) * size_t(w) + size_t(x)] = (here || before) ? 1 : 0;
            }
        g.ink = std::move(ink);
        g.width = w;
    }
    if (m_syntheticBold)
        g.advance += 1;
    return g;
}

int32_t Font::textWidth(std::string_view text) const
{
    int64_t w = 0;
    for (char c : text)
        w += charWidth(uint8_t(c));
    return int32_t(std::min<int64_t>(w, INT32_MAX / 2));
}

} // namespace platform
