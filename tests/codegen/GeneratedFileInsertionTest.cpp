#include "codegen/GeneratedFileInsertion.h"

#include "CodegenFixture.h"
#include "codegen/CNewFormDlg.h"
#include "codegen/GenerateForm.h"
#include "codegen/GenerateProject.h"
#include "codegen/NewProjectSettings.h"
#include "codegen/ProjectLoadSteps.h"
#include "codegen/StdAfxInclude.h"
#include "ide/IdeAutomation.h"
#include "ide/SourceTextService.h"
#include "model/CControlItem.h"
#include "platform/ideapi/IdeDocument.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/IProgressDialogHost.h"
#include "sourcemodel/ProjectLoader.h"
#include "studio/core/Studio.h"

namespace morva {
namespace {

size_t Count(const std::string& text, const std::string& piece)
{
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

// A generated project open in the studio and parsed; new forms are inserted through the
// studio's project insertion.
class GeneratedFileInsertionTest : public test::CodegenFixture {
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
        ASSERT_TRUE(m_studio.openWorkspace(win("test\\test.dsw")));
        HeadlessProgressHost host;
        ASSERT_TRUE(m_loader.Open(win("test\\test.dsp"), host));
        ASSERT_EQ(m_counters.nextControl, 1000);
        m_messages.clearShown();
    }

    std::string read(const std::string& relative) const { return m_folder.read(relative); }

    void generate(const std::string& className, const std::string& base)
    {
        NewFormSettings settings{win("test"), className, base + ".h", base + ".cpp", false};
        ASSERT_TRUE(GenerateForm(settings, m_context, {m_project, m_sources, m_counters.nextControl, m_pending}));
    }

    IdeFileInserter studioInserter()
    {
        return [this](const std::vector<std::string>& paths) { return m_studio.insertFilesIntoProject(paths); };
    }

    // The forms are rebuilt as a project opening builds them; the loading's cached resource
    // texts are dropped with the counters read again, so the next refresh reads the new lines.
    InsertedFilesUpdate update()
    {
        return {m_project, m_parser, m_sources, m_context, [this] {
                    m_loader.RunFinishingSteps();
                    m_steps.ReadCounters(m_project);
                }};
    }

    std::string captionOf(const std::string& className) const
    {
        const CClassItem* item = m_project.FindClass(className);
        const CControlItem* form = item ? item->GetFormItem() : nullptr;
        return form ? form->GetPropertyValue("Caption") : "(no form item)";
    }

    studio::Studio m_studio{m_fs, m_messages};
    IdeAutomation m_ide{&m_studio, m_fs};
    SourceTextService m_sources{m_ide, m_fs, m_messages};
    CProject m_project{m_fs, m_messages};
    CClassParser m_parser{m_project, m_fs, m_messages};
    ProjectCounters m_counters;
    ProjectLoadSteps m_steps{m_context, m_sources, m_counters};
    ProjectLoader m_loader{m_project, m_parser, m_steps, m_fs};
    std::vector<std::string> m_pending;
};

TEST_F(GeneratedFileInsertionTest, InsertedFormsJoinTheProjectAndStdAfxIncludesTheFormHeaderOnce)
{
    const std::string stdafxBefore = read("test/stdafx.h");
    ASSERT_NE(stdafxBefore.find("#include <tfxform.h>"), std::string::npos);

    generate("CForm2", "form2");
    ASSERT_TRUE(InsertPendingFiles(m_pending, studioInserter(), update()));
    EXPECT_TRUE(m_pending.empty());
    const std::string project = read("test/test.dsp");
    EXPECT_NE(project.find("SOURCE=.\\form2.cpp\r\n"), std::string::npos);
    EXPECT_NE(project.find("SOURCE=.\\form2.h\r\n"), std::string::npos);
    EXPECT_TRUE(m_project.ContainsFile(win("test\\form2.h")));
    EXPECT_TRUE(m_project.ContainsFile(win("test\\form2.cpp")));
    const CClassItem* form = m_project.FindClass("CForm2");
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->IsFormClass());
    EXPECT_EQ(form->m_strFormPropStringSymbol, "IDS_PROP_FORM2");
    EXPECT_TRUE(form->FindFunction("CreateTFXControls"));

