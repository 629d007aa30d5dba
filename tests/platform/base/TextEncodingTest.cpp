#include "platform/base/TextEncoding.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using namespace std::string_literals;

TEST(TextEncodingTest, MarkedFilesReadAsAnsiAndWriteBackInTheirOwnEncoding)
{
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        std::string text;
    };
    const Case cases[] = {
        {"caf\xE9\r\n", TextEncoding::Ansi, "caf\xE9\r\n"},
        {"\xEF\xBB\xBF" "caf\xC3\xA9\r\n", TextEncoding::Utf8Bom, "caf\xE9\r\n"},
        {"\xFF\xFE" "c\0a\0f\0\xE9\0\r\0\n\0"s, TextEncoding::Utf16Le, "caf\xE9\r\n"},
        {"\xFE\xFF" "\0c\0a\0f\0\xE9\0\r\0\n"s, TextEncoding::Utf16Be, "caf\xE9\r\n"},
        {"\xFF\xFE" "\xAC\x20"s, TextEncoding::Utf16Le, "\x80"}, // the euro sign of the code page
    };
    for (const Case& c : cases) {
        const DecodedText decoded = decodeText(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding) << c.text;
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_TRUE(decoded.lossless) << c.text;
        EXPECT_EQ(encodeText(decoded.text, decoded.encoding), c.bytes);
    }
}

TEST(TextEncodingTest, TextsTheCodePageCannotHoldAreMarkedAsNotEditable)
{
    // A Greek letter, a character beyond the basic plane, a lone surrogate, an odd last byte.
    for (const std::string& bytes : {"\xFF\xFE\xB1\x03"s, "\xFF\xFE\x3D\xD8\x00\xDE"s, "\xFF\xFE\x00\xD8"s,
                                     "\xFF\xFEx\0y"s, "\xEF\xBB\xBF\xCE\xB1"s}) {
        const DecodedText decoded = decodeText(bytes);
        EXPECT_FALSE(decoded.lossless) << decoded.text;
        EXPECT_EQ(decoded.text.find('\0'), std::string::npos);
    }
    EXPECT_EQ(decodeText("\xFF\xFE\xB1\x03"s).text, "?");
}

} // namespace
} // namespace platform
