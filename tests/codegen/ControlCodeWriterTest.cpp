#include "codegen/ControlCodeWriter.h"

#include "CodeWriterFixture.h"
#include "codegen/CodeEdit.h"
#include "codegen/GeneratedLineText.h"
#include "catalogue/ControlTypes.h"
#include "platform/ideapi/IdeDocument.h"

#include <sys/stat.h>

#include <cerrno>

namespace morva {
namespace {

class ControlCodeWriterTest : public test::CodeWriterFixture {
protected:
    // Adds a control of the type to CForm1 and answers it with the counter after it.
    AddedControl Add(int32_t typeCode, platform::Rect rect = {10, 20, 110, 45}, const char* container = nullptr,
                     long counter = 1000)
    {
        NewControl control;
        control.typeCode = typeCode;
        control.rect = rect;
        control.container = container ? Control(container) : nullptr;
        const auto added = AddControl(m_services, Form(), control, counter);
        EXPECT_TRUE(added && added->item);
        return added ? *added : AddedControl{};
    }
    std::string header() const { return read("test/form1.h"); }
    std::string source() const { return read("test/form1.cpp"); }
    std::string resourceHeader() const { return read("test/resource.h"); }
    std::string script() const { return read("test/test.rc"); }
};

TEST_F(ControlCodeWriterTest, FirstTextBoxOfANewForm)
{
    std::string stdafx = read("test/stdafx.h");
    stdafx.erase(stdafx.find("#include <tfxControls.h>"), 35);
    m_folder.write("test/stdafx.h", stdafx);
    const AddedControl added = Add(kTypeTextBox);
    ASSERT_TRUE(added.item);
    EXPECT_EQ(added.controlCounter, 1001);
    EXPECT_NE(header().find("\t//{{AFX_TFX_CTRL_DECLR_START\r\n\tCXTextBox\tm_TextBox1;\r\n\t//}}AFX_TFX_CTRL_DECLR_END"),
              std::string::npos);
    EXPECT_NE(source().find("\t//{{AFX_TFX_CTRL_IMPL_START\r\n"
                            "\tm_TextBox1.Create(this, IDC_TEXTBOX1, IDS_PROP_TEXTBOX1);\r\n"
                            "\t//}}AFX_TFX_CTRL_IMPL_END"),
              std::string::npos);
    EXPECT_NE(resourceHeader().find("61446\r\n#define\tIDC_TEXTBOX1\t\t\t\t1000\r\n"
                                    "#define IDS_PROP_TEXTBOX1\t\t\t\t61447\r\n"),
              std::string::npos);
    EXPECT_NE(resourceHeader().find("_APS_NEXT_CONTROL_VALUE     1001\r\n"), std::string::npos);
    const std::string entry = "\tIDS_PROP_TEXTBOX1\t\t\t\"" + added.item->BuildPropertyValueString({}) + "\"\r\nEND";
    EXPECT_NE(script().find(entry), std::string::npos);

    // The control as the form holds it after the re-parse.
    const CControlItem& item = *added.item;
    EXPECT_EQ(item.m_strClassName, "CXTextBox");
    EXPECT_EQ(item.m_strIdentifierSymbol, "IDC_TEXTBOX1");
    EXPECT_EQ(item.m_nIdentifierNumber, 1000);
    EXPECT_EQ(item.GetPropertyValue("Text"), "TextBox1");
    EXPECT_EQ(item.GetRect(), (platform::Rect{10, 20, 110, 45}));
    EXPECT_NE(read("test/stdafx.h").find("#include <tfxControls.h>\r\n//{{AFX_INSERT_LOCATION}}"), std::string::npos);
    // A form class gets none of the hooks.
    EXPECT_EQ(source().find("OnCreate"), std::string::npos);
    EXPECT_EQ(source().find("WindowProc"), std::string::npos);
    EXPECT_TRUE(m_messages.shownTexts().empty());

    // The next control follows the first one, with the next counter and tab index.
    const AddedControl second = Add(kTypeLabel, {0, 0, 50, 20}, nullptr, added.controlCounter);
    EXPECT_EQ(second.controlCounter, 1002);
    EXPECT_LT(source().find("m_TextBox1.Create"), source().find("m_Label1.Create(this, IDC_LABEL1, IDS_PROP_LABEL1);"));
    EXPECT_NE(resourceHeader().find("#define\tIDC_LABEL1\t\t\t\t1001\r\n#define IDS_PROP_LABEL1\t\t\t\t61448\r\n"),
              std::string::npos);
    EXPECT_EQ(Control("m_Label1")->GetPropertyValue("TabIndex"), "1");
    EXPECT_EQ(Control("m_Label1")->GetPropertyValue("Caption"), "Label1");
    EXPECT_EQ(Count(read("test/stdafx.h"), "tfxControls.h"), 1u);
}

TEST_F(ControlCodeWriterTest, DeletedControlLeavesDefinitionsThatAReAddedOneReuses)
{
    const AddedControl first = Add(kTypeTextBox);
    ASSERT_TRUE(DeleteControl(m_services, Form(), *first.item));
    EXPECT_EQ(header().find("m_TextBox1"), std::string::npos);
    EXPECT_EQ(source().find("m_TextBox1"), std::string::npos);
    EXPECT_NE(header().find("\t//{{AFX_TFX_CTRL_DECLR_START\r\n\t//}}AFX_TFX_CTRL_DECLR_END"), std::string::npos);
    EXPECT_EQ(Control("m_TextBox1"), nullptr);
    EXPECT_EQ(Count(resourceHeader(), "IDC_TEXTBOX1"), 1u);
    EXPECT_EQ(Count(script(), "IDS_PROP_TEXTBOX1"), 1u);

    const std::string oldScript = script();
    const AddedControl again = Add(kTypeTextBox, {5, 5, 50, 25}, nullptr, first.controlCounter);
    ASSERT_TRUE(again.item);
    EXPECT_EQ(again.item->m_strMemberName, "m_TextBox1");
    EXPECT_EQ(again.item->m_strIdentifierSymbol, "IDC_TEXTBOX1");
    EXPECT_EQ(again.controlCounter, first.controlCounter);
    EXPECT_EQ(again.item->m_nIdentifierNumber, 1000);
    EXPECT_EQ(Count(resourceHeader(), "IDC_TEXTBOX1"), 1u);
    EXPECT_EQ(Count(resourceHeader(), "IDS_PROP_TEXTBOX1"), 1u);
    EXPECT_EQ(Count(script(), "IDS_PROP_TEXTBOX1"), 1u);
    EXPECT_NE(script(), oldScript); // the entry now holds the new rectangle
    EXPECT_EQ(again.item->GetRect(), (platform::Rect{5, 5, 50, 25}));
}

TEST_F(ControlCodeWriterTest, ControlsInsideAFrame)
{
    Add(kTypeFrame, {50, 40, 250, 200});
    const AddedControl inner = Add(kTypeTextBox, {60, 60, 120, 80}, "m_Frame1", 1001);
    ASSERT_TRUE(inner.item);
    EXPECT_NE(source().find("\tm_TextBox1.Create(&m_Frame1, IDC_TEXTBOX1, IDS_PROP_TEXTBOX1);\r\n"), std::string::npos);
    EXPECT_EQ(inner.item->m_pContainer, Control("m_Frame1"));
    EXPECT_EQ(inner.item->GetPropertyValue("Left"), "10"); // kept relative to the frame
    EXPECT_EQ(inner.item->GetRect(), (platform::Rect{60, 60, 120, 80}));

    // Deleting the frame deletes what it contains.
    ASSERT_TRUE(DeleteControl(m_services, Form(), *Control("m_Frame1")));
    EXPECT_EQ(source().find(".Create("), std::string::npos);
    EXPECT_EQ(header().find("m_TextBox1"), std::string::npos);
    EXPECT_EQ(header().find("m_Frame1"), std::string::npos);
}

TEST_F(ControlCodeWriterTest, HeaderWithoutDeclarationMarkersGetsTheLineAfterPublic)
{
    std::string text = header();
    const std::string markers = "\t//{{AFX_TFX_CTRL_DECLR_START\r\n\t//}}AFX_TFX_CTRL_DECLR_END\r\n";
    text.erase(text.find(markers), markers.size());
    m_folder.write("test/form1.h", text);
    Parse();
    ASSERT_TRUE(Add(kTypeButton).item);
    EXPECT_NE(header().find("public:\r\n\tCXButton\tm_Button1;\r\n\tCForm1();"), std::string::npos);
}

TEST_F(ControlCodeWriterTest, RefusalsLeaveEveryFileAsItWas)
{
    const auto snapshot = [&] { return header() + source() + resourceHeader() + script() + read("test/stdafx.h"); };
    struct Case {
        const char* name;
        const char* file;
        std::string from;
        std::string to;
        std::string message;
    };
    const Case cases[] = {
        {"no counter line", "test/resource.h", "_APS_NEXT_CONTROL_VALUE", "_APS_NEXT_CTRL",
         "The line _APS_NEXT_CONTROL_VALUE couldn't be found in "},
        {"no string table", "test/test.rc", "STRINGTABLE", "STRING_TABLE",
         "The key word \"STRINGTABLE\" couldn't be found in .rc file"},
        // The creation block is missing: this fails only after the resource lines were made.
        {"no creation block", "test/form1.cpp", "\t//}}AFX_TFX_CTRL_IMPL_END", "\t// end", ""},
    };
    for (const Case& c : cases) {
        const std::string original = read(c.file);
        std::string damaged = original;
        damaged.replace(damaged.find(c.from), c.from.size(), c.to);
        m_folder.write(c.file, damaged);
        Parse();
        m_messages.clearShown();
        const std::string before = snapshot();
        NewControl control;
        control.typeCode = kTypeTextBox;
        EXPECT_FALSE(AddControl(m_services, Form(), control, 1000)) << c.name;
        EXPECT_EQ(snapshot(), before) << c.name;
        EXPECT_EQ(Control("m_TextBox1"), nullptr) << c.name;
        if (!c.message.empty()) {
            ASSERT_EQ(m_messages.shownTexts().size(), 1u) << c.name;
            EXPECT_EQ(m_messages.shownTexts()[0].substr(0, c.message.size()), c.message) << c.name;
        }
        m_folder.write(c.file, original);
        Parse();
    }

    // A write that fails at commit: nothing of the control stays, on disk or in the model.
    {
        const std::string before = snapshot();
        m_fs.simulateWriteFailure(platform::FileSystem::WriteStep::Write, ENOSPC);
        NewControl control;
        control.typeCode = kTypeTextBox;
        EXPECT_FALSE(AddControl(m_services, Form(), control, 1000));
        m_fs.simulateWriteFailure(platform::FileSystem::WriteStep::None, 0);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(Control("m_TextBox1"), nullptr);
        EXPECT_NE(Form().FindFunction("CreateTFXControls"), nullptr);
    }

    chmod(m_folder.host("test/form1.h").c_str(), 0444);
    if (!runningAsRoot()) {
        m_messages.clearShown();
        NewControl control;
        control.typeCode = kTypeTextBox;
        EXPECT_FALSE(AddControl(m_services, Form(), control, 1000));
        ASSERT_EQ(m_messages.shownTexts().size(), 1u);
        EXPECT_EQ(m_messages.shownTexts()[0], "You do not have write permission to file " + Form().m_strHeaderFile + "\n");
    }
}

TEST_F(ControlCodeWriterTest, OpenDocumentsReceiveTheEdits)
{
    const std::string headerPath = Form().m_strHeaderFile;
    m_ide.OpenDocument(headerPath);
    m_ide.OpenDocument(m_project.GetResourceScriptPath());
    const std::string diskHeader = header();
    ASSERT_TRUE(Add(kTypeCheckBox).item);
    EXPECT_EQ(header(), diskHeader); // not saved yet
    const std::string document = m_ide.FindOpenDocument(headerPath)->text();
    EXPECT_NE(document.find("\tCXCheckBox\tm_CheckBox1;\r\n\t//}}AFX_TFX_CTRL_DECLR_END"), std::string::npos);
    const std::string scriptDocument = m_ide.FindOpenDocument(m_project.GetResourceScriptPath())->text();
    EXPECT_EQ(Count(scriptDocument, "\tIDS_PROP_CHECKBOX1\t\t\t\""), 1u);
    EXPECT_NE(source().find("m_CheckBox1.Create"), std::string::npos); // not open: on disk
}

TEST_F(ControlCodeWriterTest, ClassThatIsNotAFormGetsItsHooks)
{
    m_folder.write("test/dlg.h",
                   "class CMyDlg : public CDialog\r\n{\r\npublic:\r\n\tCMyDlg();\r\n"
                   "\t//{{AFX_VIRTUAL(CMyDlg)\r\n\t//}}AFX_VIRTUAL\r\nprotected:\r\n"
                   "\t//{{AFX_MSG(CMyDlg)\r\n\t//}}AFX_MSG\r\n\tDECLARE_MESSAGE_MAP()\r\n};\r\n");
    m_folder.write("test/dlg.cpp",
                   "#include \"stdafx.h\"\r\n\r\nCMyDlg::CMyDlg()\r\n{\r\n}\r\n\r\n"
                   "BEGIN_MESSAGE_MAP(CMyDlg, CDialog)\r\n\t//{{AFX_MSG_MAP(CMyDlg)\r\n\t//}}AFX_MSG_MAP\r\n"
                   "END_MESSAGE_MAP()\r\n");
    m_project.AddFile(win("test\\dlg.h"));
    m_project.AddFile(win("test\\dlg.cpp"));
    Parse();
    NewControl label;
    label.typeCode = kTypeLabel;
    const auto added = AddControl(m_services, Form("CMyDlg"), label, 1000);
    ASSERT_TRUE(added && added->item);
    const std::string h = read("test/dlg.h");
    const std::string cpp = read("test/dlg.cpp");
    EXPECT_NE(h.find("\tafx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);\r\n"), std::string::npos);
    EXPECT_NE(h.find("\tafx_msg void OnPaint();\r\n"), std::string::npos);
    EXPECT_NE(h.find("virtual LRESULT WindowProc("), std::string::npos);
    EXPECT_NE(h.find("virtual\tvoid CreateTFXControls();"), std::string::npos);
    EXPECT_NE(h.find("CXLabel\tm_Label1;"), std::string::npos);
    EXPECT_NE(cpp.find("\tON_WM_CREATE()\r\n"), std::string::npos);
    EXPECT_NE(cpp.find("\tON_WM_PAINT()\r\n"), std::string::npos);
    EXPECT_NE(cpp.find("\tCreateTFXControls();\r\n\r\n\treturn 0;\r\n}"), std::string::npos);
    EXPECT_NE(cpp.find("{\r\n::DispatchTfxControlEvents(message, wParam, lParam, GetMessageMap(), this);\r\n"),
              std::string::npos);
    EXPECT_NE(cpp.find("\t::DrawTFXGraphicalCtrls(this, &dc);\r\n\r\n}"), std::string::npos);
    EXPECT_NE(cpp.find("\tm_Label1.Create(this, IDC_LABEL1, IDS_PROP_LABEL1);\r\n\t//}}AFX_TFX_CTRL_IMPL_END"),
              std::string::npos);

    // A second control finds every hook in place and adds none again.
    const auto second = AddControl(m_services, Form("CMyDlg"), label, added->controlCounter);
    ASSERT_TRUE(second && second->item);
    const std::string cpp2 = read("test/dlg.cpp");
    EXPECT_EQ(Count(cpp2, "CreateTFXControls();"), 1u);
    EXPECT_EQ(Count(cpp2, "DispatchTfxControlEvents"), 1u);
    EXPECT_EQ(Count(cpp2, "DrawTFXGraphicalCtrls"), 1u);
    EXPECT_EQ(Count(cpp2, "CMyDlg::OnPaint()"), 1u);
}

TEST_F(ControlCodeWriterTest, RenameRewritesTheLinesAndKeepsTheSymbols)
{
    Add(kTypeTextBox);
    const RenameResult renamed = RenameControl(m_services, Form(), *Control("m_TextBox1"), "m_Name(0)");
    ASSERT_EQ(renamed.outcome, RenameResult::Outcome::Renamed);
    ASSERT_TRUE(renamed.item);
    EXPECT_EQ(renamed.item->m_strMemberName, "m_Name");
    EXPECT_NE(header().find("\tCXTextBox\tm_Name;\r\n"), std::string::npos);
    EXPECT_NE(source().find("\tm_Name.Create(this, IDC_TEXTBOX1, IDS_PROP_TEXTBOX1);\r\n"), std::string::npos);
    EXPECT_EQ(header().find("m_TextBox1"), std::string::npos);

    struct Case {
        const char* typed;
        const char* message;
    };
    Add(kTypeLabel, {0, 0, 10, 10}, nullptr, 1001);
    const std::string before = header() + source();
    for (const Case& c : {Case{"m_x-y", "Invalid control name"}, Case{"m_Label1", "You already have a member named 'm_Label1'"},
                          Case{"m_Name", nullptr}}) {
        m_messages.clearShown();
        const RenameResult result = RenameControl(m_services, Form(), *Control("m_Name"), c.typed);
        EXPECT_NE(result.outcome, RenameResult::Outcome::Renamed) << c.typed;
        EXPECT_EQ(m_messages.shownTexts().size(), c.message ? 1u : 0u) << c.typed;
        if (c.message && !m_messages.shownTexts().empty()) {
            EXPECT_EQ(m_messages.shownTexts()[0], c.message);
        }
    }
    EXPECT_EQ(header() + source(), before);
}

TEST_F(ControlCodeWriterTest, RenamingOntoAnotherTextBoxMakesAnArray)
{
    Add(kTypeTextBox);
    Add(kTypeTextBox, {0, 50, 100, 75}, nullptr, 1001);
    const std::string before = header() + source();
    m_messages.queueAnswer(platform::MessageAnswer::No);
    EXPECT_EQ(RenameControl(m_services, Form(), *Control("m_TextBox2"), "m_TextBox1").outcome,
              RenameResult::Outcome::Unchanged);
    EXPECT_EQ(header() + source(), before);

    m_messages.clearShown();
    m_messages.queueAnswer(platform::MessageAnswer::Yes);
    const RenameResult joined = RenameControl(m_services, Form(), *Control("m_TextBox2"), "m_TextBox1");
    ASSERT_EQ(joined.outcome, RenameResult::Outcome::Renamed);
    ASSERT_EQ(m_messages.shownTexts().size(), 1u);
    EXPECT_EQ(m_messages.shownTexts()[0],
              "You already have a control named 'm_TextBox1'. Do you want to create a control array?");
    EXPECT_NE(header().find("\tCXTextBoxArray\tm_TextBox1;\r\n\t//}}AFX_TFX_CTRL_DECLR_END"), std::string::npos);
    EXPECT_EQ(header().find("m_TextBox2"), std::string::npos);
    EXPECT_NE(source().find("\tm_TextBox1.Create(this, IDC_TEXTBOX2, IDS_PROP_TEXTBOX2);\r\n"), std::string::npos);
    // Both elements come back from the files, told apart by Index.
    ASSERT_TRUE(joined.item);
    EXPECT_TRUE(joined.item->m_bArrayMember);
    EXPECT_EQ(joined.item->GetPropertyValue("Index"), "1");
    EXPECT_EQ(joined.item->GetRect(), (platform::Rect{0, 50, 100, 75}));
    EXPECT_EQ(Control("m_TextBox1")->GetPropertyValue("Index"), "0");
    EXPECT_EQ(Control("m_TextBox1")->m_strClassName, "CXTextBox");

    // An element renamed away leaves the array, which keeps its declaration.
    const RenameResult left = RenameControl(m_services, Form(), *joined.item, "m_Alone");
    ASSERT_EQ(left.outcome, RenameResult::Outcome::Renamed);
    EXPECT_NE(header().find("\tCXTextBoxArray\tm_TextBox1;\r\n"), std::string::npos);
    EXPECT_NE(header().find("\tCXTextBox\tm_Alone;\r\n"), std::string::npos);
    ASSERT_TRUE(left.item);
    EXPECT_FALSE(left.item->m_bArrayMember);

    // Deleting the last element takes the array's declaration with it.
    ASSERT_TRUE(DeleteControl(m_services, Form(), *Control("m_TextBox1")));
    EXPECT_EQ(header().find("m_TextBox1"), std::string::npos);
}

TEST_F(ControlCodeWriterTest, PropertyStringIsRewrittenInPlace)
{
    CControlItem* item = Add(kTypeTextBox).item;
    item->SetPropertyValue("Text", "Hello");
    ASSERT_TRUE(WritePropertyString(m_services, *item));
    EXPECT_EQ(Control("m_TextBox1"), item); // still the same object
    EXPECT_NE(script().find("\tIDS_PROP_TEXTBOX1\t\t\t\"" + item->BuildPropertyValueString({}) + "\"\r\n"),
              std::string::npos);
    EXPECT_EQ(Count(script(), "IDS_PROP_TEXTBOX1"), 1u);
    EXPECT_NE(script().find("Hello"), std::string::npos);
}

TEST_F(ControlCodeWriterTest, ActiveXControlIncludesItsWrapper)
{
    NewControl grid;
    grid.kind = kKindActiveX;
    grid.wrapperClass = "CXAxGrid";
    grid.rect = {0, 0, 200, 100};
    EXPECT_FALSE(AddControl(m_services, Form(), grid, 1000));
    EXPECT_EQ(m_messages.shownTexts(), std::vector<std::string>{"The wrapper class CXAxGrid is not part of the project"});

    m_folder.write("test/axgrid.h", "class CXAxGrid : public CXActiveXCtrl\r\n{\r\npublic:\r\n\tCXAxGrid();\r\n};\r\n");
    m_project.AddFile(win("test\\axgrid.h"));
    Parse();
    const auto added = AddControl(m_services, Form(), grid, 1000);
    ASSERT_TRUE(added && added->item);
    EXPECT_EQ(source().substr(0, 21), "#include \"axgrid.h\"\r\n");
    EXPECT_NE(header().find("\tCXAxGrid\tm_AxGrid1;\r\n"), std::string::npos);
    EXPECT_NE(source().find("\tm_AxGrid1.Create(this, IDC_AXGRID1, IDS_PROP_AXGRID1);\r\n"), std::string::npos);
    EXPECT_EQ(added->item->m_nKind, kKindActiveX);
    EXPECT_EQ(added->item->GetRect(), (platform::Rect{0, 0, 200, 100}));

    // The second one finds the include.
    ASSERT_TRUE(AddControl(m_services, Form(), grid, added->controlCounter));
    EXPECT_EQ(Count(source(), "#include \"axgrid.h\""), 1u);
}

TEST_F(ControlCodeWriterTest, FormResourceLineIsInsertedThenReplaced)
{
    const CControlItem none;
    {
        CodeEdit edit(m_services);
        ASSERT_TRUE(edit.Lines().InsertLine(Form(), kLineFormResource, FormResourceText("IDR_MENU1")));
        ASSERT_TRUE(edit.Commit());
    }
    EXPECT_NE(source().find("\t//{{AFX_TFX_FORM_DATA_START\r\n\tm_nResID = IDR_MENU1;\r\n\tm_nPropStringID"),
              std::string::npos);
    EXPECT_EQ(Form().m_strFormResourceId, "IDR_MENU1");
    {
        CodeEdit edit(m_services);
        ASSERT_TRUE(edit.Lines().ReplaceLine(Form(), none, kLineFormResource, FormResourceText("IDR_MENU2")));
        ASSERT_TRUE(edit.Commit());
    }
    EXPECT_NE(source().find("\tm_nResID = IDR_MENU2;\r\n\tm_nPropStringID"), std::string::npos);
    EXPECT_EQ(Form().m_strFormResourceId, "IDR_MENU2");
    {
        CodeEdit edit(m_services);
        ASSERT_TRUE(edit.Lines().DeleteLine(Form(), none, kLineFormResource));
        EXPECT_FALSE(edit.Lines().DeleteLine(Form(), none, kLineFormResource)); // gone
        ASSERT_TRUE(edit.Commit());
    }
    EXPECT_EQ(source().find("m_nResID"), std::string::npos);
}

} // namespace
} // namespace morva
