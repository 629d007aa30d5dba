#include "CodegenFixture.h"

#include "codegen/CNewProjectDlg.h"
#include "codegen/QueuedFolderPicker.h"

#include <cerrno>

namespace morva {
namespace {

using Dlg = CNewProjectDlg;

class NewProjectDlgTest : public test::CodegenFixture {
protected:
    Dlg& open()
    {
        m_dialog = std::make_unique<Dlg>(m_context, m_picker, "6.0");
        return *m_dialog;
    }
    // What each of the five fields shows, in the order location, name, class, header, impl.
    std::vector<std::string> fields() const
    {
        return {m_dialog->FieldText(Dlg::IDC_LOCATION), m_dialog->FieldText(Dlg::IDC_PROJECT_NAME),
                m_dialog->FieldText(Dlg::IDC_CLASS_NAME), m_dialog->FieldText(Dlg::IDC_HEADER_FILE),
                m_dialog->FieldText(Dlg::IDC_IMPL_FILE)};
    }

    QueuedFolderPicker m_picker;
    std::unique_ptr<Dlg> m_dialog;
};

TEST_F(NewProjectDlgTest, OpensAtTheCurrentDirectoryWithOkDisabled)
{
    Dlg& dlg = open();
    EXPECT_EQ(fields(), (std::vector<std::string>{m_root + "\\", "", "CForm1", "form1.h", "form1.cpp"}));
    EXPECT_FALSE(dlg.IsOkEnabled());
    EXPECT_TRUE(dlg.IsChecked(Dlg::IDC_CREATE_WORKSPACE));
    EXPECT_FALSE(dlg.IsEnabled(Dlg::IDC_ADD_TO_WORKSPACE));
    EXPECT_FALSE(dlg.IsChecked(Dlg::IDC_MDI_FORM));
    EXPECT_EQ(dlg.GetState(), Dlg::State::Open);
}

TEST_F(NewProjectDlgTest, TheLocationFollowsTheNameAsItIsTyped)
{
    Dlg& dlg = open();
    for (const char* typed : {"t", "te", "tes", "test"})
        dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, typed);
    EXPECT_EQ(dlg.FieldText(Dlg::IDC_LOCATION), m_root + "\\test");
    EXPECT_TRUE(dlg.IsOkEnabled());
    dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, "");
    EXPECT_EQ(dlg.FieldText(Dlg::IDC_LOCATION), m_root + "\\");
    EXPECT_FALSE(dlg.IsOkEnabled());

    // A location typed without a final backslash loses its last component to the name.
    dlg.SetFieldText(Dlg::IDC_LOCATION, "Z:\\work\\old");
    dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, "app");
    EXPECT_EQ(dlg.FieldText(Dlg::IDC_LOCATION), "Z:\\work\\app");
}

TEST_F(NewProjectDlgTest, BrowsePutsTheNameAfterTheChosenFolder)
{
    Dlg& dlg = open();
    dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, "test");
    m_picker.QueueAnswer("Z:\\projects");
    dlg.OnBrowse();
    EXPECT_EQ(dlg.FieldText(Dlg::IDC_LOCATION), "Z:\\projects\\test");
    EXPECT_EQ(m_picker.LastStartFolder(), m_root); // an empty start is the current directory
    m_picker.QueueAnswer("Z:\\");
    dlg.OnBrowse();
    EXPECT_EQ(dlg.FieldText(Dlg::IDC_LOCATION), "Z:\\test");
    dlg.OnBrowse(); // cancelled: the start folder
    EXPECT_EQ(dlg.FieldText(Dlg::IDC_LOCATION), m_root + "\\test");
    EXPECT_EQ(m_picker.PickCount(), 3);
}

TEST_F(NewProjectDlgTest, TheClassNameNamesTheFiles)
{
    struct Case {
        const char* className;
        const char* header;
        const char* impl;
    };
    const Case cases[] = {
        {"CMain", "main.h", "main.cpp"},
        {"Main", "main.h", "main.cpp"},
        {"CForm2", "form2.h", "form2.cpp"},
        {"cView", "cview.h", "cview.cpp"}, // only a capital C is dropped
        {"CC", "c.h", "c.cpp"},
        {"C", "", ""},
    };
    Dlg& dlg = open();
    dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, "test");
    for (const Case& c : cases) {
        dlg.SetFieldText(Dlg::IDC_CLASS_NAME, c.className);
        EXPECT_EQ(dlg.FieldText(Dlg::IDC_HEADER_FILE), c.header) << c.className;
        EXPECT_EQ(dlg.FieldText(Dlg::IDC_IMPL_FILE), c.impl) << c.className;
        EXPECT_EQ(dlg.IsOkEnabled(), *c.header != '\0') << c.className;
    }
}

