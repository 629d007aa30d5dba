#include "platform/gfx/Painter.h"

#include "platform/gfx/SafeGeometry.h"
#include "platform/gfx/TextFormat.h"

#include <algorithm>
#include <string>
#include <vector>

namespace platform {

namespace {

struct TextLine {
    std::string text;
    int32_t mnemonic = -1;
    int32_t width = 0;
};

int32_t floorDiv(int64_t a, int64_t b)
{
    return int32_t(a >= 0 ? a / b : -((-a + b - 1) / b));
}

// Pen position after one character, with tabs stopping at multiples of tabWidth.
int32_t advance(const Font& font, int32_t x, char c, int32_t tabWidth)
{
    // Saturates, so that no text is long enough to wrap around.
    constexpr int64_t limit = INT32_MAX / 2;
    if (c == '\t' && tabWidth > 0)
        return int32_t(std::min<int64_t>(limit, (int64_t(x) / tabWidth + 1) * tabWidth));
    return int32_t(std::min<int64_t>(limit, int64_t(x) + font.charWidth(uint8_t(c))));
}

int32_t widthOf(const Font& font, std::string_view s, int32_t tabWidth)
{
    int32_t x = 0;
    for (char c : s)
        x = advance(font, x, c, tabWidth);
    return x;
}

// "&x" marks x as the mnemonic (the first one counts), "&&" stands for "&".
std::string stripPrefixes(std::string_view text, int32_t& mnemonic)
{
    std::string out;
    out.reserve(text.size());
    mnemonic = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        if (i + 1 >= text.size())
            break; // a lone '&' at the end shows nothing
        if (text[i + 1] == '&') {
            out += '&';
            ++i;
        } else if (mnemonic < 0) {
            mnemonic = int32_t(out.size());
        }
    }
    return out;
}

// Breaks one hard line into lines no wider than maxWidth, at blanks. A word wider than the
// line stays whole on a line of its own; blanks at a break are dropped.
void wrap(const Font& font, std::string_view line, size_t offset, int32_t maxWidth, int32_t tabWidth,
          std::vector<std::pair<size_t, size_t>>& out)
{
    if (line.empty()) {
        out.push_back({offset, offset});
        return;
    }
    size_t pos = 0;
    while (true) {
        const size_t start = pos;
        size_t breakAt = std::string_view::npos; // the last blank after a word
        bool seenWord = false;
        int32_t x = 0;
        size_t i = start, end = line.size();
        for (; i < line.size(); ++i) {
            const char c = line[i];
            if (c == ' ') {
                if (seenWord)
                    breakAt = i;
                x = advance(font, x, c, tabWidth);
                continue;
            }
            const int32_t next = advance(font, x, c, tabWidth);
            if (next > maxWidth && breakAt != std::string_view::npos) {
                end = breakAt;
                break;
            }
            seenWord = true;
            x = next;
        }
        size_t trimmed = end;
        while (trimmed > start && line[trimmed - 1] == ' ')
            --trimmed;
        out.push_back({offset + start, offset + trimmed});
        if (i >= line.size())
            return;
        pos = end;
        while (pos < line.size() && line[pos] == ' ')
            ++pos;
        if (pos >= line.size())
            return;
    }
}

} // namespace

Size Painter::textExtent(std::string_view text) const
{
    return m_state.font ? m_state.font->textExtent(text) : Size{};
}

void Painter::textOut(Point p, std::string_view text)
{
    if (!m_state.font)
        return;
    const Device d = toDevice(p);
    drawTextLine(d.x, d.y, text, 0, -1, true, false);
}

void Painter::drawTextLine(int64_t x, int64_t y, std::string_view text, int32_t tabWidth, int32_t mnemonic,
                           bool drawGlyphs, bool drawMnemonic)
{
    const Font& font = *m_state.font;
    const FontMetrics& m = font.metrics();
    const Rect& clip = m_state.clip;
    const int32_t width = widthOf(font, text, tabWidth);
    auto fill = [&](int64_t x0, int64_t y0, int64_t x1, int64_t y1, uint32_t color) {
        const int64_t l = std::max<int64_t>(x0, clip.left), t = std::max<int64_t>(y0, clip.top);
        const int64_t r = std::min<int64_t>(x1, clip.right), b = std::min<int64_t>(y1, clip.bottom);
        for (int64_t row = t; row < b; ++row)
            if (l < r)
                paintSpanColor(int32_t(row), int32_t(l), int32_t(r), color, DrawMode::CopyPen);
    };
    const uint32_t ink = m_state.textColor.argb;
    if (drawGlyphs) {
        if (m_state.backgroundMode == BackgroundMode::Opaque)
            fill(x, y, x + width, y + m.height, m_state.backgroundColor.argb);
        const int64_t baseline = y + m.ascent;
        int32_t pen = 0;
        for (char c : text) {
            const Glyph& g = font.glyph(uint8_t(c));
            const int64_t gx = x + pen + g.left, gy = baseline - g.top;
            if (gx + g.width > clip.left && gx < clip.right && gy + g.rows > clip.top && gy < clip.bottom) {
                for (int32_t row = 0; row < g.rows; ++row) {
                    const int64_t py = gy + row;
                    if (py < clip.top || py >= clip.bottom)
                        continue;
                    auto dst = m_target.row(int32_t(py));
                    for (int32_t col = 0; col < g.width; ++col) {
                        const int64_t px = gx + col;
                        if (px >= clip.left && px < clip.right && g.inkAt(col, row))
                            dst[size_t(px)] = ink;
                    }
                }
            }
            pen = advance(font, pen, c, tabWidth);
        }
        if (font.logFont().underline)
            fill(x, y + m.underlinePosition, x + width, y + m.underlinePosition + m.underlineThickness, ink);
        if (font.logFont().strikeOut)
            fill(x, y + m.strikeOutPosition, x + width, y + m.strikeOutPosition + m.underlineThickness, ink);
    }
    if (drawMnemonic && mnemonic >= 0 && size_t(mnemonic) < text.size()) {
        const int32_t from = widthOf(font, text.substr(0, size_t(mnemonic)), tabWidth);
        const int32_t to = advance(font, from, text[size_t(mnemonic)], tabWidth);
        fill(x + from, y + m.underlinePosition, x + to, y + m.underlinePosition + m.underlineThickness, ink);
    }
}

