#include "CliRun.h"
#include "cli/CliCommand.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace morva::cli {
namespace {

using nlohmann::json;

class ProjectReportCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const CliRun made = Morva({"new-project", "--location", m_folder.path(), "--name", "test"});
        ASSERT_EQ(made.status, kExitOk) << made.err;
        m_dsp = m_folder.path() + "/test/test.dsp";
        m_project = "Z:" + m_folder.path() + "\\test\\";
        for (char& c : m_project)
            if (c == '/')
                c = '\\';
    }

    json InspectJson()
    {
        const CliRun run = Morva({"inspect", m_dsp, "--json"});
        EXPECT_EQ(run.status, kExitOk) << run.err;
        EXPECT_EQ(run.err, "");
        return json::parse(run.out);
    }

    static const json* Find(const json& list, const std::string& key, const std::string& value)
    {
        for (const json& entry : list)
            if (entry.value(key, std::string()) == value)
                return &entry;
        return nullptr;
    }

    void Append(const std::string& relative, const std::string& text)
    {
        std::ofstream(m_folder.host(relative), std::ios::binary | std::ios::app) << text;
    }

    TempFolder m_folder;
    std::string m_dsp;
    std::string m_project; // the project folder in Windows form, with a closing backslash
};

TEST_F(ProjectReportCommandTest, AFreshProjectShowsItsFilesClassesAndStartUpForm)
{
    const json model = InspectJson();
    EXPECT_EQ(model["project"], m_project + "test.dsp");
    // Headers at the head of the list, the last one read first; sources in project order.
    std::vector<std::string> files;
    for (const json& file : model["files"])
        files.push_back(file.get<std::string>().substr(m_project.size()));
    EXPECT_EQ(files, (std::vector<std::string>{"StdAfx.h", "Resource.h", "test.h", "form1.h", "form1.cpp", "test.cpp",
                                                "test.rc", "StdAfx.cpp"}));

    const json* app = Find(model["classes"], "name", "CTestApp");
    const json* form = Find(model["classes"], "name", "CForm1");
    ASSERT_TRUE(app && form);
    EXPECT_FALSE((*app)["isForm"].get<bool>());
    EXPECT_EQ((*form)["base"], "CXForm");
    EXPECT_EQ((*form)["header"], m_project + "form1.h");
    EXPECT_TRUE((*form)["isWindow"].get<bool>() && (*form)["isForm"].get<bool>());
    EXPECT_NE(Find((*form)["functions"], "name", "CreateTFXControls"), nullptr);

    ASSERT_EQ(model["forms"].size(), 1u);
    const json& startup = model["forms"][0];
    EXPECT_EQ(startup["class"], "CForm1");
    ASSERT_EQ(startup["items"].size(), 1u);
    const json& own = startup["items"][0];
    EXPECT_EQ(own["kind"], -1);
    EXPECT_EQ(own["propSymbol"], "IDS_PROP_FORM1");
    EXPECT_EQ(own["rect"], json::parse("[0, 0, 312, 213]"));
    const json* caption = Find(own["properties"], "name", "Caption");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ((*caption)["value"], "Form1");

    EXPECT_EQ(model["counters"]["nextControl"], 1000);
    EXPECT_EQ(model["counters"]["nextResource"], 128);
    EXPECT_TRUE(model["menus"].empty());
}

TEST_F(ProjectReportCommandTest, PropertyValuesAndMenusComeFromTheResourceScript)
{
    // A changed caption in the form's string-table entry, with a non-ASCII byte, and a menu.
    std::ifstream in(m_folder.host("test/test.rc"), std::ios::binary);
    std::string script((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t at = script.find(",Form1,1,1,13,");
    ASSERT_NE(at, std::string::npos);
    script.replace(at, 7, ",Caf\xE9,");
    script += "\r\nIDR_MENU1 MENU DISCARDABLE\r\nBEGIN\r\n    POPUP \"&File\"\r\n    BEGIN\r\n"
              "        MENUITEM \"E&xit\", ID_APP_EXIT\r\n    END\r\nEND\r\n";
    std::ofstream(m_folder.host("test/test.rc"), std::ios::binary | std::ios::trunc) << script;
    Append("test/resource.h", "#define IDR_MENU1 130\r\n");

    const json model = InspectJson();
    const json* caption = Find(model["forms"][0]["items"][0]["properties"], "name", "Caption");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ((*caption)["value"], "Caf\xC3\xA9"); // ANSI text printed as UTF-8
    ASSERT_EQ(model["menus"].size(), 1u);
    EXPECT_EQ(model["menus"][0]["symbol"], "IDR_MENU1");
    EXPECT_EQ(model["menus"][0]["items"][1]["command"], "ID_APP_EXIT");
    EXPECT_EQ(model["menus"][0]["items"][1]["depth"], 2);

    const CliRun text = Morva({"inspect", m_dsp});
    ASSERT_EQ(text.status, kExitOk) << text.err;
    EXPECT_NE(text.out.find("  CForm1 : CXForm [form]\n"), std::string::npos);
    EXPECT_NE(text.out.find("\n  IDR_MENU1\n    POPUP \"&File\"\n      \"E&xit\" ID_APP_EXIT\n"), std::string::npos);
    EXPECT_NE(text.out.find("counters nextControl 1000 nextResource 128\n"), std::string::npos);
}

TEST_F(ProjectReportCommandTest, AMissingProjectOrBadArgumentsFail)
{
    const CliRun missing = Morva({"inspect", m_folder.path() + "/none.dsp"});
    EXPECT_EQ(missing.status, kExitFailure);
    EXPECT_NE(missing.err.find("none.dsp does not exist"), std::string::npos);
    EXPECT_EQ(Morva({"inspect"}).status, kExitUsage);
    EXPECT_EQ(Morva({"inspect", m_dsp, "--xml"}).status, kExitUsage);
}

} // namespace
} // namespace morva::cli
