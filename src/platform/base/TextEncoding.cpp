#include "platform/base/TextEncoding.h"

#include <cstdint>

namespace platform {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

void appendUtf8(std::string& out, uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// UTF-16 code units after the mark as UTF-8; a lone surrogate becomes U+FFFD and an odd last
// byte is dropped (neither survives a round trip, which marks the file as not editable).
std::string utf16ToUtf8(std::string_view units, bool bigEndian)
{
    std::string out;
    out.reserve(units.size() / 2);
    auto unitAt = [&](size_t i) {
        const auto first = static_cast<uint8_t>(units[i]);
        const auto second = static_cast<uint8_t>(units[i + 1]);
        return static_cast<uint32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    for (size_t i = 0; i + 1 < units.size(); i += 2) {
        uint32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < units.size()) {
            const uint32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000)
            unit = 0xFFFD;
        appendUtf8(out, unit);
    }
    return out;
}

std::string utf8ToUtf16(std::string_view utf8, bool bigEndian)
{
    std::string out;
    out.reserve(utf8.size() * 2 + 2);
    auto put = [&](uint32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    put(0xFEFF);
    // The text comes from the code page's own conversion, so it is well-formed UTF-8 of the
    // basic plane.
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<uint8_t>(utf8[i]);
        uint32_t codePoint = c;
        size_t length = 1;
        if (c >= 0xE0 && i + 2 < utf8.size()) {
            codePoint = ((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
            length = 3;
        } else if (c >= 0xC0 && i + 1 < utf8.size()) {
            codePoint = ((c & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
            length = 2;
        }
        put(codePoint);
        i += length;
    }
    return out;
}

} // namespace

TextEncoding detectEncoding(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Mark))
        return TextEncoding::Utf8Bom;
    if (bytes.starts_with("\xFF\xFE"))
        return TextEncoding::Utf16Le;
    if (bytes.starts_with("\xFE\xFF"))
        return TextEncoding::Utf16Be;
    return TextEncoding::Ansi;
}

DecodedText decodeText(std::string_view bytes, const CodePage& codePage)
{
    DecodedText decoded;
    decoded.encoding = detectEncoding(bytes);
    switch (decoded.encoding) {
    case TextEncoding::Ansi:
        decoded.text = std::string(bytes);
        return decoded;
    case TextEncoding::Utf8Bom: decoded.text = codePage.fromUtf8(bytes.substr(kUtf8Mark.size())); break;
    case TextEncoding::Utf16Le: decoded.text = codePage.fromUtf8(utf16ToUtf8(bytes.substr(2), false)); break;
    case TextEncoding::Utf16Be: decoded.text = codePage.fromUtf8(utf16ToUtf8(bytes.substr(2), true)); break;
    }
    decoded.lossless = encodeText(decoded.text, decoded.encoding, codePage) == bytes;
    return decoded;
}

std::string encodeText(std::string_view ansi, TextEncoding encoding, const CodePage& codePage)
{
    switch (encoding) {
    case TextEncoding::Ansi: return std::string(ansi);
    case TextEncoding::Utf8Bom: return std::string(kUtf8Mark) + codePage.toUtf8(ansi);
    case TextEncoding::Utf16Le: return utf8ToUtf16(codePage.toUtf8(ansi), false);
    case TextEncoding::Utf16Be: return utf8ToUtf16(codePage.toUtf8(ansi), true);
    }
    return std::string(ansi);
}

} // namespace platform
