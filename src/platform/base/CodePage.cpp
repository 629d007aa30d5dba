#include "platform/base/CodePage.h"

#include <array>
#include <cstdint>

namespace platform {

namespace {

// Characters of bytes 0x80..0x9F in Windows-1252. The five bytes it leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) keep the C1 control of the same number.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t toCodePoint(CodePage::Id id, unsigned char byte)
{
    if (id == CodePage::Id::Windows1252 && byte >= 0x80 && byte <= 0x9F)
        return kWindows1252High[byte - 0x80];
    return byte;
}

// The byte of a code point, or -1 when the code page has no such character.
int fromCodePoint(CodePage::Id id, char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    if (id == CodePage::Id::Latin1)
        return cp <= 0xFF ? static_cast<int>(cp) : -1;
    for (size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == cp)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // Every character of a single-byte code page lies in the basic plane.
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one character at `pos`; returns its length in bytes, or 0 for a malformed sequence
// (bad lead byte, missing or bad continuation, overlong form, surrogate, beyond U+10FFFF).
size_t decodeUtf8(std::string_view text, size_t pos, char32_t& cp)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - pos < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string CodePage::toUtf8(std::string_view ansi) const
{
    std::string out;
    out.reserve(ansi.size());
    for (char c : ansi)
        appendUtf8(out, toCodePoint(m_id, static_cast<unsigned char>(c)));
    return out;
}

std::string CodePage::fromUtf8(std::string_view utf8) const
{
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        const size_t length = decodeUtf8(utf8, pos, cp);
        if (length == 0) {
            out += '?';
            ++pos;
            continue;
        }
        const int byte = fromCodePoint(m_id, cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        pos += length;
    }
    return out;
}

char CodePage::toUpper(char c) const
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - 0x20);
    // à..þ except ÷ are the lower-case forms of À..Þ except ×, in both code pages.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return static_cast<char>(b - 0x20);
    if (m_id == Id::Windows1252) {
        switch (b) {
        case 0x9A: return static_cast<char>(0x8A); // š Š
        case 0x9C: return static_cast<char>(0x8C); // œ Œ
        case 0x9E: return static_cast<char>(0x8E); // ž Ž
        case 0xFF: return static_cast<char>(0x9F); // ÿ Ÿ
        default: break;
        }
    }
    return c;
}

std::string CodePage::toUpper(std::string_view text) const
{
    std::string out(text);
    for (char& c : out)
        c = toUpper(c);
    return out;
}

bool CodePage::equalsIgnoreCase(std::string_view a, std::string_view b) const
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (toUpper(a[i]) != toUpper(b[i]))
            return false;
    }
    return true;
}

} // namespace platform
