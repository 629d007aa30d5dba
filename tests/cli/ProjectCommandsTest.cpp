#include "CliRun.h"
#include "catalogue/ControlTypes.h"
#include "cli/CliCommand.h"
#include "cli/CliProject.h"
#include "codegen/ControlCodeWriter.h"
#include "model/CControlItem.h"
#include "model/CControlPropertyItem.h"
#include "sourcemodel/CClassItem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace morva::cli {
namespace {

using nlohmann::json;

// What a form holds, as text that two models can be compared by: one line per item with its
// names, symbols, container, rectangle and every property value.
std::vector<std::string> Snapshot(const CClassItem& form)
{
    std::vector<std::string> lines;
    for (const auto& item : form.GetItems()) {
        const platform::Rect r = item->GetRect();
        std::ostringstream line;
        line << item->m_nKind << " " << item->m_nTypeCode << " " << item->m_strMemberName << " "
             << item->m_strClassName << " " << item->m_strIdentifierSymbol << "=" << item->m_nIdentifierNumber << " "
             << item->m_strPropStringSymbol << " in " << (item->m_pContainer ? item->m_pContainer->m_strMemberName : "-")
             << (item->m_bArrayMember ? " array" : "") << " " << r.left << "," << r.top << "," << r.right << ","
             << r.bottom << " |";
        for (const auto& property : item->GetProperties())
            line << property->m_strName << "=" << property->m_strValue << "|";
        lines.push_back(line.str());
    }
    return lines;
}

class ProjectCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const CliRun made = Morva({"new-project", "--location", m_folder.path(), "--name", "test"});
        ASSERT_EQ(made.status, kExitOk) << made.err;
        m_dsp = m_folder.path() + "/test/test.dsp";
    }

    CliRun Run(std::vector<std::string> args)
    {
        args.insert(args.begin() + 1, m_dsp);
        return Morva(std::move(args));
    }

    // The bytes of every file of the project folder, to see that a refusal changed nothing.
    std::string Files() const
    {
        std::string all;
        for (const char* name : {"form1.h", "form1.cpp", "resource.h", "test.rc", "test.dsp", "stdafx.h"})
            all += std::string(name) + ":" + m_folder.read(std::string("test/") + name) + "\n";
        return all;
    }

    TempFolder m_folder;
    std::string m_dsp;
    std::ostringstream m_out, m_err;
    CliStreams m_io{m_out, m_err};
};

TEST_F(ProjectCommandsTest, ReopeningGivesBackTheFormAsTheModelHeldIt)
{
    std::vector<std::string> before;
    {
        CliProject project(m_io, "test");
        ASSERT_TRUE(project.Open(m_dsp));
        CClassItem* form = project.FindForm("CForm1");
        ASSERT_NE(form, nullptr);
        auto add = [&](int32_t type, platform::Rect rect, const char* container = nullptr) {
            NewControl control;
            control.kind = kKindIntrinsic;
            control.typeCode = type;
            control.rect = rect;
            control.container = container ? form->FindByMemberName(container) : nullptr;
            const auto added = AddControl(project.Services(), *form, control, project.Counters().nextControl);
            ASSERT_TRUE(added && added->item) << type << " " << m_err.str();
            project.Counters().nextControl = static_cast<int>(added->controlCounter);
        };
        // Every intrinsic type, one of them inside a frame and one inside a picture box.
        int x = 0;
        for (int32_t type = kTypePictureBox; type <= kTypeData; ++type, x += 30)
            add(type, {x, 200, x + 25, 220});
        add(kTypeTextBox, {10, 10, 60, 30}, "m_Frame1");
        add(kTypeLabel, {5, 5, 20, 15}, "m_Picture1");
        CControlItem* label = form->FindByMemberName("m_Label1");
        ASSERT_NE(label, nullptr);
        label->SetPropertyValue("Caption", "Total \xE9");
        ASSERT_TRUE(WritePropertyString(project.Services(), *label));
        before = Snapshot(*form);
        EXPECT_EQ(m_err.str(), "");
    }
    ASSERT_GT(before.size(), 17u);

    CliProject reopened(m_io, "test");
    ASSERT_TRUE(reopened.Open(m_dsp));
    CClassItem* form = reopened.FindForm("CForm1");
    ASSERT_NE(form, nullptr);
    // Loading moves Line, Shape and Image to the front; the model before saving had them in
    // creation order, so compare as sets of lines and check the order separately.
    std::vector<std::string> after = Snapshot(*form);
    EXPECT_EQ(std::multiset<std::string>(after.begin(), after.end()),
              std::multiset<std::string>(before.begin(), before.end()));
    EXPECT_EQ(form->GetItems()[0]->m_nTypeCode, kTypeShape);
}

