#include "codegen/HandlerEditor.h"

#include "CodeWriterFixture.h"
#include "catalogue/ControlTypes.h"
#include "codegen/ControlCodeWriter.h"
#include "codegen/TemplateTable.h"
#include "model/CCtrlEventMethodItem.h"

namespace morva {
namespace {

class HandlerEditorTest : public test::CodeWriterFixture {
protected:
    CControlItem& AddButton()
    {
        NewControl control;
        control.typeCode = kTypeButton;
        const auto added = AddControl(m_services, Form(), control, 1000);
        EXPECT_TRUE(added && added->item);
        return *added->item;
    }
    bool Handle(const CControlItem& object, const std::string& eventName)
    {
        const CCtrlEventMethodItem* event = object.FindEvent(eventName);
        EXPECT_TRUE(event) << eventName;
        return event && AddEventHandler(m_services, Form(), object, *event);
    }
    std::string header() const { return read("test/form1.h"); }
    std::string source() const { return read("test/form1.cpp"); }
};

TEST_F(HandlerEditorTest, ClickOfACommandButton)
{
    ASSERT_TRUE(Handle(AddButton(), "Click"));
    EXPECT_NE(header().find("\t//{{AFX_MSG(CForm1)\r\n\tafx_msg void Button1_Click();\r\n\t//}}AFX_MSG"),
              std::string::npos);
    EXPECT_NE(source().find("\t//{{AFX_MSG_MAP(CForm1)\r\n\tON_WM_TFX_CLICK(IDC_BUTTON1, Button1_Click)\r\n"),
              std::string::npos);
    EXPECT_NE(source().find("\r\nvoid CForm1::Button1_Click()\r\n{\r\n\t// TODO: Add your code here\r\n\t\r\n}"),
              std::string::npos);
    // The body follows the last function of the class.
    EXPECT_GT(source().find("Button1_Click()\r\n{"), source().find("void CForm1::CreateTFXControls()"));
    EXPECT_EQ(Count(header(), "DECLARE_MESSAGE_MAP()"), 1u); // the header had it already
    EXPECT_NE(Form().FindFunction("Button1_Click"), nullptr);

    // A handler that exists is not added again.
    ASSERT_TRUE(Handle(*Control("m_Button1"), "Click"));
    EXPECT_EQ(Count(source(), "Button1_Click"), 2u);
}

TEST_F(HandlerEditorTest, FormEventIsAVirtualFunctionWithoutMapEntry)
{
    CControlItem& formItem = Form().AppendItem(std::make_unique<CControlItem>(kKindForm, kTypeNone));
    formItem.m_bIsFormItem = true;
    formItem.BuildEventList();
    ASSERT_TRUE(Handle(formItem, "Load"));
    EXPECT_NE(header().find("\t//{{AFX_VIRTUAL(CForm1)\r\n\tpublic:\r\n\tvirtual void Form_Load();\r\n\tprotected:\r\n"
                            "\t//}}AFX_VIRTUAL"),
              std::string::npos);
    EXPECT_EQ(source().find("ON_"), std::string::npos);
    EXPECT_NE(source().find("void CForm1::Form_Load()\r\n{"), std::string::npos);
    // The labels are found again inside the block.
    ASSERT_TRUE(Handle(*Form().GetFormItem(), "Unload"));
    EXPECT_EQ(Count(header(), "public:"), 2u);
    EXPECT_EQ(Count(header(), "protected:"), 2u);
}

TEST_F(HandlerEditorTest, ActiveXEventCreatesTheEventSinkMap)
{
    CControlItem& grid = Form().AppendItem(std::make_unique<CControlItem>(kKindActiveX, kTypeNone));
    grid.m_strMemberName = "m_AxGrid1";
    grid.m_strIdentifierSymbol = "IDC_AXGRID1";
    CCtrlEventMethodItem event;
    event.m_strName = "RowChange";
    event.m_strParamDecls = "long nRow";
    event.m_strParamVts = "VTS_I4";
    event.m_nDispId = 12;
    ASSERT_TRUE(AddEventHandler(m_services, Form(), grid, event));
    EXPECT_NE(header().find("protected:\r\n\tDECLARE_EVENTSINK_MAP()\r\n};"), std::string::npos);
    EXPECT_NE(source().find("BEGIN_EVENTSINK_MAP(CForm1, CXForm)\r\n    //{{AFX_EVENTSINK_MAP(CForm1)\r\n"
                            "\tON_EVENT(CForm1, IDC_AXGRID1, 12, AxGrid1_RowChange, VTS_I4)\r\n"
                            "\t//}}AFX_EVENTSINK_MAP\r\nEND_EVENTSINK_MAP()"),
              std::string::npos);
    EXPECT_NE(header().find("\tafx_msg void AxGrid1_RowChange(long nRow);\r\n"), std::string::npos);
    EXPECT_NE(source().find("void CForm1::AxGrid1_RowChange(long nRow)\r\n{"), std::string::npos);
}

TEST_F(HandlerEditorTest, MenuItemsArraysAndDragEvents)
{
    CControlItem& menu = Form().AppendItem(std::make_unique<CControlItem>(kKindMenuCommand, kTypeNone));
    menu.m_strIdentifierSymbol = "ID_FILE_OPEN";
    CCtrlEventMethodItem click;
    click.m_strName = "Click";
    ASSERT_TRUE(AddEventHandler(m_services, Form(), menu, click));
    EXPECT_NE(source().find("\tON_COMMAND(ID_FILE_OPEN, File_open_Click)\r\n"), std::string::npos);
    EXPECT_NE(header().find("\tafx_msg void File_open_Click();\r\n"), std::string::npos);

    // An element of a control array; the object is not one the form's files declare.
    CControlItem text(kKindIntrinsic, kTypeTextBox);
    text.m_strMemberName = "m_TextBox1";
    text.m_strIdentifierSymbol = "IDC_TEXTBOX1";
    text.m_bArrayMember = true;
    text.BuildEventList();
    ASSERT_TRUE(Handle(text, "Click"));
    EXPECT_NE(source().find("\tON_WM_TFX_CLICK_ARRAY(IDC_TEXTBOX1, TextBox1_Click)\r\n"), std::string::npos);
    EXPECT_NE(header().find("\tafx_msg void TextBox1_Click(int nIndex);\r\n"), std::string::npos);

    const CCtrlEventMethodItem* drop = text.FindEvent("OLEDragDrop");
    ASSERT_TRUE(drop);
    ASSERT_TRUE(Handle(text, "OLEDragDrop"));
    EXPECT_NE(source().find("TextBox1_OLEDragDrop(int nIndex, " + drop->m_strParamDecls +
                            ")\r\n{\r\n\t// TODO: Add your code here\r\n\treturn lEffect;\r\n}"),
              std::string::npos);
}

TEST_F(HandlerEditorTest, MissingMapsAreReportedAndNothingIsWritten)
{
    // A map without its AFX_MSG_MAP markers.
    AddButton();
    const std::string markers = "\t//{{AFX_MSG_MAP(CForm1)\r\n\t//}}AFX_MSG_MAP\r\n";
    std::string cpp = source();
    cpp.erase(cpp.find(markers), markers.size());
    m_folder.write("test/form1.cpp", cpp);
    Parse();
    m_messages.clearShown();
    const std::string before = header() + source();
    EXPECT_FALSE(Handle(*Control("m_Button1"), "Click"));
    EXPECT_EQ(header() + source(), before);
    EXPECT_EQ(m_messages.shownTexts(), std::vector<std::string>{std::string(TemplateText(61630))});

    // A class without a message map cannot take the OnCreate a control needs.
    m_folder.write("test/dlg.h", "class CMyDlg : public CDialog\r\n{\r\npublic:\r\n\tCMyDlg();\r\n"
                                 "\t//{{AFX_MSG(CMyDlg)\r\n\t//}}AFX_MSG\r\n};\r\n");
    m_folder.write("test/dlg.cpp", "CMyDlg::CMyDlg()\r\n{\r\n}\r\n");
    m_project.AddFile(win("test\\dlg.h"));
    m_project.AddFile(win("test\\dlg.cpp"));
    Parse();
    m_messages.clearShown();
    const std::string dialog = read("test/dlg.h") + read("test/dlg.cpp") + read("test/resource.h");
    NewControl control;
    control.typeCode = kTypeTextBox;
    EXPECT_FALSE(AddControl(m_services, Form("CMyDlg"), control, 1001));
    EXPECT_EQ(read("test/dlg.h") + read("test/dlg.cpp") + read("test/resource.h"), dialog);
    EXPECT_EQ(m_messages.shownTexts(), std::vector<std::string>{std::string(TemplateText(61629))});
}

TEST_F(HandlerEditorTest, ClassWithoutAMessageMapGetsOne)
{
    std::string cpp = source();
    const size_t begin = cpp.find("BEGIN_MESSAGE_MAP");
    const size_t end = cpp.find("END_MESSAGE_MAP()") + 17;
    cpp.erase(begin, end - begin);
    m_folder.write("test/form1.cpp", cpp);
    Parse();
    ASSERT_TRUE(Handle(AddButton(), "Click"));
    EXPECT_NE(source().find("BEGIN_MESSAGE_MAP(CForm1, CXForm)\r\n\t//{{AFX_MSG_MAP(CForm1)\r\n"
                            "\tON_WM_TFX_CLICK(IDC_BUTTON1, Button1_Click)\r\n\t//}}AFX_MSG_MAP\r\nEND_MESSAGE_MAP()"),
              std::string::npos);
    EXPECT_EQ(Count(source(), "BEGIN_MESSAGE_MAP"), 1u);
}

} // namespace
} // namespace morva
