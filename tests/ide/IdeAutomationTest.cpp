#include "ide/IdeAutomation.h"

#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/ideapi/IdeDocument.h"
#include "platform/ideapi/IdeTextSelection.h"
#include "studio/core/Studio.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

class IdeAutomationTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    platform::FileSystem m_files;
    platform::MessageService m_messages;
    studio::Studio m_studio{m_files, m_messages};
    IdeAutomation m_ide{&m_studio, m_files};

    std::string Win(const std::string& relative) const { return m_files.toWindowsPath(m_folder.host(relative)); }
};

TEST_F(IdeAutomationTest, QueriesFollowTheActiveWindowAndProject)
{
    m_folder.write("p/p.dsw", "Project: \"p\"=.\\p.dsp - Package Owner=<4>\r\n");
    m_folder.write("p/main.cpp", "int main() {}\r\n");
    EXPECT_EQ(m_ide.GetIdeVersion(), "6.0");
    EXPECT_EQ(m_ide.GetActiveWindowCaption(), "");
    EXPECT_EQ(m_ide.GetActiveProjectPath(), "");

    m_ide.OpenDocument(Win("p/p.dsw"));
    m_ide.OpenDocument(Win("p/main.cpp"));
    EXPECT_EQ(m_ide.GetActiveWindowCaption(), "main.cpp");
    EXPECT_EQ(m_ide.GetActiveDocumentPath(), Win("p/main.cpp"));
    EXPECT_EQ(m_ide.GetActiveProjectPath(), Win("p/p.dsp"));
    m_ide.ExecuteCommand("NewText");
    EXPECT_EQ(m_ide.EnumerateTextWindows(), (std::vector<std::string>{"Text1", "main.cpp"}));
    ASSERT_NE(m_ide.GetActiveSelection(), nullptr);
}

TEST_F(IdeAutomationTest, DocumentOperationsByPath)
{
    m_folder.write("a.cpp", "line1\r\nline2\r\n");
    m_ide.OpenDocument(Win("a.cpp"));
    const auto document = m_ide.FindOpenDocument(Win("A.CPP"));
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(m_ide.MoveCaret(*document, 2, 1, false));
    ASSERT_TRUE(m_ide.MoveCaret(*document, 2, 6, true));
    ASSERT_TRUE(m_ide.SetSelectionText(*document, "second"));
    ASSERT_TRUE(m_ide.GoToLine(*document, 1));
    ASSERT_TRUE(m_ide.DeleteSelection(*document));
    EXPECT_EQ(document->text(), "second\r\n");
    EXPECT_TRUE(m_ide.SaveDocument(Win("a.cpp")));
    EXPECT_EQ(m_folder.read("a.cpp"), "second\r\n");
    EXPECT_TRUE(m_ide.CloseDocument(Win("a.cpp")));
    EXPECT_FALSE(m_ide.IsDocumentOpen(Win("a.cpp")));
    // Operations on documents that are not open do nothing and report it.
    EXPECT_FALSE(m_ide.SaveDocument(Win("a.cpp")));
    EXPECT_FALSE(m_ide.CloseDocument(Win("a.cpp")));
    EXPECT_FALSE(m_ide.MoveCaret(*document, 1, 1, false));
}

TEST_F(IdeAutomationTest, WithoutAnApplicationEverythingIsEmpty)
{
    IdeAutomation none(nullptr, m_files);
    EXPECT_EQ(none.GetIdeVersion(), "");
    EXPECT_FALSE(none.AddCommand("A\nB", "M", 0, 1));
    EXPECT_EQ(none.FindOpenDocument("Z:\\x.cpp"), nullptr);
    EXPECT_EQ(none.GetActiveSelection(), nullptr);
    none.ExecuteCommand("FileSaveAll");
}

} // namespace
} // namespace morva
