#include "ide/EditorSettings.h"

#include "platform/gfx/LogFont.h"
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

// Heights by face name, and the fonts that were asked for.
struct FakeMeasure {
    std::vector<platform::LogFont> asked;
    TextHeightMeasure function()
    {
        return [this](const platform::LogFont& font, std::string_view text) -> std::optional<int> {
            asked.push_back(font);
            EXPECT_EQ(text, "Temp");
            if (font.faceName == "Missing Face")
                return std::nullopt;
            return font.height + 3;
        };
    }
};

EditorSettings Read(const std::string& regText, FakeMeasure& measure, const std::string& version = "6.0")
{
    platform::Registry registry;
    EXPECT_TRUE(registry.loadRegText(regText, "settings.reg").isOk());
    EditorSettings settings;
    ReadEditorSettings(registry, version, measure.function(), settings);
    return settings;
}

TEST(EditorSettings, TabSizeAndLineHeightFromTheIdeKeys)
{
    FakeMeasure measure;
    const EditorSettings settings = Read("REGEDIT4\n\n"
                                         "[HKEY_CURRENT_USER\\Software\\Microsoft\\DevStudio\\6.0\\Text Editor\\Tabs/Language "
                                         "Settings\\C/C++]\n"
                                         "\"AutoIndent\"=dword:00000001\n"
                                         "\"TabSize\"=dword:00000008\n"
                                         "\"TabSizeOther\"=dword:00000002\n\n"
                                         "[HKEY_CURRENT_USER\\Software\\Microsoft\\DevStudio\\6.0\\Format\\Source Window]\n"
                                         "\"FontFace\"=\"Courier New\"\n"
                                         "\"FontSize\"=hex:10,00,00,00\n",
                                         measure);
    EXPECT_EQ(settings.tabSize, 8);
    EXPECT_EQ(settings.lineHeight, 19);
    ASSERT_EQ(measure.asked.size(), 1u);
    EXPECT_EQ(measure.asked[0].faceName, "Courier New");
    EXPECT_EQ(measure.asked[0].height, 16);
    EXPECT_EQ(measure.asked[0].weight, 400);
}

TEST(EditorSettings, WhatIsMissingKeepsItsDefault)
{
    struct Case {
        const char* name;
        std::string reg;
        std::string version;
        int tabSize;
        int lineHeight;
        size_t measured;
    };
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Microsoft\\DevStudio\\6.0\\Format\\Source Window]\n";
    const Case cases[] = {
        {"no key at all", "REGEDIT4\n", "6.0", 4, 20, 0},
        {"another version", "REGEDIT4\n" + key + "\"FontFace\"=\"Courier\"\n\"FontSize\"=dword:0000000a\n", "5.0", 4, 20,
         0},
        {"no face", "REGEDIT4\n" + key + "\"FontSize\"=dword:0000000a\n", "6.0", 4, 20, 0},
        {"negative size", "REGEDIT4\n" + key + "\"FontFace\"=\"Courier\"\n\"FontSize\"=dword:ffffffff\n", "6.0", 4, 20,
         0},
        {"font not made", "REGEDIT4\n" + key + "\"FontFace\"=\"Missing Face\"\n\"FontSize\"=dword:0000000a\n", "6.0", 4,
         20, 1},
        {"face without size", "REGEDIT4\n" + key + "\"FontFace\"=\"Courier\"\n", "6.0", 4, 3, 1},
    };
    for (const Case& c : cases) {
        FakeMeasure measure;
        const EditorSettings settings = Read(c.reg, measure, c.version);
        EXPECT_EQ(settings.tabSize, c.tabSize) << c.name;
        EXPECT_EQ(settings.lineHeight, c.lineHeight) << c.name;
        EXPECT_EQ(measure.asked.size(), c.measured) << c.name;
    }
}

} // namespace
} // namespace morva