    // The lower-case include of a new project does not count: the exact name goes in before the
    // marker, once.
    const std::string stdafx = read("test/stdafx.h");
    EXPECT_NE(stdafx.find("#include <tfxform.h>\n\n#include <tfxForm.h>\r\n//{{AFX_INSERT_LOCATION}}"),
              std::string::npos);
    generate("CForm3", "form3");
    ASSERT_TRUE(InsertPendingFiles(m_pending, studioInserter(), update()));
    EXPECT_EQ(read("test/stdafx.h"), stdafx);
    EXPECT_TRUE(m_project.FindClass("CForm3"));
}

// The command's whole course twice: dialog, OK, insertion, forms rebuilt from the project.
TEST_F(GeneratedFileInsertionTest, EachNewFormTakesTheNextNameCaptionAndNumbers)
{
    EXPECT_EQ(captionOf("CForm1"), "Form1");
    for (const char* expected : {"2", "3"}) {
        CNewFormDlg dialog(m_context, {m_project, m_sources, m_counters.nextControl, m_pending});
        EXPECT_EQ(dialog.FieldText(CNewFormDlg::IDC_CLASS_NAME), std::string("CForm") + expected);
        dialog.OnOK();
        ASSERT_EQ(dialog.GetState(), CNewFormDlg::State::ClosedOk);
        ASSERT_TRUE(InsertPendingFiles(m_pending, studioInserter(), update()));
        EXPECT_EQ(captionOf(std::string("CForm") + expected), std::string("Form") + expected);
    }
    EXPECT_EQ(m_counters.nextControl, 1002);
    const std::string header = read("test/resource.h");
    EXPECT_NE(header.find("#define\tIDS_PROP_FORM2\t\t\t\t61447\r\n#define\tIDS_PROP_FORM3\t\t\t\t61448\r\n"),
              std::string::npos);
    EXPECT_TRUE(m_messages.shownTexts().empty());
}

TEST_F(GeneratedFileInsertionTest, MissingFilesOrARefusedInsertionKeepThePendingList)
{
    generate("CForm2", "form2");
    const std::vector<std::string> pending = m_pending;
    const std::string project = read("test/test.dsp");

    int asked = 0;
    const IdeFileInserter refuse = [&](const std::vector<std::string>&) { return ++asked, false; };
    EXPECT_FALSE(InsertPendingFiles(m_pending, refuse, update()));
    EXPECT_EQ(asked, 1);

    ASSERT_TRUE(m_fs.removeFile(win("test\\form2.cpp")).isOk());
    EXPECT_FALSE(InsertPendingFiles(m_pending, studioInserter(), update()));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(m_pending, pending);
    EXPECT_EQ(read("test/test.dsp"), project);
    EXPECT_FALSE(m_project.ContainsFile(win("test\\form2.h")));
    EXPECT_EQ(read("test/stdafx.h").find("tfxForm.h"), std::string::npos);
}

TEST_F(GeneratedFileInsertionTest, StdAfxIncludeCases)
{
    const std::string stdafxPath = win("test\\stdafx.h");
    const std::string original = read("test/stdafx.h");
    struct Case {
        const char* what;
        std::string text;
        bool added;
    };
    const std::string marker = "//{{AFX_INSERT_LOCATION}}\r\n";
    for (const Case& c : {Case{"quoted include", "#include \"tfxForm.h\"\r\n" + marker, false},
                          Case{"angle include", "#include <tfxForm.h>\r\n" + marker, false},
                          Case{"two blanks do not count", "#include  <tfxForm.h>\r\n" + marker, true},
                          Case{"no marker", "#include <afx.h>\r\n", false}}) {
        m_folder.write("test/stdafx.h", c.text);
        EXPECT_EQ(EnsureStdAfxInclude("tfxForm.h", m_project, m_parser, m_sources, m_context), c.added) << c.what;
        EXPECT_EQ(read("test/stdafx.h") != c.text, c.added) << c.what;
    }
    m_folder.write("test/stdafx.h", original);
    ASSERT_TRUE(m_fs.setReadOnly(stdafxPath, true).isOk());
    EXPECT_FALSE(EnsureStdAfxInclude("tfxForm.h", m_project, m_parser, m_sources, m_context));
    ASSERT_TRUE(m_fs.setReadOnly(stdafxPath, false).isOk());

    // An open stdafx.h is edited in the editor, at the marker's line.
    m_ide.OpenDocument(stdafxPath);
    ASSERT_TRUE(EnsureStdAfxInclude("tfxWinApp.h", m_project, m_parser, m_sources, m_context));
    EXPECT_EQ(read("test/stdafx.h"), original);
    const std::string text = m_ide.FindOpenDocument(stdafxPath)->text();
    EXPECT_EQ(Count(text, "#include <tfxWinApp.h>\r\n//{{AFX_INSERT_LOCATION}}"), 1u);
    EXPECT_TRUE(m_messages.shownTexts().empty());
}

} // namespace
} // namespace morva
