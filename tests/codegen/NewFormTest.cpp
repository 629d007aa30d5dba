#include "codegen/CNewFormDlg.h"

#include "CodegenFixture.h"
#include "codegen/GenerateForm.h"
#include "codegen/GenerateProject.h"
#include "codegen/NewProjectSettings.h"
#include "codegen/ResourceText.h"
#include "ide/IdeAutomation.h"
#include "ide/SourceTextService.h"
#include "model/CControlItem.h"
#include "platform/ideapi/IdeDocument.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"
#include "studio/core/Studio.h"

#include <filesystem>
#include <functional>

namespace morva {
namespace {

// A project generated for "test" with its form CForm1, opened and parsed, with a studio behind
// the source text and the control counter read from resource.h.
class NewFormTest : public test::CodegenFixture {
protected:
    void SetUp() override
    {
        CodegenFixture::SetUp();
        NewProjectSettings s;
        s.location = win("test");
        s.projectName = "test";
        s.className = "CForm1";
        s.headerFile = "form1.h";
        s.implFile = "form1.cpp";
        s.ideVersion = "6.0";
        ASSERT_TRUE(GenerateProject(s, m_context));
        ASSERT_TRUE(m_project.OpenProjectFile(win("test\\test.dsp")));
        for (const std::string& file : m_project.GetFiles())
            m_parser.ParseFile(file);
        m_parser.ResolveBaseClasses();
        ASSERT_TRUE(m_project.FindClass("CForm1"));
        m_counter = static_cast<int>(SymbolValue(read("test/resource.h"), "_APS_NEXT_CONTROL_VALUE"));
        m_messages.clearShown();
    }

    std::string read(const std::string& relative) const { return m_folder.read(relative); }

    // A form class with its form item captioned, as a loaded project holds it.
    void AddLoadedForm(const std::string& className, const std::string& caption, const std::string& base = "CXForm")
    {
        CClassItem* item = m_project.FindClass(className);
        if (!item) {
            auto created = std::make_unique<CClassItem>();
            created->m_strName = className;
            created->m_strBaseClass = base;
            created->m_strRootBase = base;
            item = &m_project.AddClass(std::move(created));
        }
        auto form = std::make_unique<CControlItem>(kKindForm, kTypeNone);
        form->m_bIsFormItem = true;
        CControlItem& added = item->AppendItem(std::move(form));
        added.BuildPropertyList();
        added.SetPropertyValue("Caption", caption);
    }

    // The string-table line of a symbol in the script (without its line break), or empty.
    static std::string TableLine(const std::string& script, const std::string& symbol)
    {
        const size_t at = script.find("\t" + symbol + "\t");
        return at == std::string::npos ? std::string() : script.substr(at, script.find("\r\n", at) - at);
    }

    NewFormTarget target() { return {m_project, m_sources, m_counter, m_pending}; }