TEST_F(NewProjectDlgTest, OkNeedsEveryField)
{
    Dlg& dlg = open();
    dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, "test");
    ASSERT_TRUE(dlg.IsOkEnabled());
    for (int id : {Dlg::IDC_LOCATION, Dlg::IDC_CLASS_NAME, Dlg::IDC_HEADER_FILE, Dlg::IDC_IMPL_FILE}) {
        const std::string kept = dlg.FieldText(id);
        dlg.SetFieldText(id, "");
        EXPECT_FALSE(dlg.IsOkEnabled()) << id;
        dlg.SetFieldText(id, kept);
        EXPECT_TRUE(dlg.IsOkEnabled()) << id;
    }
    // A click on the disabled button does nothing.
    dlg.SetFieldText(Dlg::IDC_HEADER_FILE, "");
    dlg.OnOK();
    EXPECT_EQ(dlg.GetState(), Dlg::State::Open);
    EXPECT_TRUE(m_messages.shownBoxes().empty());
    EXPECT_EQ(m_folder.listing(), "");
}

TEST_F(NewProjectDlgTest, OkGeneratesTheProjectAndCloses)
{
    Dlg& dlg = open();
    dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, "test");
    dlg.SetFieldText(Dlg::IDC_CLASS_NAME, "Main");
    dlg.SetChecked(Dlg::IDC_MDI_FORM, true);
    dlg.OnOK();
    ASSERT_EQ(dlg.GetState(), Dlg::State::ClosedOk) << ::testing::PrintToString(m_messages.shownTexts());
    ASSERT_TRUE(dlg.GetOutcome());
    EXPECT_EQ(dlg.GetOutcome()->workspacePath, win("test\\test.dsw"));
    EXPECT_EQ(dlg.GetOutcome()->startupFormClass, "Main");
    EXPECT_EQ(dlg.GetOutcome()->writtenFiles.size(), 11u);
    EXPECT_EQ(m_folder.listing("test"),
              "main.cpp|main.h|res|resource.h|stdafx.cpp|stdafx.h|test.cpp|test.dsp|test.dsw|test.h|test.rc|");
    EXPECT_NE(m_folder.read("test/main.h").find("class Main : public CXMdiForm\r\n"), std::string::npos);
    EXPECT_NE(m_folder.read("test/resource.h").find("#define IDS_PROP_MAIN "), std::string::npos);
    EXPECT_NE(m_folder.read("test/test.dsp").find("SOURCE=.\\main.cpp\r\n"), std::string::npos);
}

TEST_F(NewProjectDlgTest, AnExistingLocationIsRefused)
{
    m_folder.write("test", "a file is enough");
    Dlg& dlg = open();
    dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, "test");
    dlg.OnOK();
    EXPECT_EQ(m_messages.shownTexts(),
              std::vector<std::string>{"A workspace with the specified name already exists at the specified location."});
    EXPECT_EQ(dlg.GetState(), Dlg::State::Open);
    EXPECT_EQ(m_folder.listing(), "test|");
    EXPECT_EQ(m_folder.read("test"), "a file is enough");
}

TEST_F(NewProjectDlgTest, AMissingParentFailsAtTheFirstWriteAndKeepsTheDialogOpen)
{
    Dlg& dlg = open();
    dlg.SetFieldText(Dlg::IDC_LOCATION, win("missing\\"));
    dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, "test");
    const std::vector<std::string> before = fields();
    dlg.OnOK();
    const std::string firstFile = win("missing\\test\\test.h");
    EXPECT_EQ(m_messages.shownTexts(),
              (std::vector<std::string>{platform::FileSystem::fileErrorMessage(firstFile, ENOENT),
                                        "Error in generating project"}));
    EXPECT_EQ(dlg.GetState(), Dlg::State::Open);
    EXPECT_EQ(fields(), before);
    EXPECT_EQ(m_folder.listing(), "");
}

TEST_F(NewProjectDlgTest, AfterAFailedWriteASecondOkFindsTheFolder)
{
    Dlg& dlg = open();
    dlg.SetFieldText(Dlg::IDC_PROJECT_NAME, "test");
    m_fs.simulateWriteFailure(platform::FileSystem::WriteStep::Write, ENOSPC);
    dlg.OnOK();
    m_fs.simulateWriteFailure(platform::FileSystem::WriteStep::None, 0);
    EXPECT_EQ(m_messages.shownTexts(),
              (std::vector<std::string>{platform::FileSystem::fileErrorMessage(win("test\\test.h"), ENOSPC),
                                        "Error in generating project"}));
    EXPECT_EQ(m_folder.listing("test"), ""); // the folder was made, the file was not
    m_messages.clearShown();
    dlg.OnOK();
    EXPECT_EQ(m_messages.shownTexts(),
              std::vector<std::string>{"A workspace with the specified name already exists at the specified location."});
    EXPECT_EQ(dlg.GetState(), Dlg::State::Open);
}

} // namespace
} // namespace morva
