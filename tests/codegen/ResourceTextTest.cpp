#include "codegen/ResourceText.h"

#include "codegen/TemplateTable.h"
#include "model/CControlItem.h"
#include "model/CFormModel.h"
#include "platform/base/MessageService.h"

#include <gtest/gtest.h>

#include <memory>

namespace morva {
namespace {

const std::string kHeader =
    "//{{NO_DEPENDENCIES}}\r\n"
    "// #define IDC_TEXT1 999 (commented out)\r\n"
    "#define IDC_TEXT10                       1010\r\n"
    "#define IDC_TEXT1                        1001\r\n"
    "#define IDS_HEX                          0xF000\r\n"
    "#define IDS_FORM1                        61446\r\n"
    "#define IDS_ALIAS                        61446\r\n"
    "\r\n"
    "#ifdef APSTUDIO_INVOKED\r\n"
    "#ifndef APSTUDIO_READONLY_SYMBOLS\r\n"
    "#define _APS_NEXT_RESOURCE_VALUE        128\r\n"
    "#define _APS_NEXT_CONTROL_VALUE         5000\r\n"
    "#endif\r\n"
    "#endif\r\n";

TEST(ResourceTextTest, SymbolLookupsMatchWholeWordsOutsideComments)
{
    EXPECT_EQ(SymbolValue(kHeader, "IDC_TEXT1"), 1001);
    EXPECT_EQ(SymbolValue(kHeader, "IDC_TEXT10"), 1010);
    EXPECT_EQ(SymbolValue(kHeader, "IDS_HEX"), 0xF000);
    EXPECT_EQ(SymbolValue(kHeader, "IDC_TEXT"), 0);
    EXPECT_EQ(SymbolValue(kHeader, "IDC_MISSING"), 0);

    EXPECT_TRUE(SymbolDefined(kHeader, "IDC_TEXT1"));
    EXPECT_FALSE(SymbolDefined(kHeader, "IDC_TEXT"));
    EXPECT_FALSE(SymbolDefined("// #define IDC_X 1\r\nint IDC_X;\r\n", "IDC_X"));

    EXPECT_EQ(SymbolsWithValue(kHeader, "61446"), (std::vector<std::string>{"IDS_FORM1", "IDS_ALIAS"}));
    EXPECT_EQ(SymbolsWithValue(kHeader, "999"), std::vector<std::string>{});
    EXPECT_EQ(SymbolsWithValue(kHeader, "101"), std::vector<std::string>{}); // not a part of 1010
}

TEST(ResourceTextTest, SymbolsWithValueTakesTheDefineOfEachOccurrence)
{
    // An occurrence before any #define, one on a line that is not a #define, and a long run of
    // symbols sharing a value (a generated header with many aliases) in their order.
    std::string header = "int early = 7;\r\n#define IDC_A 5\r\nint late = 7;\r\n";
    std::vector<std::string> expected;
    for (int i = 0; i < 2000; ++i) {
        header += "#define IDC_SAME" + std::to_string(i) + " 7\r\n";
        expected.push_back("IDC_SAME" + std::to_string(i));
    }
    EXPECT_EQ(SymbolsWithValue(header, "7"), expected);
    EXPECT_EQ(SymbolsWithValue(header, "5"), std::vector<std::string>{"IDC_A"});
}

TEST(ResourceTextTest, NextStringIdOverAllTables)
{
    struct Case {
        const char* name;
        std::string script;
        long expected;
    };
    const Case cases[] = {
        {"symbols and numbers in two tables",
         "STRINGTABLE DISCARDABLE\r\nBEGIN\r\n    IDS_FORM1 \"a \"\"quoted\"\" text\"\r\nEND\r\n"
         "// STRINGTABLE in a comment\r\nSTRINGTABLE\r\nBEGIN\r\n  // IDS_HEX \"commented\"\r\n  100, \"x\"\r\nEND\r\n",
         61447},
        {"braces for BEGIN and END", "STRINGTABLE\n{\n IDS_HEX \"http://a\"\n}\n", 0xF001},
        {"no table", "// nothing\r\n", 1},
        {"empty table", "STRINGTABLE\r\nBEGIN\r\nEND\r\n", 1},
        {"no BEGIN", "STRINGTABLE\r\n", 0},
        {"unclosed string", "STRINGTABLE\r\nBEGIN\r\n IDS_FORM1 \"open\r\n", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextStringId(c.script, kHeader), c.expected) << c.name;
}

TEST(ResourceTextTest, CounterLinesEndAtEitherLineBreak)
{
    std::string header = kHeader;
    ASSERT_TRUE(SetNextResourceValue(header, 129));
    ASSERT_TRUE(SetNextControlValue(header, 5001));
    EXPECT_NE(header.find("#define _APS_NEXT_RESOURCE_VALUE     129\r\n#define _APS_NEXT_CONTROL_VALUE     5001\r\n"),
              std::string::npos);

    std::string bareLf = "#define _APS_NEXT_CONTROL_VALUE 5000\n#define X 1\n";
    ASSERT_TRUE(SetNextControlValue(bareLf, 7));
    EXPECT_EQ(bareLf, "#define _APS_NEXT_CONTROL_VALUE     7\n#define X 1\n");

    std::string missing = "#define X 1\r\n// _APS_NEXT_CONTROL_VALUE 1\r\n";
    const std::string before = missing;
    EXPECT_FALSE(SetNextControlValue(missing, 7));
    EXPECT_EQ(missing, before);
}

TEST(ResourceTextTest, SymbolSite)
{
    EXPECT_EQ(kHeader.substr(SymbolSite(kHeader), 2), "\r\n"); // after the IDS_ALIAS line
    EXPECT_EQ(kHeader.substr(0, SymbolSite(kHeader)).substr(kHeader.find("#define IDS_ALIAS")),
              "#define IDS_ALIAS                        61446\r\n");
    EXPECT_EQ(SymbolSite("#define A 1\r\n#define B 2\r\n"), 0u);
    EXPECT_EQ(SymbolSite("#ifdef APSTUDIO_INVOKED\r\n#endif\r\n"), 0u);
}

TEST(ResourceTextTest, StringTableSiteIsTheLastTablesEndLine)
{
    platform::MessageService messages;
    const std::string script = "STRINGTABLE\r\nBEGIN\r\n A \"1\"\r\nEND\r\nSTRINGTABLE\r\nBEGIN\r\n B \"2\"\r\nEND\r\n";
    const auto site = StringTableSite(script, messages);
    ASSERT_TRUE(site);
    EXPECT_EQ(script.substr(*site), "END\r\n");
    EXPECT_TRUE(messages.shownTexts().empty());

    EXPECT_FALSE(StringTableSite("// STRINGTABLE\r\n", messages));
    EXPECT_EQ(messages.shownTexts(),
              std::vector<std::string>{"The key word \"STRINGTABLE\" couldn't be found in .rc file"});
}

TEST(ResourceTextTest, IconSiteFollowsTheLastIconLine)
{
    const std::string comment(TemplateText(61568));
    const std::string script = "x\r\n" + comment + "\r\n\r\nIDR_MAINFRAME ICON DISCARDABLE \"res\\\\test.ico\"\r\n" +
                               "// \"old.ico\" in a comment\r\n\r\n";
    const auto site = IconSite(script);
    ASSERT_TRUE(site);
    EXPECT_EQ(script.substr(*site), "// \"old.ico\" in a comment\r\n\r\n");
    EXPECT_FALSE(IconSite("no comment"));
    EXPECT_FALSE(CursorSite(script));
}

TEST(ResourceTextTest, PictureLines)
{
    EXPECT_EQ(PictureHeaderLine(PictureType::Bitmap, 128), "#define\tIDB_BITMAP128\t\t\t\t\t128\r\n");
    EXPECT_EQ(PictureHeaderLine(PictureType::Cursor, 3), "#define\tIDC_CURSOR3\t\t\t\t\t3\r\n");
    EXPECT_EQ(PictureScriptLine(PictureType::Bitmap, 128, "C:\\pics\\logo.bmp"),
              "\r\nIDB_BITMAP128\t\t\tBITMAP  DISCARDABLE\t\t\"res\\\\logo.bmp\"");
    EXPECT_EQ(PictureScriptLine(PictureType::Icon, 3, "a.ico"), "IDI_ICON3\t\t\tICON  DISCARDABLE\t\t\"res\\\\a.ico\"\r\n");
    EXPECT_EQ(PictureTypeOf("C:\\x.y\\pic.ICO"), PictureType::Icon);
    EXPECT_EQ(PictureTypeOf("pic.cur"), PictureType::Cursor);
    EXPECT_EQ(PictureTypeOf("pic.ico.bmp"), PictureType::Bitmap); // the text after the first dot
    EXPECT_EQ(PictureTypeOf("pic"), PictureType::Bitmap);
}

TEST(ResourceTextTest, SymbolsInUseNeedsBothOnOneControl)
{
    CFormModel first, second;
    auto a = std::make_unique<CControlItem>();
    a->m_strIdentifierSymbol = "IDC_A";
    a->m_strPropStringSymbol = "IDS_A";
    auto b = std::make_unique<CControlItem>();
    b->m_strIdentifierSymbol = "IDC_B";
    b->m_strPropStringSymbol = "IDS_B";
    first.AppendItem(std::move(a));
    second.AppendItem(std::move(b));
    const CFormModel* forms[] = {&first, &second};
    EXPECT_TRUE(SymbolsInUse(forms, "IDC_B", "IDS_B"));
    EXPECT_FALSE(SymbolsInUse(forms, "IDC_A", "IDS_B"));
    EXPECT_FALSE(SymbolsInUse(forms, "idc_a", "IDS_A"));
}

} // namespace
} // namespace morva
