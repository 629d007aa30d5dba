#include "sourcemodel/CppScanner.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

constexpr size_t npos = CppScanner::npos;

TEST(CppScanner, SearchesSkipCommentsAndLiterals)
{
    const std::string text = "// class A {\n"
                             "/* class B { */ const char* s = \"class C {\"; char c = '{';\n"
                             "class D { };";
    const CppScanner scanner(text);
    const size_t found = scanner.findWord("class", 0);
    EXPECT_EQ(found, text.rfind("class D"));
    EXPECT_EQ(scanner.findToken("{", 0), text.rfind("{ }"));
    // The raw search sees comments too.
    EXPECT_EQ(scanner.findRaw("class", 0), 3u);
    EXPECT_TRUE(scanner.isInsideNonCode(text.find("B {")));
    EXPECT_TRUE(scanner.isInsideNonCode(text.find("C {")));
    EXPECT_FALSE(scanner.isInsideNonCode(found));
}

TEST(CppScanner, WordsAreWhole)
{
    const CppScanner scanner("subclass m_class classX class_ class");
    EXPECT_EQ(scanner.findWord("class", 0), 31u);
    EXPECT_EQ(scanner.findToken("class", 0), 3u);
}

TEST(CppScanner, BracketsMatchAcrossNestingCommentsAndLiterals)
{
    struct Case {
        std::string text;
        size_t open;
        size_t close;
    };
    const Case cases[] = {
        {"{ a { b } c }", 0, 12},
        {"{ \"}\" '}' // }\n /* } */ }", 0, 24},
        {"f(a, (b), g(c))", 1, 14},
        {"x[1][2]", 1, 3},
        {"CArray<CList<int>, int>", 6, 22},
        {"{ never closed", 0, npos},
        {"} not an opener", 0, npos},
    };
    for (const Case& c : cases) {
        const CppScanner scanner(c.text);
        EXPECT_EQ(scanner.matchingClose(c.open), c.close) << c.text;
        if (c.close != npos) {
            EXPECT_EQ(scanner.matchingOpen(c.close), c.open) << c.text;
        }
    }
    const CppScanner unbalanced("} }");
    EXPECT_EQ(unbalanced.matchingOpen(2), npos);
}

TEST(CppScanner, IdentifiersAroundAPosition)
{
    const std::string text = "void CForm1 :: OnPaint ( )";
    const CppScanner scanner(text);
    const size_t colons = text.find("::");
    EXPECT_EQ(scanner.identifierBefore(colons), "CForm1");
    EXPECT_EQ(scanner.identifierAfter(colons + 2), "OnPaint");
    EXPECT_EQ(scanner.identifierBefore(0), "");
    EXPECT_EQ(scanner.identifierAfter(text.size()), "");
    EXPECT_EQ(text[scanner.lastNonSpaceBefore(text.size())], ')');
    EXPECT_EQ(TrimSpaces(" \t\r\nname \r\n"), "name");
}

TEST(CppScanner, UnterminatedCommentsAndLiteralsEndAtTheText)
{
    for (const std::string text : {"/* open", "\"open", "'", "//", "/", "\"\\"}) {
        const CppScanner scanner(text);
        EXPECT_EQ(scanner.findToken("{", 0), npos) << text;
        EXPECT_LE(scanner.skipNonCode(0), text.size()) << text;
    }
}

TEST(CppScanner, AlternativeBranchesAreNotCountedAndBareCrEndsALineComment)
{
    const std::string text = "void F() {\n#if A\n if (a) {\n#elif B\n if (b) {\n#  else\n if (c) {\n#endif\n }\n}\n";
    const CppScanner scanner(text);
    EXPECT_EQ(scanner.matchingClose(text.find('{')), text.rfind('}'));
    EXPECT_EQ(scanner.matchingOpen(text.rfind('}')), text.find('{'));
    // A nested conditional inside the skipped branch does not end it early.
    const std::string nested = "{\n#if A\n{\n#else\n#ifdef B\n{\n#endif\n{\n#endif\n}\n}";
    EXPECT_EQ(CppScanner(nested).matchingClose(0), nested.size() - 1);

    const std::string cr = "// note\rclass A { };\r";
    EXPECT_EQ(CppScanner(cr).findWord("class", 0), cr.find("class"));
}

} // namespace
} // namespace morva
