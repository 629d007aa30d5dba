#include "platform/base/CodePage.h"

#include <gtest/gtest.h>

using platform::CodePage;

namespace {

const CodePage kCp1252(CodePage::Id::Windows1252);
const CodePage kLatin1(CodePage::Id::Latin1);

struct Conversion {
    const CodePage* codePage;
    std::string ansi;
    std::string utf8;
};

TEST(CodePage, ConvertsCharactersBothWays)
{
    const Conversion cases[] = {
        {&kCp1252, "Form1.cpp", "Form1.cpp"},
        {&kCp1252, "Caf\xE9", "Caf\xC3\xA9"},                  // é
        {&kCp1252, "\x80", "\xE2\x82\xAC"},                     // €
        {&kCp1252, "\x8A\x9F", "\xC5\xA0\xC5\xB8"},             // Š Ÿ
        {&kCp1252, "\x93x\x94", "\xE2\x80\x9Cx\xE2\x80\x9D"},   // curly quotes
        {&kCp1252, "\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"}, // undefined: C1
        {&kCp1252, "\xFF", "\xC3\xBF"},                         // ÿ
        {&kLatin1, "\x80\x9F", "\xC2\x80\xC2\x9F"},             // Latin-1 keeps the C1 controls
        {&kLatin1, "\xE9", "\xC3\xA9"},
        {&kCp1252, std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Conversion& c : cases) {
        EXPECT_EQ(c.codePage->toUtf8(c.ansi), c.utf8) << c.utf8;
        EXPECT_EQ(c.codePage->fromUtf8(c.utf8), c.ansi) << c.utf8;
    }
}

TEST(CodePage, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    for (const CodePage* cp : {&kCp1252, &kLatin1})
        EXPECT_EQ(cp->fromUtf8(cp->toUtf8(all)), all);
}

TEST(CodePage, UnknownAndMalformedUtf8BecomesQuestionMarks)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\xD0\x96uk", "?uk"},          // Cyrillic Zhe: not in the code page
        {"\xE4\xB8\xAD", "?"},          // CJK, three bytes
        {"\xF0\x9F\x98\x80!", "?!"},    // outside the basic plane
        {"\xC3", "?"},                  // truncated at the end
        {"\xC3x", "?x"},                // continuation missing
        {"\xC0\xAF", "??"},             // overlong '/'
        {"\xED\xA0\x80", "???"},        // surrogate
        {"\xF4\x90\x80\x80", "????"},   // beyond U+10FFFF
        {"\x80", "?"},                  // stray continuation byte
        {"\xC2\x80", "?"},              // U+0080: 1252 has the euro sign at 0x80 instead
    };
    for (const auto& [utf8, ansi] : cases)
        EXPECT_EQ(kCp1252.fromUtf8(utf8), ansi) << ansi;
    EXPECT_EQ(kLatin1.fromUtf8("\xE2\x82\xAC"), "?"); // no euro sign in Latin-1
}

TEST(CodePage, UpperCasesAnsiLetters)
{
    struct Case {
        const CodePage* codePage;
        std::string lower;
        std::string upper;
    };
    const Case cases[] = {
        {&kCp1252, "stdafx.cpp_1", "STDAFX.CPP_1"},
        {&kCp1252, "\xE0\xE9\xFE", "\xC0\xC9\xDE"},        // à é þ
        {&kCp1252, "\xF7\xDF\xB5", "\xF7\xDF\xB5"},        // ÷ ß µ have no upper case here
        {&kCp1252, "\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"}, // š œ ž ÿ
        {&kLatin1, "\x9A\xFF\xE9", "\x9A\xFF\xC9"},        // Latin-1 lacks Š and Ÿ
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.codePage->toUpper(c.lower), c.upper) << c.lower;
}

TEST(CodePage, ComparesIgnoringCase)
{
    EXPECT_TRUE(kCp1252.equalsIgnoreCase(".\\StdAfx.cpp", ".\\stdafx.CPP"));
    EXPECT_TRUE(kCp1252.equalsIgnoreCase("Caf\xE9", "CAF\xC9"));
    EXPECT_TRUE(kCp1252.equalsIgnoreCase("\xFF", "\x9F"));
    EXPECT_FALSE(kLatin1.equalsIgnoreCase("\xFF", "\x9F"));
    EXPECT_FALSE(kCp1252.equalsIgnoreCase("form1.h", "form1.hh"));
    EXPECT_FALSE(kCp1252.equalsIgnoreCase("form1", "form2"));
}

} // namespace