int32_t Painter::drawText(std::string_view text, Rect& rect, uint32_t format)
{
    using namespace textFormat;
    if (!m_state.font)
        return 0;
    Rect r = saneRect(rect);
    const Font& font = *m_state.font;
    const FontMetrics& m = font.metrics();

    int32_t mnemonic = -1;
    const std::string display = (format & NoPrefix) ? std::string(text) : stripPrefixes(text, mnemonic);
    const int32_t tabWidth = (format & ExpandTabs) ? 8 * std::max(1, m.averageCharWidth) : 0;
    const int32_t maxWidth = r.width();
    const bool singleLine = (format & SingleLine) != 0;

    // Lines as [begin, end) ranges of the display text.
    std::vector<std::pair<size_t, size_t>> ranges;
    if (!display.empty()) {
        if (singleLine) {
            ranges.push_back({0, display.size()});
        } else {
            size_t start = 0;
            for (size_t i = 0; i <= display.size(); ++i) {
                const bool end = i == display.size();
                if (!end && display[i] != '\r' && display[i] != '\n')
                    continue;
                const std::string_view hard(display.data() + start, i - start);
                if (format & WordBreak)
                    wrap(font, hard, start, maxWidth, tabWidth, ranges);
                else
                    ranges.push_back({start, i});
                if (!end && display[i] == '\r' && i + 1 < display.size() && display[i + 1] == '\n')
                    ++i;
                start = i + 1;
            }
        }
    }

    const bool ellipsis = (format & (EndEllipsis | PathEllipsis | WordEllipsis)) != 0;
    std::vector<TextLine> lines;
    lines.reserve(ranges.size());
    int32_t widest = 0;
    for (const auto& [begin, end] : ranges) {
        TextLine line;
        line.text = display.substr(begin, end - begin);
        if (mnemonic >= 0 && size_t(mnemonic) >= begin && size_t(mnemonic) < end)
            line.mnemonic = int32_t(size_t(mnemonic) - begin);
        line.width = widthOf(font, line.text, tabWidth);
        if (ellipsis && line.width > maxWidth) {
            const int32_t dots = font.textWidth("...");
            size_t keep = 0;
            int32_t x = 0;
            while (keep < line.text.size()) {
                const int32_t next = advance(font, x, line.text[keep], tabWidth);
                if (next + dots > maxWidth)
                    break;
                x = next;
                ++keep;
            }
            line.text = line.text.substr(0, keep) + "...";
            if (line.mnemonic >= int32_t(keep))
                line.mnemonic = -1;
            line.width = widthOf(font, line.text, tabWidth);
        }
        widest = std::max(widest, line.width);
        lines.push_back(std::move(line));
    }

    const int32_t lineHeight = m.height + ((format & ExternalLeading) ? m.externalLeading : 0);
    const int64_t total = int64_t(lines.size()) * lineHeight;
    if (format & CalcRect) {
        rect.right = clampToInt32(int64_t(r.left) + widest);
        rect.bottom = clampToInt32(int64_t(r.top) + total);
        rect.left = r.left;
        rect.top = r.top;
        return clampToInt32(total);
    }

    int64_t top = r.top;
    if (singleLine && (format & VCenter))
        top = floorDiv(int64_t(r.top) + r.bottom - lineHeight, 2);
    else if (singleLine && (format & Bottom))
        top = int64_t(r.bottom) - lineHeight;

    save();
    if (!(format & NoClip))
        intersectClipRect(r);
    const bool glyphs = !(format & PrefixOnly);
    const bool underlineMnemonic = !(format & HidePrefix);
    for (size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        int64_t x = r.left;
        if (format & Center)
            x = floorDiv(int64_t(r.left) + r.right - line.width, 2);
        else if (format & Right)
            x = int64_t(r.right) - line.width;
        const int64_t y = top + int64_t(i) * lineHeight;
        drawTextLine(x + m_state.origin.x, y + m_state.origin.y, line.text, tabWidth, line.mnemonic, glyphs,
                     underlineMnemonic);
    }
    restore();
    return clampToInt32(top - r.top + total);
}

} // namespace platform
