#include "sourcemodel/CClassParser.h"

#include "codegen/GenerateProject.h"
#include "model/CControlItem.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/IToolboxCatalogue.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace morva {
namespace {

class CClassParserTest : public ::testing::Test {
protected:
    platform::FileSystem m_files;
    platform::MessageService m_messages;
    CProject m_project{m_files, m_messages};
    CClassParser m_parser{m_project, m_files, m_messages};

    CClassItem& Class(std::string_view name)
    {
        CClassItem* item = m_project.FindClass(name);
        if (!item)
            ADD_FAILURE() << "no class " << name;
        static CClassItem none;
        return item ? *item : none;
    }
    static int64_t At(std::string_view text, std::string_view what, size_t from = 0)
    {
        const size_t found = text.find(what, from);
        return found == std::string_view::npos ? -1 : static_cast<int64_t>(found);
    }
};

TEST_F(CClassParserTest, ClassHeadsAreRecognisedOnlyWhenTheyNameOneClass)
{
    const std::string text = "class CFoo;\n"
                             "class AFX_EXT_CLASS CExt : public CBar { int m_x; };\n"
                             "// class CInComment : public CXForm { };\n"
                             "const char* s = \"class CInString { };\";\n"
                             "template <class T> class CTemplate : public CBase<T> { };\n"
                             "enum class Color { Red, Green };\n"
                             "class CFoo : public CBar, public CXForm\n{\n  int m_y;\n};\n"
                             "class CPlain { };\n"
                             "class CNoSemicolon { } instance\n";
    m_parser.ParseText("Z:\\a.h", text);
    std::vector<std::string> names;
    for (const auto& item : m_project.GetClasses())
        names.push_back(item->m_strName);
    // An export macro before the name still names the class.
    EXPECT_EQ(names, (std::vector<std::string>{"CExt", "CTemplate", "CFoo", "CPlain"}));
    EXPECT_EQ(Class("CExt").m_strBaseClass, "CBar");
    EXPECT_EQ(Class("CTemplate").m_strBaseClass, "CBase<T>");
    const CClassItem& foo = Class("CFoo");
    EXPECT_EQ(foo.m_strBaseClass, "CXForm"); // the last word after the colon
    EXPECT_EQ(foo.m_strHeaderFile, "Z:\\a.h");
    EXPECT_EQ(foo.m_nDeclarationStart, At(text, "class CFoo :"));
    EXPECT_EQ(foo.m_nDeclarationEnd, At(text, "};", At(text, "m_y")) - 1);
    EXPECT_EQ(Class("CPlain").m_strBaseClass, "");
}

TEST_F(CClassParserTest, FormHeaderGivesMembersControlsAndSections)
{
    const std::string header = "class CForm1 : public CXForm\r\n{\r\n"
                               "\tDECLARE_DYNCREATE(CForm1)\r\n"
                               "public:\r\n"
                               "\tint m_nFirst;\r\n"
                               "\tCForm1();\r\n"
                               "\tint Count() const { int n = 0; return n; }\r\n"
                               "\t//{{AFX_TFX_CTRL_DECLR_START\r\n"
                               "\tCXTextBox m_Text1;\r\n"
                               "\tCXButtonArray m_Command1;\r\n"
                               "\tCString m_strName; // CXLabel m_notAMember;\r\n"
                               "\tCMyCtrl m_Ax1;\r\n"
                               "\t//}}AFX_TFX_CTRL_DECLR_END\r\n"
                               "protected :\r\n"
                               "\tvirtual void CreateTFXControls() = 0;\r\n"
                               "\tstatic const int kMax = 4;\r\n"
                               "\tfriend class CHelper;\r\n"
                               "\t//{{AFX_MSG(CForm1)\r\n"
                               "\tafx_msg void OnPaint();\r\n"
                               "\t//}}AFX_MSG\r\n"
                               "private:\r\n"
                               "\tstruct Inner { int m_inner; };\r\n"
                               "};\r\n"
                               "class CMyCtrl : public CXActiveXCtrl\r\n{\r\npublic:\r\n\tint m_own;\r\n};\r\n";
    m_parser.ParseText("Z:\\form1.h", header);
    const CClassItem& form = Class("CForm1");

    std::vector<std::string> variables;
    for (const auto& variable : form.m_variables)
        variables.push_back(variable->m_strType + " " + variable->m_strName + " " + variable->m_strAccess);
    EXPECT_EQ(variables, (std::vector<std::string>{"int m_nFirst public", "CXTextBox m_Text1 public", "CXButtonArray m_Command1 public",
                                                   "CString m_strName public", "CMyCtrl m_Ax1 public",
                                                   "int kMax protected"}));
    EXPECT_EQ(form.m_variables[1]->m_nOffset, At(header, "CXTextBox m_Text1"));
    EXPECT_EQ(form.m_variables[5]->m_nOffset, At(header, "static const int"));

    struct Expected {
        const char* member;
        const char* className;
        int32_t kind;
        int32_t typeCode;
        bool array;
    };
    // The wrapper class comes later in the header, but every class of the file is known first.
    const Expected expected[] = {{"m_nFirst", "int", -1, -1, false},
                                 {"m_Text1", "CXTextBox", kKindIntrinsic, kTypeTextBox, false},
                                 {"m_Command1", "CXButton", kKindIntrinsic, kTypeButton, true},
                                 {"m_strName", "CString", -1, -1, false},
                                 {"m_Ax1", "CMyCtrl", kKindActiveX, -1, false},
                                 {"kMax", "int", -1, -1, false}};
    ASSERT_EQ(form.GetCount(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const CControlItem& control = *form.GetItems()[i];
        EXPECT_EQ(control.m_strMemberName, expected[i].member);
        EXPECT_EQ(control.m_strClassName, expected[i].className);
        EXPECT_EQ(control.m_nKind, expected[i].kind) << expected[i].member;
        EXPECT_EQ(control.m_nTypeCode, expected[i].typeCode) << expected[i].member;
        EXPECT_EQ(control.m_bArrayMember, expected[i].array) << expected[i].member;
    }

    // The second class of the header gets its sections but no members.
    const CClassItem& ctrl = Class("CMyCtrl");
    EXPECT_TRUE(ctrl.m_variables.empty());
    EXPECT_EQ(ctrl.GetCount(), 0u);
    ASSERT_EQ(ctrl.m_accessSections.size(), 2u);

    std::vector<std::string> sections;
    for (const auto& section : form.m_accessSections)
        sections.push_back(section->m_strKeyword + "@" + std::to_string(section->m_nOffset));
    EXPECT_EQ(sections, (std::vector<std::string>{"public@" + std::to_string(At(header, "{")),
                                                  "public@" + std::to_string(At(header, "public:")),
                                                  "protected@" + std::to_string(At(header, "protected :")),
                                                  "private@" + std::to_string(At(header, "private:"))}));
    ASSERT_NE(form.GetFirstPublicSection(), nullptr);
    EXPECT_EQ(form.GetFirstPublicSection()->m_nOffset, At(header, "{"));
    ASSERT_NE(form.GetMessageBlock(), nullptr);
    EXPECT_EQ(form.GetMessageBlock()->m_nStart, At(header, "//{{AFX_MSG(CForm1)"));
    EXPECT_EQ(form.GetMessageBlock()->m_nEnd, At(header, "//}}AFX_MSG"));
    EXPECT_EQ(form.GetVirtualBlock(), nullptr);
}

TEST_F(CClassParserTest, WrapperMemberIsActiveXOnceTheWrapperIsKnownAndGetsItsEntry)
{
    struct Catalogue : IToolboxCatalogue {
        std::string asked;
        IActiveXControlEntry* FindOrCreateByProgId(const std::string& progId) override
        {
            asked = progId;
            return nullptr;
        }
    } catalogue;
    CClassParser parser(m_project, m_files, m_messages, &catalogue);
    parser.ParseText("Z:\\myctrl.h", "class CMyCtrl : public CXActiveXCtrl\n{\npublic:\n"
                                     "  // return \"Not.This\";\n"
                                     "  CString GetProgID() { return  \" MSCAL.Calendar.7 \" ; }\n};\n");
    EXPECT_EQ(catalogue.asked, "MSCAL.Calendar.7");
    EXPECT_EQ(Class("CMyCtrl").m_strProgId, "MSCAL.Calendar.7");
    parser.ParseText("Z:\\form1.h", "class CForm1 : public CXForm {\n  CMyCtrl m_Ax1;\n};\n");
    ASSERT_EQ(Class("CForm1").GetCount(), 1u);
    EXPECT_EQ(Class("CForm1").GetItems()[0]->m_nKind, kKindActiveX);
}

TEST_F(CClassParserTest, FunctionDefinitionsMapsAndBlocksOfTheSource)
{
    m_parser.ParseText("Z:\\form1.h", "class CForm1 : public CXForm { };\nclass COther : public CWnd { };\n");
    const std::string source =
        "#include \"form1.h\"\r\n"
        "void CForm1::OnPaint();\r\n"
        "/* void CForm1::InComment() { } */\r\n"
        "CForm1::CForm1() : m_n(0)\r\n{\r\n"
        "\t//{{AFX_TFX_FORM_DATA_START\r\n"
        "\tm_nPropStringID = IDS_PROP_FORM1 ;\r\n"
        "\tm_nResID = IDR_MENU1;\r\n"
        "\t//}}AFX_TFX_FORM_DATA_END\r\n}\r\n"
        "CForm1::~CForm1()\r\n{\r\n}\r\n"
        "BEGIN_MESSAGE_MAP(CForm1, CXForm)\r\n"
        "\t//{{AFX_MSG_MAP(CForm1)\r\n"
        "\tON_WM_PAINT()\r\n"
        "\tON_WM_LBUTTONDOWN()\r\n"
        "\tON_BN_CLICKED(IDC_BUTTON1, OnButton1)\r\n"
        "\tON_WM_TFX_CLICK(IDC_COMMAND1, Command1_Click)\r\n"
        "\t//}}AFX_MSG_MAP\r\n"
        "END_MESSAGE_MAP()\r\n"
        "BEGIN_EVENTSINK_MAP(CForm1, CXForm)\r\n"
        "\t//{{AFX_EVENTSINK_MAP(CForm1)\r\n"
        "\tON_EVENT(CForm1, IDC_AX1, 1, Ax1_Click, VTS_NONE)\r\n"
        "\t//}}AFX_EVENTSINK_MAP\r\n"
        "END_EVENTSINK_MAP()\r\n"
        "void CForm1::OnPaint()\r\n{\r\n\tconst char* s = \"}\"; if (x) { CXForm::OnPaint(); }\r\n}\r\n"
        "void CForm1::OnLButtonDown(UINT nFlags, CPoint point)\r\n{ DrawTFXGraphicalCtrls(); }\r\n"
        "void CForm1::OnButton1() { }\n"
        "void CForm1::Command1_Click() { }\n"
        "void CForm1::Ax1_Click() { }\n"
        "int CForm1::Get() const { return 1; }\n"
        "void COther::Broken() {\n";
    m_parser.ParseText("Z:\\form1.cpp", source);
    const CClassItem& form = Class("CForm1");

    std::vector<std::string> functions;
    for (const auto& function : form.m_functions)
        functions.push_back(function->m_strName + "|" + function->m_strMessage + "|" + function->m_strControlId);
    EXPECT_EQ(functions, (std::vector<std::string>{"CForm1||", "~CForm1||", "OnPaint|WM_PAINT|",
                                                   "OnLButtonDown|WM_LBUTTONDOWN|", "OnButton1|BN_CLICKED|IDC_BUTTON1",
                                                   "Command1_Click|WM_TFX_CLICK|IDC_COMMAND1",
                                                   "Ax1_Click|EVENT|IDC_AX1", "Get||"}));
    EXPECT_TRUE(Class("COther").m_functions.empty()); // its body never closes

    const CFunctionItem& paint = *form.FindFunction("OnPaint");
    const int64_t paintStart = At(source, "void CForm1::OnPaint()\r\n{");
    EXPECT_EQ(paint.m_nDefinitionStart, paintStart);
    EXPECT_EQ(paint.m_nBodyStart, At(source, "{", paintStart));
    EXPECT_EQ(paint.m_nBodyEnd, At(source, "\r\n}\r\nvoid CForm1::OnL") + 2);
    EXPECT_EQ(paint.m_strReturnType, "void");
    EXPECT_EQ(paint.m_strFile, "Z:\\form1.cpp");
    EXPECT_EQ(paint.m_nLine, 27);
    EXPECT_EQ(form.FindFunction("OnLButtonDown")->m_strParameters, "UINT nFlags, CPoint point");
    EXPECT_EQ(form.FindFunction("CForm1")->m_strParameters, "");

    EXPECT_TRUE(m_parser.BodyContainsCall(*form.FindFunction("OnLButtonDown"), source, "DrawTFXGraphicalCtrls"));
    EXPECT_FALSE(m_parser.BodyContainsCall(paint, source, "DrawTFXGraphicalCtrls"));

    EXPECT_EQ(form.m_nMessageMapBegin, At(source, "BEGIN_MESSAGE_MAP"));
    EXPECT_EQ(form.m_nMessageMapEnd, At(source, "END_MESSAGE_MAP"));
    EXPECT_EQ(form.m_strMessageMapFile, "Z:\\form1.cpp");
    EXPECT_EQ(form.m_nEventSinkMapBegin, At(source, "BEGIN_EVENTSINK_MAP"));
    EXPECT_EQ(form.m_nEventSinkMapEnd, At(source, "END_EVENTSINK_MAP"));
    EXPECT_EQ(form.m_strFormPropStringSymbol, "IDS_PROP_FORM1");
    EXPECT_EQ(form.m_strFormResourceId, "IDR_MENU1");

    const struct {
        const char* name;
        const char* start;
        const char* end;
    } blocks[] = {{"AFX_TFX_FORM_DATA", "//{{AFX_TFX_FORM_DATA_START", "//}}AFX_TFX_FORM_DATA_END"},
                  {"AFX_MSG_MAP", "//{{AFX_MSG_MAP", "//}}AFX_MSG_MAP"},
                  {"AFX_EVENTSINK_MAP", "//{{AFX_EVENTSINK_MAP", "//}}AFX_EVENTSINK_MAP"}};
    for (const auto& block : blocks) {
        const CAFXParseEntry* entry = form.FindBlock(block.name);
        ASSERT_NE(entry, nullptr) << block.name;
        EXPECT_EQ(entry->m_nStart, At(source, block.start)) << block.name;
        EXPECT_EQ(entry->m_nEnd, At(source, block.end)) << block.name;
    }
    EXPECT_EQ(form.GetImplementationFile(), "Z:\\form1.cpp");
}

TEST_F(CClassParserTest, CreationLinesAreReadFromTheCreationFunction)
{
    m_parser.ParseText("Z:\\form1.h", "class CForm1 : public CXForm { };\n");
    m_parser.ParseText("Z:\\form1.cpp", "void CForm1::CreateTFXControls()\n{\n"
                                        "\t//{{AFX_TFX_CTRL_IMPL_START\n"
                                        "\tm_Text1.Create(this, IDC_TEXT1, IDS_PROP_TEXT1);\n"
                                        "\tm_TextBox2.Create(&m_Frame1, IDC_TEXTBOX2, Lookup(IDS_X, 2));\n"
                                        "\t// m_Gone.Create(this, IDC_GONE, IDS_GONE);\n"
                                        "\tm_Other.CreateEx(this);\n"
                                        "\t//}}AFX_TFX_CTRL_IMPL_END\n}\n"
                                        "void CForm1::Other() { m_Late.Create(this, A, B); }\n");
    const CClassItem& form = Class("CForm1");
    std::vector<std::string> entries;
    for (const auto& entry : form.m_createEntries)
        entries.push_back(entry->m_strMemberName + "|" + entry->m_strArguments);
    EXPECT_EQ(entries, (std::vector<std::string>{"m_Text1|this, IDC_TEXT1, IDS_PROP_TEXT1",
                                                 "m_TextBox2|&m_Frame1, IDC_TEXTBOX2, Lookup(IDS_X, 2)"}));
}

TEST_F(CClassParserTest, MessyRealCodeStillGivesItsClassesAndBodies)
{
    const struct {
        const char* what;
        std::string header;
        std::string source;
        const char* function; // defined in the source, with a body
    } cases[] = {
        {"CR line ends and CP1252 text", "// \xA9 Caf\xE9\rclass CA : public CXForm\r{\rCXLabel m_\xE9;\r};\r",
         "void CA::OnPaint()\r{ const char* s = \"\xE9{\"; }\r", "OnPaint"},
        {"Whitesmiths braces and a multi-line parameter list",
         "class CA : public CWnd\n    {\n    int m_n;\n    };\n",
         "BOOL CA::Create(LPCTSTR name,\n               CWnd* parent,\n               UINT id)\n    {\n    return TRUE;\n    }\n", "Create"},
        {"a brace opened in one #if branch and closed in another",
         "class CA : public CWnd {\n#ifdef X\n void F() {\n#else\n void F() {\n#endif\n }\n int m_n;\n};\n",
         "void CA::Run()\n{\n#if A\n if (a) {\n#else\n if (b) {\n#endif\n }\n}\n", "Run"},
        {"a class head inside #if branches",
         "#ifdef _MDI\nclass CA : public CXMdiForm\n#else\nclass CA : public CXForm\n#endif\n{\n int m_n;\n};\n",
         "void CA::Run() { }\n", "Run"},
        {"nested classes", "class CA : public CWnd {\n class CInner { int m_i; };\n int m_n;\n};\n",
         "void CA::Run() { }\nvoid CA::CInner::Deep() { }\n", "Run"},
        {"character literals holding braces and comment starts",
         "class CA : public CWnd {\n char m_c;\n};\n",
         "void CA::Run() { char a = '}'; char b = '\\''; const char* c = \"/*\"; }\nvoid CA::Next() { }\n", "Next"},
    };
    for (const auto& c : cases) {
        platform::MessageService messages;
        CProject project(m_files, messages);
        CClassParser parser(project, m_files, messages);
        parser.ParseText("Z:\\a.h", c.header);
        parser.ParseText("Z:\\a.cpp", c.source);
        const CClassItem* item = project.FindClass("CA");
        ASSERT_NE(item, nullptr) << c.what;
        EXPECT_EQ(item->m_nDeclarationStart, static_cast<int64_t>(c.header.find("class CA"))) << c.what;
        const CFunctionItem* function = item->FindFunction(c.function);
        ASSERT_NE(function, nullptr) << c.what;
        EXPECT_EQ(c.source[static_cast<size_t>(function->m_nBodyStart)], '{') << c.what;
        EXPECT_EQ(c.source[static_cast<size_t>(function->m_nBodyEnd)], '}') << c.what;
        EXPECT_FALSE(item->m_variables.empty()) << c.what;
        EXPECT_EQ(item->m_strBaseClass.substr(0, 1), "C") << c.what;
    }
}

TEST_F(CClassParserTest, FilesSavedAsUnicodeAreReadAsText)
{
    TempFolder folder;
    const std::string header = "class CA : public CXForm\r\n{\r\n\tCXLabel m_Caf\xE9;\r\n};\r\n";
    std::string utf16 = "\xFF\xFE";
    for (const char c : header) {
        utf16 += c == '\xE9' ? '\xE9' : c;
        utf16 += '\0';
    }
    folder.write("a.h", utf16);
    folder.write("a.cpp", "\xEF\xBB\xBFvoid CA::Run()\r\n{\r\n}\r\n");
    ASSERT_TRUE(m_parser.ParseFile(m_files.toWindowsPath(folder.host("a.h"))));
    ASSERT_TRUE(m_parser.ParseFile(m_files.toWindowsPath(folder.host("a.cpp"))));
    CClassItem& item = Class("CA");
    EXPECT_EQ(item.m_strBaseClass, "CXForm");
    EXPECT_NE(item.FindVariable("m_Caf\xE9"), nullptr);
    const CFunctionItem* run = item.FindFunction("Run");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->m_nBodyStart, 16); // an offset in the text, after the mark is gone
}

TEST_F(CClassParserTest, DefinitionsAfterMapsCommentsAndTemplateHeadsAreFound)
{
    const std::string header = "class CView1 : public CView\r\n{\r\n};\r\n"
                               "template <class TWnd> class CPropDlg : public CDialog\r\n{\r\n};\r\n";
    const std::string source =
        "BEGIN_MESSAGE_MAP(CView1, CView)\r\n\tON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)\r\nEND_MESSAGE_MAP()\r\n\r\n"
        "CView1::CView1() : m_n(0), m_p(NULL)\r\n{\r\n}\r\n"
        "CDoc* CView1::GetDocument() // non-debug version is inline\r\n{\r\n\treturn m_pDoc;\r\n}\r\n"
        "void CView1::Declared();\r\nint CView1::Count() const throw() { return 0; }\r\n"
        "template <class TWnd> BOOL CPropDlg<TWnd>::OnInitDialog()\r\n{\r\n\treturn TRUE;\r\n}\r\n";
    m_parser.ParseText("Z:\\v.h", header);
    m_parser.ParseText("Z:\\v.cpp", source);
    std::vector<std::string> names;
    for (const auto& function : Class("CView1").m_functions)
        names.push_back(function->m_strName);
    EXPECT_EQ(names, (std::vector<std::string>{"CView1", "GetDocument", "Count"}));
    const CFunctionItem* init = Class("CPropDlg").FindFunction("OnInitDialog");
    ASSERT_NE(init, nullptr);
    EXPECT_EQ(init->m_nBodyStart, At(source, "{", At(source, "OnInitDialog")));
    EXPECT_EQ(Class("CView1").FindFunction("GetDocument")->m_strReturnType, "CDoc*");
}

TEST_F(CClassParserTest, UnbalancedTextIsSkippedWithoutHarm)
{
    for (const std::string& text : std::vector<std::string>{"class CA : public CWnd {\n int m_n;\n", "}}}} class ; :: { ( [ <", "class",
                                   "void CA::F() {", "BEGIN_MESSAGE_MAP(CA", "//{{AFX_MSG(CA", "class CA {};\n//{{AFX_MSG(CA)",
                                   std::string("class CA { };\0class\0CB { };", 26)}) {
        m_parser.ParseText("Z:\\a.h", text);
        m_parser.ReparseText("Z:\\a.cpp", text);
    }
    ASSERT_NE(m_project.FindClass("CA"), nullptr);
    m_parser.ReparseText("Z:\\a.h", "class CA {};\n//{{AFX_MSG(CA)\n");
    ASSERT_NE(Class("CA").GetMessageBlock(), nullptr);
    EXPECT_EQ(Class("CA").GetMessageBlock()->m_nEnd, -1); // no end marker
}

TEST_F(CClassParserTest, BlockClosedWithAnotherNameEndsBeforeTheNextBlock)
{
    const std::string text = "class CA : public CWnd {\n"
                             "//{{AFX_VIRTUAL(CA)\n virtual void F();\n//}}AFX_MSG\n"
                             "//{{AFX_MSG(CA)\n afx_msg void OnPaint();\n//}}AFX_MSG\n"
                             "//{{AFX_MSG_MAP(CA)\n};\n";
    m_parser.ParseText("Z:\\a.h", text);
    const CClassItem& item = Class("CA");
    ASSERT_NE(item.GetVirtualBlock(), nullptr);
    EXPECT_EQ(item.GetVirtualBlock()->m_nEnd, At(text, "//}}AFX_MSG"));
    EXPECT_EQ(item.GetMessageBlock()->m_nStart, At(text, "//{{AFX_MSG(CA)"));
    EXPECT_EQ(item.GetMessageBlock()->m_nEnd, At(text, "//}}AFX_MSG", At(text, "OnPaint")));
    EXPECT_EQ(item.FindBlock("AFX_MSG_MAP")->m_nEnd, -1);
}

TEST_F(CClassParserTest, ImplementationFileFollowsTheMostDefinitions)
{
    CClassItem item;
    item.m_strHeaderFile = "a.h";
    EXPECT_EQ(item.GetImplementationFile(), "a.h");
    item.m_strEventSinkMapFile = "sink.cpp";
    EXPECT_EQ(item.GetImplementationFile(), "sink.cpp");
    item.m_strMessageMapFile = "map.cpp";
    EXPECT_EQ(item.GetImplementationFile(), "map.cpp");
    for (const char* file : {"b.cpp", "c.cpp", "c.cpp", "b.cpp"}) {
        item.m_functions.push_back(std::make_unique<CFunctionItem>());
        item.m_functions.back()->m_strFile = file;
    }
    EXPECT_EQ(item.GetImplementationFile(), "b.cpp"); // a tie goes to the first in function order
    item.m_functions.push_back(std::make_unique<CFunctionItem>());
    item.m_functions.back()->m_strFile = "c.cpp";
    EXPECT_EQ(item.GetImplementationFile(), "c.cpp");
}

TEST_F(CClassParserTest, ReparseForgetsWhatTheFileContributed)
{
    int hookCalls = 0;
    m_parser.m_onReparsed = [&](const std::string& path) {
        ++hookCalls;
        EXPECT_EQ(path, "Z:\\form1.h");
    };
    m_parser.ParseText("Z:\\form1.h", "class CForm1 : public CXForm {\n CXTextBox m_Text1;\n CXLabel m_Label1;\n};\n"
                                      "class CGone { };\n");
    m_parser.ParseText("Z:\\form1.cpp", "void CForm1::OnPaint() { }\n"
                                        "BEGIN_MESSAGE_MAP(CForm1, CXForm)\nEND_MESSAGE_MAP()\n");
    const CClassItem* form = m_project.FindClass("CForm1");
    ASSERT_EQ(form->GetCount(), 2u);

    m_parser.ReparseText("Z:\\form1.h", "\n\nclass CForm1 : public CXMdiForm {\n CXLabel m_Label1;\n};\n");
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(m_project.FindClass("CGone"), nullptr);
    ASSERT_EQ(m_project.FindClass("CForm1"), form); // the same object, updated
    EXPECT_EQ(form->m_strBaseClass, "CXMdiForm");
    EXPECT_EQ(form->m_nDeclarationStart, 2);
    ASSERT_EQ(form->GetCount(), 1u);
    EXPECT_EQ(form->GetItems()[0]->m_strMemberName, "m_Label1");
    ASSERT_EQ(form->m_variables.size(), 1u);
    EXPECT_EQ(form->m_functions.size(), 1u); // defined in the source, which was not re-read

    m_parser.m_onReparsed = nullptr;
    m_parser.ReparseText("Z:\\form1.cpp", "// nothing left\n");
    EXPECT_TRUE(form->m_functions.empty());
    EXPECT_EQ(form->m_nMessageMapBegin, -1);
    EXPECT_EQ(form->m_strMessageMapFile, "");
}

TEST_F(CClassParserTest, UnreadableFileShowsTheSystemErrorAndContributesNothing)
{
    TempFolder folder;
    const std::string path = m_files.toWindowsPath(folder.host("missing.h"));
    EXPECT_FALSE(m_parser.ParseFile(path));
    ASSERT_EQ(m_messages.shownTexts().size(), 1u);
    const std::string text = m_messages.shownTexts()[0];
    EXPECT_EQ(text, platform::FileSystem::systemErrorDescription(ENOENT) + "\nError in opening / reading file..\n");
    EXPECT_TRUE(m_project.GetClasses().empty());
}

TEST_F(CClassParserTest, GeneratedProjectParsesIntoItsApplicationAndFormClasses)
{
    TempFolder folder;
    NewProjectSettings settings;
    settings.location = m_files.toWindowsPath(folder.host("test"));
    settings.projectName = "test";
    settings.className = "CForm1";
    settings.headerFile = "form1.h";
    settings.implFile = "form1.cpp";
    settings.ideVersion = "6.0";
    const CodegenContext context{m_files, m_messages};
    ASSERT_TRUE(GenerateProject(settings, context));
    ASSERT_TRUE(m_project.OpenProjectFile(settings.location + "\\test.dsp"));
    for (const std::string& file : m_project.GetFiles())
        EXPECT_TRUE(m_parser.ParseFile(file)) << file;
    m_parser.ResolveBaseClasses();
    EXPECT_TRUE(m_messages.shownTexts().empty());

    const CClassItem& app = Class("CTestApp");
    EXPECT_FALSE(app.IsFormClass());
    const CClassItem& form = Class("CForm1");
    EXPECT_TRUE(m_parser.IsFormClass("CForm1"));
    EXPECT_TRUE(form.m_bIsWindowClass);
    EXPECT_FALSE(form.IsMdiForm());
    EXPECT_EQ(form.m_strRootBase, "CXForm");
    EXPECT_EQ(form.m_strFormPropStringSymbol, "IDS_PROP_FORM1");
    EXPECT_EQ(form.GetImplementationFile(), settings.location + "\\form1.cpp");
    const CFunctionItem* create = m_parser.FindFunction("CForm1", "CreateTFXControls");
    ASSERT_NE(create, nullptr);
    EXPECT_TRUE(create->HasBody());
    EXPECT_NE(form.GetVirtualBlock(), nullptr);
    EXPECT_NE(form.GetMessageBlock(), nullptr);
    EXPECT_NE(form.FindBlock("AFX_MSG_MAP"), nullptr);
    EXPECT_NE(form.m_nMessageMapBegin, -1);
    // Only statements of the class body count: "CForm1();" and friends are declarations.
    EXPECT_TRUE(form.m_variables.empty());

    // A control declared in the header on disk appears after a re-parse of that file.
    std::string header = m_files.readWholeFile(settings.location + "\\form1.h").value();
    const size_t marker = header.find("\t//}}AFX_TFX_CTRL_DECLR_END");
    ASSERT_NE(marker, std::string::npos);
    header.insert(marker, "\tCXTextBox m_Text1;\r\n");
    ASSERT_TRUE(m_files.writeWholeFile(settings.location + "\\form1.h", header).isOk());
    EXPECT_TRUE(m_parser.ReparseFile(settings.location + "\\form1.h"));
    ASSERT_EQ(Class("CForm1").GetCount(), 1u);
    EXPECT_EQ(Class("CForm1").GetItems()[0]->m_nTypeCode, kTypeTextBox);
    EXPECT_NE(Class("CForm1").FindFunction("CreateTFXControls"), nullptr);
}

} // namespace
} // namespace morva
