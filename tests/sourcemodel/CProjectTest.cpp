#include "sourcemodel/CProject.h"

#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/BaseClassList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace morva {
namespace {

class CProjectTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    platform::FileSystem m_files;
    platform::MessageService m_messages;

    std::string Win(const std::string& relative) const { return m_files.toWindowsPath(m_folder.host(relative)); }
    void Touch(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            m_folder.write(name, "//\r\n");
    }
    std::vector<std::string> FileNames(const CProject& project) const
    {
        std::vector<std::string> names;
        for (const std::string& path : project.GetFiles())
            names.push_back(path.substr(Win("").size() + 1));
        return names;
    }
};

TEST_F(CProjectTest, HeadersComeFirstAndMissingOrForeignFilesAreLeftOut)
{
    Touch({"app/form1.cpp", "app/form1.h", "app/test.cpp", "app/test.h", "app/resource.h", "app/stdafx.cpp",
           "app/app.def", "common/util.cpp"});
    m_folder.write("app/test.dsp", "# Microsoft Developer Studio Project File\r\n"
                                   "SOURCE=.\\form1.cpp\r\nSOURCE=.\\form1.h\r\nSOURCE=.\\test.cpp\r\n"
                                   "SOURCE=.\\test.h\r\nSOURCE=.\\resource.h\r\nSOURCE=.\\StdAfx.cpp\r\n"
                                   "SOURCE=.\\app.def\r\nSOURCE=.\\missing.cpp\r\nSOURCE=.\\form1.cpp\r\n"
                                   "SOURCE=..\\common\\util.cpp\r\nSOURCE=x\r\n");
    CProject project(m_files, m_messages);
    ASSERT_TRUE(project.OpenProjectFile(Win("app/test.dsp")));
    EXPECT_EQ(FileNames(project),
              (std::vector<std::string>{"app\\resource.h", "app\\test.h", "app\\form1.h", "app\\form1.cpp",
                                        "app\\test.cpp", "app\\StdAfx.cpp", "common\\util.cpp"}));
    EXPECT_EQ(project.m_nNextFile, 0);
    EXPECT_EQ(project.m_nFileCount, 7);
}

TEST_F(CProjectTest, SourceValuesResolveAgainstTheProjectFolder)
{
    Touch({"work/app/a.cpp", "work/common/b.cpp", "lib/x.h", "work/app/sub/c.cpp"});
    const std::string drive = Win("").substr(0, 2);
    const std::string root = Win("").substr(2) + "\\"; // the temporary folder below the drive root
    m_folder.write("work/app/p.dsp", "SOURCE=.\\a.cpp\nSOURCE=..\\common\\b.cpp\r\nSOURCE=" + root + "lib\\x.h\r\n" +
                                         "SOURCE=" + Win("work/app/sub/c.cpp") + "\r\nSOURCE=\"quoted.cpp\"\r\n");
    CProject project(m_files, m_messages);
    ASSERT_TRUE(project.OpenProjectFile(Win("work/app/p.dsp")));
    EXPECT_EQ(project.GetFiles(), (std::vector<std::string>{drive + root + "lib\\x.h", Win("work/app") + "\\a.cpp",
                                                            Win("work") + "\\common\\b.cpp", Win("work/app/sub/c.cpp")}));
}

TEST_F(CProjectTest, MessyProjectFilesFromRealUse)
{
    // No first line, a name whose case differs from the file, a quoted name with blanks, a name
    // in the project's code page (the host names the file in UTF-8), and a quoted name that is
    // missing on disk.
    Touch({"app/form1.cpp", "app/my form.cpp", "app/caf\xC3\xA9.h"});
    m_folder.write("app/p.dsp", "SOURCE=.\\FORM1.CPP\r\nSOURCE=\".\\my form.cpp\"  \r\nSOURCE=.\\caf\xE9.h\r\n"
                                "SOURCE=\".\\gone.cpp\"\r\n");
    CProject project(m_files, m_messages);
    ASSERT_TRUE(project.OpenProjectFile(Win("app/p.dsp")));
    EXPECT_EQ(FileNames(project), (std::vector<std::string>{"app\\caf\xE9.h", "app\\FORM1.CPP", "app\\my form.cpp"}));
    for (const std::string& path : project.GetFiles())
        EXPECT_TRUE(m_files.readWholeFile(path)) << path;
}

TEST_F(CProjectTest, DerivedPaths)
{
    m_folder.write("app/test.dsp", "");
    CProject project(m_files, m_messages);
    EXPECT_EQ(project.GetResourceScriptPath(), "");
    ASSERT_TRUE(project.OpenProjectFile(Win("app/test.dsp")));
    EXPECT_EQ(project.GetProjectFolder(), Win("app"));
    EXPECT_EQ(project.GetProjectName(), "test");
    EXPECT_EQ(project.GetResourceHeaderPath(), Win("app") + "\\resource.h");
    EXPECT_EQ(project.GetResourceScriptPath(), Win("app") + "\\test.rc");
    EXPECT_EQ(project.GetToolboxFilePath(), Win("app") + "\\test.dat");
}

TEST_F(CProjectTest, MissingAndUnreadableProjectFiles)
{
    CProject missing(m_files, m_messages);
    EXPECT_FALSE(missing.OpenProjectFile(Win("none.dsp")));
    EXPECT_EQ(missing.m_nFileCount, -1);
    EXPECT_TRUE(m_messages.shownBoxes().empty());

    std::filesystem::create_directories(m_folder.host("dir.dsp"));
    CProject folder(m_files, m_messages);
    EXPECT_FALSE(folder.OpenProjectFile(Win("dir.dsp")));

    if (runningAsRoot())
        GTEST_SKIP() << "permission bits do not stop root from reading";
    m_folder.write("locked.dsp", "SOURCE=.\\a.cpp\r\n");
    chmod(m_folder.host("locked.dsp").c_str(), 0);
    CProject locked(m_files, m_messages);
    EXPECT_TRUE(locked.OpenProjectFile(Win("locked.dsp")));
    EXPECT_TRUE(locked.GetFiles().empty());
    EXPECT_EQ(m_messages.shownTexts(), std::vector<std::string>{"Permission denied\nError in  reading / writing file..\n"});
}

TEST_F(CProjectTest, ClosingRemovesTheTemporaryFolder)
{
    m_folder.write("app/test.dsp", "");
    m_folder.write("app/KoxTemp/XTemp.tmp", "scratch");
    {
        CProject project(m_files, m_messages);
        ASSERT_TRUE(project.OpenProjectFile(Win("app/test.dsp")));
        project.SetTemporaryFolder(Win("app") + "\\KoxTemp");
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder.host("app/KoxTemp")));
    EXPECT_EQ(m_files.currentDirectory(), Win("app"));
}

TEST(BaseClassList, SubstringTest)
{
    for (const char* name : {"CWnd", "CFormView", "CMDIChildWnd", "CPropertyPage", "CToolBar", "CXImge", "CXMdiForm",
                             "Wnd", "CX"})
        EXPECT_TRUE(IsListedBaseClass(name)) << name;
    for (const char* name : {"CObject", "CWinApp", "CDocument", "CListView"})
        EXPECT_FALSE(IsListedBaseClass(name)) << name;
}

} // namespace
} // namespace morva