TEST_F(ProjectCommandsTest, CommandsEditTheFilesAsTheDesignerDoes)
{
    ASSERT_EQ(Run({"add-control", "--form", "CForm1", "--type", "Frame", "--rect", "10,10,200,150"}).status, kExitOk);
    const CliRun text = Run({"add-control", "--form", "CForm1", "--type", "TextBox", "--rect", "20,30,100,50", "--in",
                             "m_Frame1"});
    ASSERT_EQ(text.status, kExitOk) << text.err;
    EXPECT_EQ(text.out, "m_TextBox1 CXTextBox IDC_TEXTBOX1=1001 IDS_PROP_TEXTBOX1\n");
    for (const char* rect : {"210,10,280,40", "210,50,280,80"})
        ASSERT_EQ(Run({"add-control", "--form", "CForm1", "--type", "Button", "--rect", rect}).status, kExitOk);

    // The control-array question: No by default (nothing changes), Yes with --yes.
    const std::string beforeArray = Files();
    const CliRun declined = Run({"rename", "--form", "CForm1", "--object", "m_Button2", "--to", "m_Button1"});
    EXPECT_EQ(declined.status, kExitFailure);
    EXPECT_EQ(declined.err, "You already have a control named 'm_Button1'. Do you want to create a control array?\n");
    EXPECT_EQ(Files(), beforeArray);
    ASSERT_EQ(Run({"rename", "--form", "CForm1", "--object", "m_Button2", "--to", "m_Button1", "--yes"}).status,
              kExitOk);

    // Typed values as the property window checks them.
    for (const char* refused : {"1,2", "say \"hi\""}) {
        const std::string files = Files();
        const CliRun run = Run({"set-property", "--form", "CForm1", "--object", "m_TextBox1", "--name", "Text",
                                "--value", refused});
        EXPECT_EQ(run.status, kExitFailure);
        EXPECT_EQ(run.err, "Invalid property\n");
        EXPECT_EQ(Files(), files);
    }
    EXPECT_EQ(Run({"set-property", "--form", "CForm1", "--object", "m_TextBox1", "--name", "Left", "--value", ""}).err,
              "Invalid property\n");
    ASSERT_EQ(Run({"set-property", "--form", "CForm1", "--object", "m_TextBox1", "--name", "Text", "--value", ""})
                  .status,
              kExitOk);
    ASSERT_EQ(Run({"set-property", "--form", "CForm1", "--object", "CForm1", "--name", "Caption", "--value", "Main"})
                  .status,
              kExitOk);

    // A menu from the script, attached, with a handler for one of its commands.
    std::ofstream(m_folder.host("test/test.rc"), std::ios::app | std::ios::binary)
        << "\r\nIDR_MENU1 MENU DISCARDABLE\r\nBEGIN\r\n    POPUP \"&File\"\r\n    BEGIN\r\n"
           "        MENUITEM \"E&xit\", ID_APP_EXIT\r\n    END\r\nEND\r\n";
    std::ofstream(m_folder.host("test/resource.h"), std::ios::app | std::ios::binary) << "#define IDR_MENU1 130\r\n";
    EXPECT_EQ(Run({"attach-menu", "--form", "CForm1", "--menu", "IDR_NONE"}).status, kExitFailure);
    ASSERT_EQ(Run({"attach-menu", "--form", "CForm1", "--menu", "IDR_MENU1"}).status, kExitOk);
    const CliRun handler = Run({"add-handler", "--form", "CForm1", "--object", "ID_APP_EXIT", "--event", "Click"});
    ASSERT_EQ(handler.status, kExitOk) << handler.err;
    EXPECT_EQ(handler.out, "App_exit_Click\n");
    ASSERT_EQ(Run({"add-handler", "--form", "CForm1", "--object", "m_Button1", "--event", "Click"}).out,
              "Button1_Click\n");

    const json model = json::parse(Run({"inspect", "--json"}).out);
    const json& form = model["forms"][0];
    EXPECT_EQ(form["menu"], "IDR_MENU1");
    std::vector<std::string> items;
    for (const json& item : form["items"])
        items.push_back(item["member"].get<std::string>() + ":" + item["idSymbol"].get<std::string>() + ":" +
                        (item["container"].is_null() ? "" : item["container"].get<std::string>()) +
                        (item["array"].get<bool>() ? ":array" : ""));
    EXPECT_EQ(items, (std::vector<std::string>{"::", "m_Frame1:IDC_FRAME1:", "m_TextBox1:IDC_TEXTBOX1:m_Frame1",
                                                "m_Button1:IDC_BUTTON1::array", "m_Button1:IDC_BUTTON2::array",
                                                ":ID_APP_EXIT:"}));
    const std::string source = m_folder.read("test/form1.cpp");
    EXPECT_NE(source.find("\tm_nResID = IDR_MENU1;\r\n"), std::string::npos);
    EXPECT_NE(source.find("ON_COMMAND(ID_APP_EXIT, App_exit_Click)"), std::string::npos);

    // Detaching the menu and deleting the frame with what it holds.
    ASSERT_EQ(Run({"attach-menu", "--form", "CForm1", "--none"}).status, kExitOk);
    EXPECT_EQ(m_folder.read("test/form1.cpp").find("m_nResID"), std::string::npos);
    ASSERT_EQ(Run({"delete-control", "--form", "CForm1", "--object", "m_Frame1"}).status, kExitOk);
    const json after = json::parse(Run({"inspect", "--json"}).out);
    EXPECT_EQ(after["forms"][0]["items"].size(), 3u);
    EXPECT_EQ(after["counters"]["nextControl"], 1004);
}

