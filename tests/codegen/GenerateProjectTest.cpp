#include "CodegenFixture.h"

#include "codegen/GenerateProject.h"
#include "codegen/ReplaceAll.h"
#include "codegen/TemplateIds.h"
#include "codegen/TemplateTable.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <regex>
#include <set>

namespace morva {
namespace {

class GenerateProjectTest : public test::CodegenFixture {
protected:
    NewProjectSettings settings(const std::string& folder = "test") const
    {
        NewProjectSettings s;
        s.location = win(folder);
        s.projectName = "test";
        s.className = "CForm1";
        s.headerFile = "form1.h";
        s.implFile = "form1.cpp";
        s.ideVersion = "6.0";
        return s;
    }
    std::string read(const std::string& relative) const { return m_folder.read(relative); }

    std::vector<std::string> m_written;
};

constexpr const char* kProjectFiles[] = {"test.h",     "test.cpp", "form1.h",    "form1.cpp", "test.rc", "resource.h",
                                         "res/test.rc2", "stdafx.h", "stdafx.cpp", "test.dsp",  "test.dsw"};

TEST_F(GenerateProjectTest, WritesTheElevenFilesOfTheTemplates)
{
    ASSERT_TRUE(GenerateProject(settings(), m_context, &m_written));
    EXPECT_TRUE(m_messages.shownBoxes().empty());
    EXPECT_EQ(m_folder.listing("test"),
              "form1.cpp|form1.h|res|resource.h|stdafx.cpp|stdafx.h|test.cpp|test.dsp|test.dsw|test.h|test.rc|");
    EXPECT_EQ(m_folder.listing("test/res"), "test.rc2|");

    ASSERT_EQ(m_written.size(), std::size(kProjectFiles));
    for (size_t i = 0; i < m_written.size(); ++i) {
        std::string expectedPath = win("test\\" + std::string(kProjectFiles[i]));
        std::replace(expectedPath.begin(), expectedPath.end(), '/', '\\');
        EXPECT_EQ(m_written[i], expectedPath);
        const std::string name = std::string(kProjectFiles[i]).substr(std::string(kProjectFiles[i]).rfind('/') + 1);
        EXPECT_EQ(test::MaskGuards(read("test/" + std::string(kProjectFiles[i]))), test::GoldenFile(name)) << name;
    }
}

TEST_F(GenerateProjectTest, KeyContentsAndLineBreaks)
{
    ASSERT_TRUE(GenerateProject(settings(), m_context));
    EXPECT_NE(read("test/test.h").find("class CTestApp : public CXWinApp\r\n"), std::string::npos);
    EXPECT_NE(read("test/form1.cpp").find("\tm_nPropStringID = IDS_PROP_FORM1;\r\n"), std::string::npos);
    EXPECT_NE(read("test/resource.h").find("#define IDS_PROP_FORM1                  61446\r\n"), std::string::npos);
    EXPECT_NE(read("test/test.rc").find("\tIDS_PROP_FORM1          " + std::string(TemplateText(tpl::kFormPropValues)) +
                                        "\r\nEND\r\n"),
              std::string::npos);
    EXPECT_NE(read("test/test.rc").find("VALUE \"LegalCopyright\", \"Copyright (C) 1998\\0\"\r\n"), std::string::npos);

    for (const char* crlfFile : {"test/test.dsp", "test/test.dsw"})
        EXPECT_EQ(test::FirstBareLf(read(crlfFile)), std::string::npos) << crlfFile;
    for (const char* lfFile : {"test/stdafx.h", "test/stdafx.cpp", "test/res/test.rc2"}) {
        EXPECT_EQ(read(lfFile).find('\r'), std::string::npos) << lfFile;
        EXPECT_NE(read(lfFile).find('\n'), std::string::npos) << lfFile;
    }
}

TEST_F(GenerateProjectTest, EachHeaderHasItsOwnGuard)
{
    ASSERT_TRUE(GenerateProject(settings(), m_context));
    const std::regex guardPattern("AFX_[A-Z0-9_]+_H__([0-9A-F_]{36})__INCLUDED_");
    std::set<std::string> guids;
    for (const char* header : {"test/test.h", "test/form1.h", "test/stdafx.h"}) {
        const std::string text = read(header);
        std::smatch match;
        ASSERT_TRUE(std::regex_search(text, match, guardPattern)) << header;
        guids.insert(match[1]);
        // One symbol per file: every use of the guard is the same.
        EXPECT_EQ(ReplaceAll(text, match[0].str(), "").find("__INCLUDED_"), std::string::npos) << header;
    }
    EXPECT_EQ(guids.size(), 3u);
}

TEST_F(GenerateProjectTest, MdiFormVariant)
{
    NewProjectSettings s = settings();
    s.mdi = true;
    ASSERT_TRUE(GenerateProject(s, m_context));
    // Only the base class and the form's property string differ from the plain project.
    EXPECT_EQ(test::MaskGuards(read("test/form1.h")), ReplaceAll(test::GoldenFile("form1.h"), "CXForm", "CXMdiForm"));
    EXPECT_EQ(read("test/form1.cpp"), ReplaceAll(test::GoldenFile("form1.cpp"), "CXForm", "CXMdiForm"));
    EXPECT_EQ(read("test/test.rc"), ReplaceAll(test::GoldenFile("test.rc"), TemplateText(tpl::kFormPropValues),
                                               TemplateText(tpl::kMdiFormPropValues)));
    EXPECT_EQ(read("test/test.dsp"), test::GoldenFile("test.dsp"));
}

TEST_F(GenerateProjectTest, OnlyVersion6IsVersion6)
{
    struct Case {
        const char* ideVersion;
        bool version6;
    };
    const Case cases[] = {{"6.0", true}, {"5.0", false}, {"6", false}, {"6.00", false}, {"", false}};
    int n = 0;
    for (const Case& c : cases) {
        NewProjectSettings s = settings("v" + std::to_string(n));
        s.ideVersion = c.ideVersion;
        ASSERT_TRUE(GenerateProject(s, m_context)) << c.ideVersion;
        const std::string project = read("v" + std::to_string(n) + "/test.dsp");
        const std::string workspace = read("v" + std::to_string(n) + "/test.dsw");
        std::string expected = test::GoldenFile("test.dsp");
        if (!c.version6) {
            expected = ReplaceAll(expected, "Format Version 6.00", "Format Version 5.00");
            expected = ReplaceAll(expected, "tfx6.lib", "tfx5.lib");
            expected = ReplaceAll(expected, "tfx6d.lib", "tfx5d.lib");
        }
        EXPECT_EQ(project, expected) << c.ideVersion;
        EXPECT_EQ(workspace, test::GoldenFile("test.dsw")) << c.ideVersion; // always 5.00
        ++n;
    }
}

TEST_F(GenerateProjectTest, ALaterWriteFailingKeepsTheEarlierFiles)
{
    // A folder where resource.h should go makes its write fail, for root as well.
    m_folder.write("test/resource.h/keep", "");
    std::vector<std::string> written;
    EXPECT_FALSE(GenerateProject(settings(), m_context, &written));
    const std::string resourceHeader = win("test\\resource.h");
    EXPECT_EQ(m_messages.shownTexts(),
              std::vector<std::string>{platform::FileSystem::fileErrorMessage(resourceHeader, EISDIR)});
    EXPECT_EQ(m_folder.listing("test"), "form1.cpp|form1.h|resource.h|test.cpp|test.h|test.rc|");
    EXPECT_EQ(written.size(), 5u);
    EXPECT_EQ(read("test/test.rc"), test::GoldenFile("test.rc"));
}

TEST_F(GenerateProjectTest, RefusesNamesThatClashOrLeaveTheFolder)
{
    struct Case {
        const char* projectName;
        const char* className;
        const char* header;
        const char* impl;
        const char* message;
    };
    const Case cases[] = {
        {"test", "CTest", "test.h", "test.cpp", "two files named 'test.h'"},
        {"Main", "CMain", "main.h", "main.cpp", "two files named 'main.h'"}, // names match ignoring case
        {"stdafx", "CForm1", "form1.h", "form1.cpp", "two files named 'stdafx.h'"},
        {"test", "CForm1", "form1.h", "Resource.H", "two files named 'resource.h'"},
        {"test", "CForm1", "form1.cpp", "form1.cpp", "two files named 'form1.cpp'"},
        {"test", "CForm1", "..\\form1.h", "form1.cpp", "'..\\form1.h' cannot name a file"},
        {"test", "CForm1", "form1.h", "sub/form1.cpp", "'sub/form1.cpp' cannot name a file"},
        {"..\\test", "CForm1", "form1.h", "form1.cpp", "'..\\test' cannot name a file"},
        {"test", "CForm1", "", "form1.cpp", "'' cannot name a file"},
    };
    for (const Case& c : cases) {
        m_messages.clearShown();
        NewProjectSettings s = settings();
        s.projectName = c.projectName;
        s.className = c.className;
        s.headerFile = c.header;
        s.implFile = c.impl;
        EXPECT_FALSE(GenerateProject(s, m_context)) << c.message;
        ASSERT_EQ(m_messages.shownTexts().size(), 1u) << c.message;
        EXPECT_NE(m_messages.shownTexts()[0].find(c.message), std::string::npos) << m_messages.shownTexts()[0];
        EXPECT_EQ(m_folder.listing(), "") << c.message; // not even the folder was made
    }
}

TEST_F(GenerateProjectTest, ALocationEndingInABackslashTakesNoSecondOne)
{
    ASSERT_EQ(mkdir(m_folder.host("test").c_str(), 0777), 0);
    NewProjectSettings s = settings();
    s.location += "\\";
    std::vector<std::string> written;
    ASSERT_TRUE(GenerateProject(s, m_context, &written));
    EXPECT_EQ(written.front(), win("test\\test.h"));
    EXPECT_EQ(written[6], win("test\\res\\test.rc2"));
}

} // namespace
} // namespace morva