    studio::Studio m_studio{m_fs, m_messages};
    IdeAutomation m_ide{&m_studio, m_fs};
    SourceTextService m_sources{m_ide, m_fs, m_messages};
    CProject m_project{m_fs, m_messages};
    CClassParser m_parser{m_project, m_fs, m_messages};
    int m_counter = 0;
    std::vector<std::string> m_pending;
};

TEST_F(NewFormTest, DialogOpensWithTheFirstFreeClassAndFollowsTheClassName)
{
    AddLoadedForm("CForm1", "Form1");
    CNewFormDlg dialog(m_context, target());
    EXPECT_EQ(dialog.FieldText(CNewFormDlg::IDC_CLASS_NAME), "CForm2");
    EXPECT_EQ(dialog.FieldText(CNewFormDlg::IDC_IMPL_FILE), "form2.cpp");
    EXPECT_EQ(dialog.FieldText(CNewFormDlg::IDC_HEADER_FILE), "form2.h");
    EXPECT_TRUE(dialog.IsOkEnabled());
    EXPECT_TRUE(dialog.IsEnabled(CNewFormDlg::IDC_MDI_FORM));

    struct Case {
        const char* className;
        const char* impl;
        const char* header;
        bool ok;
    };
    for (const Case& c : {Case{"Main", "main.cpp", "main.h", true}, Case{"CMyForm", "myform.cpp", "myform.h", true},
                          Case{"cForm", "cform.cpp", "cform.h", true}, Case{"C", "", "", false},
                          Case{"", "", "", false}}) {
        dialog.SetFieldText(CNewFormDlg::IDC_CLASS_NAME, c.className);
        EXPECT_EQ(dialog.FieldText(CNewFormDlg::IDC_IMPL_FILE), c.impl) << c.className;
        EXPECT_EQ(dialog.FieldText(CNewFormDlg::IDC_HEADER_FILE), c.header) << c.className;
        EXPECT_EQ(dialog.IsOkEnabled(), c.ok) << c.className;
    }
    // OK follows each field; pressed while disabled it does nothing.
    dialog.SetFieldText(CNewFormDlg::IDC_CLASS_NAME, "CForm2");
    dialog.SetFieldText(CNewFormDlg::IDC_HEADER_FILE, "");
    EXPECT_FALSE(dialog.IsOkEnabled());
    dialog.OnOK();
    EXPECT_EQ(dialog.GetState(), CNewFormDlg::State::Open);
    EXPECT_FALSE(m_fs.exists(win("test\\form2.cpp")));
    dialog.SetFieldText(CNewFormDlg::IDC_HEADER_FILE, "other.h");
    EXPECT_TRUE(dialog.IsOkEnabled());
}

TEST_F(NewFormTest, AnExistingMdiFormDisablesTheCheckBox)
{
    AddLoadedForm("CMainFrame", "Main", "CXMdiForm");
    CNewFormDlg dialog(m_context, target());
    EXPECT_FALSE(dialog.IsEnabled(CNewFormDlg::IDC_MDI_FORM));
    dialog.SetChecked(CNewFormDlg::IDC_MDI_FORM, true);
    EXPECT_FALSE(dialog.IsChecked(CNewFormDlg::IDC_MDI_FORM));
}

TEST_F(NewFormTest, OkWritesTheFormItsSymbolAndItsPropertyString)
{
    AddLoadedForm("CForm1", "Form1");
    const std::string scriptBefore = read("test/test.rc");
    CNewFormDlg dialog(m_context, target());
    dialog.SetFieldText(CNewFormDlg::IDC_CLASS_NAME, "Main");
    dialog.OnOK();
    ASSERT_EQ(dialog.GetState(), CNewFormDlg::State::ClosedOk);
    EXPECT_TRUE(m_messages.shownTexts().empty());
    EXPECT_EQ(m_pending, (std::vector<std::string>{win("test\\main.h"), win("test\\main.cpp")}));
    EXPECT_EQ(m_counter, 1001);

    const std::string header = read("test/main.h");
    EXPECT_NE(header.find("class Main : public CXForm"), std::string::npos);
    EXPECT_NE(header.find("#if !defined(AFX_MAIN_H__"), std::string::npos);
    const std::string source = read("test/main.cpp");
    EXPECT_NE(source.find("#include \"test.h\"\r\n#include \"main.h\""), std::string::npos);
    EXPECT_NE(source.find("m_nPropStringID = IDS_PROP_MAIN;"), std::string::npos);
    EXPECT_NE(source.find("void Main::CreateTFXControls()"), std::string::npos);

    const std::string resources = read("test/resource.h");
    const size_t define = resources.find("#define\tIDS_PROP_MAIN\t\t\t\t61447\r\n");
    EXPECT_NE(define, std::string::npos);
    // On the line after the last #define before the APSTUDIO block.
    const std::string formDefine = "#define IDS_PROP_FORM1                  61446\r\n";
    EXPECT_EQ(define, resources.find(formDefine) + formDefine.size());
    EXPECT_NE(resources.find("_APS_NEXT_CONTROL_VALUE     1001\r\n"), std::string::npos);

    // The entry ends the last string table, after the start-up form's, captioned Form2.
    const std::string script = read("test/test.rc");
    const std::string line = TableLine(script, "IDS_PROP_MAIN");
    ASSERT_FALSE(line.empty());
    EXPECT_LT(script.find("IDS_PROP_FORM1"), script.find(line));
    EXPECT_EQ(script.find(line) + line.size() + 2, script.find("END", script.find(line)));
    EXPECT_EQ(line.rfind("\tIDS_PROP_MAIN\t\t\t\"1,12632256,", 0), 0u);
    EXPECT_NE(line.find(",2,Form2,1,1,13,"), std::string::npos);
    EXPECT_EQ(script.size(), scriptBefore.size() + line.size() + 2);
}

TEST_F(NewFormTest, NumbersAndCaptionFollowTheProject)
{
    // Captions Form1 and Form3 are taken; string identifiers 61446 and 61447 are used.
    AddLoadedForm("CForm1", "Form1");
    AddLoadedForm("CForm7", "Form3");
    std::string resources = read("test/resource.h");
    resources.insert(resources.find("#define IDS_PROP_FORM1"), "#define IDS_OTHER 61447\r\n");
    m_folder.write("test/resource.h", resources);
    std::string script = read("test/test.rc");
    script.insert(script.find("\tIDS_PROP_FORM1"), "\tIDS_OTHER \"other\"\r\n");
    m_folder.write("test/test.rc", script);
    m_counter = 4711;

    NewFormSettings settings{win("test"), "CForm2", "form2.h", "form2.cpp", true};
    ASSERT_TRUE(GenerateForm(settings, m_context, target()));
    EXPECT_EQ(m_counter, 4712);
    EXPECT_NE(read("test/resource.h").find("#define\tIDS_PROP_FORM2\t\t\t\t61448\r\n"), std::string::npos);
    EXPECT_NE(read("test/resource.h").find("_APS_NEXT_CONTROL_VALUE     4712\r\n"), std::string::npos);
    // An MDI form: its own property set and base class.
    const std::string line = TableLine(read("test/test.rc"), "IDS_PROP_FORM2");
    EXPECT_EQ(line.rfind("\tIDS_PROP_FORM2\t\t\t\"1,8421504,", 0), 0u);
    EXPECT_NE(line.find(",Form2,"), std::string::npos);
    EXPECT_NE(read("test/form2.h").find("class CForm2 : public CXMdiForm"), std::string::npos);
}

TEST_F(NewFormTest, TheSymbolOfARemovedFormOfTheSameNameIsReused)
{
    std::string resources = read("test/resource.h");
    resources.insert(resources.find("#define IDS_PROP_FORM1"), "#define IDS_PROP_FORM2 61460\r\n");
    m_folder.write("test/resource.h", resources);
    std::string script = read("test/test.rc");
    script.insert(script.find("\tIDS_PROP_FORM1"), "\tIDS_PROP_FORM2\t\"old,\"\r\n");
    m_folder.write("test/test.rc", script);

    NewFormSettings settings{win("test"), "CForm2", "form2.h", "form2.cpp", false};
    ASSERT_TRUE(GenerateForm(settings, m_context, target()));
    const std::string header = read("test/resource.h");
    EXPECT_EQ(header.find("IDS_PROP_FORM2"), header.rfind("IDS_PROP_FORM2"));
    EXPECT_NE(header.find("_APS_NEXT_CONTROL_VALUE     1001\r\n"), std::string::npos);
    const std::string edited = read("test/test.rc");
    EXPECT_EQ(edited.find("IDS_PROP_FORM2"), edited.rfind("IDS_PROP_FORM2"));
    EXPECT_EQ(edited.find("old,"), std::string::npos);
    // The entry keeps its place and its line's own indentation.
    EXPECT_EQ(edited.find("\tIDS_PROP_FORM2\t\t\t\"1,12632256,"), script.find("\tIDS_PROP_FORM2"));
}

TEST_F(NewFormTest, RefusedGenerationsWriteNothing)
{
    const std::string header = read("test/resource.h");
    const std::string script = read("test/test.rc");
    const std::string noCounter = header.substr(0, header.find("#define _APS_NEXT_CONTROL_VALUE"));
    const std::string noTable = script.substr(0, script.find("STRINGTABLE"));
    struct Case {
        const char* what;
        NewFormSettings settings;
        std::function<void()> prepare;
        std::vector<std::string> messages;
    };
    const NewFormSettings form2{win("test"), "CForm2", "form2.h", "form2.cpp", false};
    const std::vector<Case> cases = {
        {"existing implementation file", form2, [&] { m_folder.write("test/form2.cpp", "mine"); },
         {"File " + win("test\\form2.cpp") + " already exists"}},
        {"existing header", form2, [&] { m_folder.write("test/form2.h", "mine"); },
         {"File " + win("test\\form2.h") + " already exists"}},
        {"read-only resource.h", form2,
         [&] { ASSERT_TRUE(m_fs.setReadOnly(win("test\\resource.h"), true).isOk()); }, {}},
        {"read-only script", form2, [&] { ASSERT_TRUE(m_fs.setReadOnly(win("test\\test.rc"), true).isOk()); }, {}},
        {"no counter line", form2, [&] { m_folder.write("test/resource.h", noCounter); }, {}},
        {"no string table", form2, [&] { m_folder.write("test/test.rc", noTable); },
         {"The key word \"STRINGTABLE\" couldn't be found in .rc file"}},
        {"UTF-16 script the code page cannot hold", form2,
         [&] { m_folder.write("test/test.rc", std::string("\xFF\xFES\0T\0\xB1\x03", 8)); },
         {"The resource files are saved as Unicode text with characters that cannot be edited here.\n"}},
        {"class of the project", {win("test"), "CForm1", "other.h", "other.cpp", false}, [] {},
         {"The project already has a class named CForm1."}},
        {"class name with a blank", {win("test"), "CMy Form", "my.h", "my.cpp", false}, [] {},
         {"'CMy Form' cannot name the new form's class: use letters, digits and underscores, not starting with a "
          "digit."}},
        {"one file twice", {win("test"), "CForm2", "Form2.h", "form2.h", false}, [] {},
         {"The header and the implementation file of the new form must be different files."}},
        {"file outside the folder", {win("test"), "CForm2", "..\\form2.h", "form2.cpp", false}, [] {},
         {"'..\\form2.h' cannot name a file of the new form: a file name must not be empty or contain '\\', '/' or "
          "':'."}},
    };
    for (const Case& c : cases) {
        m_messages.clearShown();
        c.prepare();
        const std::string headerBefore = read("test/resource.h");
        const std::string scriptBefore = read("test/test.rc");
        const std::string listing = m_folder.listing("test");
        EXPECT_FALSE(GenerateForm(c.settings, m_context, target())) << c.what;
        EXPECT_EQ(m_messages.shownTexts(), c.messages) << c.what;
        EXPECT_EQ(read("test/resource.h"), headerBefore) << c.what;
        EXPECT_EQ(read("test/test.rc"), scriptBefore) << c.what;
        EXPECT_EQ(m_folder.listing("test"), listing) << c.what;
        EXPECT_TRUE(m_pending.empty()) << c.what;
        EXPECT_EQ(m_counter, 1000) << c.what;
        // Back to the generated project for the next case.
        (void)m_fs.setReadOnly(win("test\\resource.h"), false);
        (void)m_fs.setReadOnly(win("test\\test.rc"), false);
        m_folder.write("test/resource.h", header);
        m_folder.write("test/test.rc", script);
        std::filesystem::remove(m_folder.host("test/form2.cpp"));
        std::filesystem::remove(m_folder.host("test/form2.h"));
    }
}

TEST_F(NewFormTest, AMissingProjectFolderKeepsTheDialogOpen)
{
    CNewFormDlg dialog(m_context, target());
    std::filesystem::remove_all(m_folder.host("test"));
    dialog.OnOK();
    EXPECT_EQ(dialog.GetState(), CNewFormDlg::State::Open);
    EXPECT_EQ(m_messages.shownTexts(), std::vector<std::string>{"Directory " + win("test") + " does not exist"});
    EXPECT_TRUE(m_pending.empty());
}

TEST_F(NewFormTest, OpenResourceDocumentsReceiveTheEdits)
{
    const std::string headerPath = m_project.GetResourceHeaderPath();
    const std::string scriptPath = m_project.GetResourceScriptPath();
    m_ide.OpenDocument(headerPath);
    m_ide.OpenDocument(scriptPath);
    // Typed but unsaved: generation saves it before reading, so the typing is kept.
    m_ide.FindOpenDocument(headerPath)->selection()->setText("// typed\r\n");

    NewFormSettings settings{win("test"), "CForm2", "form2.h", "form2.cpp", false};
    ASSERT_TRUE(GenerateForm(settings, m_context, target()));
    const std::string header = m_ide.FindOpenDocument(headerPath)->text();
    EXPECT_EQ(header.rfind("// typed\r\n", 0), 0u);
    EXPECT_NE(header.find("#define\tIDS_PROP_FORM2\t\t\t\t61447\r\n"), std::string::npos);
    EXPECT_NE(header.find("_APS_NEXT_CONTROL_VALUE     1001\r\n"), std::string::npos);
    const std::string script = m_ide.FindOpenDocument(scriptPath)->text();
    EXPECT_FALSE(TableLine(script, "IDS_PROP_FORM2").empty());
    // The disk keeps the saved text until the documents are saved.
    EXPECT_EQ(read("test/resource.h").find("IDS_PROP_FORM2"), std::string::npos);
    EXPECT_EQ(read("test/resource.h").rfind("// typed\r\n", 0), 0u);
    ASSERT_TRUE(m_ide.SaveDocument(scriptPath));
    EXPECT_EQ(read("test/test.rc"), script);
}

} // namespace
} // namespace morva