TEST_F(ProjectCommandsTest, NewFormsJoinTheProject)
{
    const CliRun first = Run({"new-form"});
    ASSERT_EQ(first.status, kExitOk) << first.err;
    ASSERT_EQ(Run({"new-form", "--class", "Main", "--mdi"}).status, kExitOk);
    EXPECT_NE(m_folder.read("test/test.dsp").find("SOURCE=.\\main.h"), std::string::npos);
    const CliRun mdiAgain = Run({"new-form", "--class", "CThird", "--mdi"});
    EXPECT_EQ(mdiAgain.status, kExitFailure);
    EXPECT_NE(mdiAgain.err.find("MDI"), std::string::npos);
    EXPECT_EQ(Run({"new-form", "--class", "Main"}).status, kExitFailure); // the class exists

    const json model = json::parse(Run({"inspect", "--json"}).out);
    std::vector<std::string> forms;
    for (const json& form : model["forms"]) {
        const json& properties = form["items"][0]["properties"];
        std::string caption;
        for (const json& property : properties)
            if (property["name"] == "Caption")
                caption = property["value"];
        forms.push_back(form["class"].get<std::string>() + "=" + caption);
    }
    std::sort(forms.begin(), forms.end());
    EXPECT_EQ(forms, (std::vector<std::string>{"CForm1=Form1", "CForm2=Form2", "Main=Form3"}));
}

TEST_F(ProjectCommandsTest, WrongTargetsAreNamedAndChangeNothing)
{
    const std::string files = Files();
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{
             {{"add-control", "--form", "CNone", "--type", "TextBox", "--rect", "0,0,1,1"}, "no form class CNone"},
             {{"add-control", "--form", "CForm1", "--type", "Gizmo", "--rect", "0,0,1,1"}, "unknown control type"},
             {{"add-control", "--form", "CForm1", "--type", "Label", "--rect", "0,0,1,1", "--in", "m_X"},
              "no frame or picture box m_X"},
             {{"delete-control", "--form", "CForm1", "--object", "m_X"}, "has no object m_X"},
             {{"delete-control", "--form", "CForm1", "--object", "CForm1"}, "is not a control"},
             {{"set-property", "--form", "CForm1", "--object", "CForm1", "--name", "Nope", "--value", "1"},
              "has no property Nope"},
             {{"add-handler", "--form", "CForm1", "--object", "CForm1", "--event", "Nope"}, "has no event Nope"},
             {{"attach-menu", "--form", "CForm1", "--menu", "IDR_X"}, "has no menu IDR_X"},
         }) {
        const CliRun run = Run(c.args);
        EXPECT_EQ(run.status, kExitFailure) << c.args[0];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(Files(), files);
    EXPECT_EQ(Run({"add-control", "--form", "CForm1", "--type", "Label", "--rect", "5,5,1,1"}).status, kExitUsage);
    EXPECT_EQ(Run({"attach-menu", "--form", "CForm1"}).status, kExitUsage);
}

} // namespace
} // namespace morva::cli
