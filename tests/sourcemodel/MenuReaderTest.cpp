#include "sourcemodel/MenuReader.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

// An entry as "depth kind caption command": kind P pop-up, S separator, I item.
std::vector<std::string> Describe(const CMenuResource& menu)
{
    std::vector<std::string> lines;
    for (const CMenuResourceItem& item : menu.m_items) {
        const char kind = item.m_bIsPopup ? 'P' : item.m_bIsSeparator ? 'S' : 'I';
        lines.push_back(std::to_string(item.m_nDepth) + " " + kind + " " + item.m_strCaption + " " + item.m_strCommand);
    }
    return lines;
}

constexpr std::string_view kHeader = "#define IDR_MENU1 130\r\n#define IDR_MENU2 131\r\n#define IDR_EX 132\r\n";

TEST(MenuReaderTest, ReadsPopupsItemsAndSeparatorsWithTheirDepth)
{
    const std::string script = "// Menu\r\n"
                               "IDR_MENU1 MENU DISCARDABLE \r\n"
                               "BEGIN\r\n"
                               "    POPUP \"&File\"\r\n"
                               "    BEGIN\r\n"
                               "        MENUITEM \"&Open\",                      ID_FILE_OPEN\r\n"
                               "        MENUITEM SEPARATOR\r\n"
                               "        MENUITEM \"E&xit\",   ID_APP_EXIT  \r\n"
                               "    END\r\n"
                               "END\r\n";
    const auto menus = ReadMenuResources(script, kHeader);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].m_strSymbol, "IDR_MENU1");
    EXPECT_EQ(Describe(menus[0]), (std::vector<std::string>{"1 P &File ", "2 I &Open ID_FILE_OPEN", "2 S  ",
                                                             "2 I E&xit ID_APP_EXIT"}));
}

TEST(MenuReaderTest, MessyScriptsAreReadAsFarAsTheyMakeSense)
{
    // Braces for blocks, keywords inside captions and comments, option words after the command,
    // a MENUEX resource, a menu resource.h does not define, a menu without entries, bare LF.
    const std::string script = "/* IDR_MENU1 MENU is not here */\n"
                               "IDR_EX MENUEX\nBEGIN\n POPUP \"Ex\"\n BEGIN\n MENUITEM \"A\", 1\n END\nEND\n"
                               "IDR_UNKNOWN MENU\nBEGIN\n MENUITEM \"U\", ID_U\nEND\n"
                               "IDR_MENU2 MENU PRELOAD DISCARDABLE\n{\n"
                               " POPUP \"BEGIN \"\"END\"\"\" // END\n {\n"
                               "  MENUITEM \"&Save\\tCtrl+S\", ID_FILE_SAVE, GRAYED\n"
                               "  POPUP \"Sub\"\n  {\n   MENUITEM \"Deep\", ID_DEEP\n  }\n"
                               " }\n MENUITEM \"Top\", ID_TOP\n}\n"
                               "IDR_MENU1 MENU\nBEGIN\nEND\n";
    const auto menus = ReadMenuResources(script, kHeader);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].m_strSymbol, "IDR_MENU2");
    EXPECT_EQ(Describe(menus[0]),
              (std::vector<std::string>{"1 P BEGIN \"\"END\"\" ", "2 I &Save\\tCtrl+S ID_FILE_SAVE", "2 P Sub ",
                                        "3 I Deep ID_DEEP", "1 I Top ID_TOP"}));
}

TEST(MenuReaderTest, AnEntryWithoutQuotesEndsTheMenuButKeepsWhatCameBefore)
{
    const std::string script = "IDR_MENU1 MENU\nBEGIN\n MENUITEM \"One\", ID_ONE\n MENUITEM broken\nEND\n"
                               "IDR_MENU2 MENU\nBEGIN\n MENUITEM \"Two\", ID_TWO\nEND\n";
    const auto menus = ReadMenuResources(script, kHeader);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(Describe(menus[0]), (std::vector<std::string>{"1 I One ID_ONE"}));
    EXPECT_EQ(Describe(menus[1]), (std::vector<std::string>{"1 I Two ID_TWO"}));
}

TEST(MenuReaderTest, TruncatedScriptsNeverReadPastTheirEnd)
{
    const std::string script = "IDR_MENU1 MENU\nBEGIN\n POPUP \"File\"\n BEGIN\n MENUITEM \"Open\", ID_OPEN";
    for (size_t length = 0; length <= script.size(); ++length) {
        const auto menus = ReadMenuResources(std::string_view(script).substr(0, length), kHeader);
        ASSERT_LE(menus.size(), 1u);
    }
    EXPECT_EQ(Describe(ReadMenuResources(script, kHeader).at(0)),
              (std::vector<std::string>{"1 P File ", "2 I Open ID_OPEN"}));
}

} // namespace
} // namespace morva
