#include "catalogue/DefinitionLine.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

std::vector<std::string> Lines(std::string_view table)
{
    std::vector<std::string> lines;
    ForEachDefinitionLine(table, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

TEST(DefinitionLine, OnlyNewlineTerminatedLinesCount)
{
    EXPECT_EQ(Lines("a\t\nb\t\nc\t"), (std::vector<std::string>{"a\t", "b\t"}));
    EXPECT_EQ(Lines(""), std::vector<std::string>{});
    EXPECT_EQ(Lines("\n\n"), (std::vector<std::string>{"", ""}));
}

TEST(DefinitionLine, FieldsCountOnlyWhenATabFollows)
{
    struct Case {
        std::string_view line;
        std::vector<std::string_view> fields;
    };
    const Case cases[] = {
        {"UINT\tAlign\t0\t0 - None\t", {"UINT", "Align", "0", "0 - None"}},
        {"UINT\tAlign\t0\ttrailing text", {"UINT", "Align", "0"}},
        {"CString\tCaption\t\t", {"CString", "Caption", ""}},
        {"no tabs at all", {}},
        {"\t\t", {"", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TabFields(c.line), c.fields) << c.line;
}

TEST(DefinitionLine, PropertyLineWithMissingFieldsYieldsWhatItHas)
{
    const PropertyDefinition full = ParsePropertyDefinition("UINT\tBorderStyle\t2\t0 - None\t2 - Sizable\t");
    EXPECT_EQ(full.typeName, "UINT");
    EXPECT_EQ(full.name, "BorderStyle");
    EXPECT_EQ(full.defaultValue, "2");
    EXPECT_EQ(full.items, (std::vector<std::string>{"0 - None", "2 - Sizable"}));

    const PropertyDefinition partial = ParsePropertyDefinition("BOOL\tEnabled");
    EXPECT_EQ(partial.typeName, "BOOL");
    EXPECT_EQ(partial.name, "");
    EXPECT_TRUE(partial.items.empty());
}

TEST(DefinitionLine, EventAndMethodLines)
{
    const EventDefinition event = ParseEventDefinition("DROPEFFECT\tOLEDragDrop\tCOleDataObject* p, int nX\t");
    EXPECT_EQ(event.returnType, "DROPEFFECT");
    EXPECT_EQ(event.name, "OLEDragDrop");
    EXPECT_EQ(event.parameters, "COleDataObject* p, int nX");

    EXPECT_EQ(MethodDefinitionName("Move(int nLeft, int nTop)"), "Move");
    EXPECT_EQ(MethodDefinitionName("NoParens"), "NoParens");
}

TEST(DefinitionLine, EnumeratedItemStoresTheTrimmedTextBeforeTheDash)
{
    EXPECT_EQ(EnumeratedItemValue("2 - Sizable"), "2");
    EXPECT_EQ(EnumeratedItemValue("  13 - Copy Pen"), "13");
    EXPECT_EQ(EnumeratedItemValue("4 - Dash - Dot"), "4");
    EXPECT_EQ(EnumeratedItemValue("7"), "7");
}

} // namespace
} // namespace morva
