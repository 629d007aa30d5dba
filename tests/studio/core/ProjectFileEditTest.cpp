#include "StudioFixture.h"

#include "studio/core/ProjectFileEdit.h"

namespace studio {
namespace {

// The groups of a generated project file, with CR LF line ends.
const std::string kProject = "# Begin Target\r\n"
                             "# Begin Group \"Source Files\"\r\n"
                             "\r\n"
                             "# PROP Default_Filter \"cpp;c;cxx;rc;def;r;odl;idl;hpj;bat\"\r\n"
                             "# Begin Source File\r\n\r\nSOURCE=.\\test.cpp\r\n# End Source File\r\n"
                             "# End Group\r\n"
                             "# Begin Group \"Header Files\"\r\n"
                             "\r\n"
                             "# PROP Default_Filter \"h;hpp;hxx;hm;inl\"\r\n"
                             "# Begin Source File\r\n\r\nSOURCE=.\\test.h\r\n# End Source File\r\n"
                             "# End Group\r\n"
                             "# End Target\r\n"
                             "# End Project\r\n";

std::string Entry(const std::string& value)
{
    return "# Begin Source File\r\n\r\nSOURCE=" + value + "\r\n# End Source File\r\n";
}

TEST(ProjectFileEdit, FilesGoIntoTheGroupOfTheirKind)
{
    const std::string edited = AddSourceFiles(kProject, {".\\form2.cpp", ".\\form2.h", ".\\notes.txt", ".\\TEST.CPP"});
    std::string expected = kProject;
    expected.insert(expected.find("# End Group"), Entry(".\\form2.cpp"));
    expected.insert(expected.find("# End Group", expected.find("Header Files")), Entry(".\\form2.h"));
    expected.insert(expected.find("# End Target"), Entry(".\\notes.txt"));
    EXPECT_EQ(edited, expected);
    // Nothing to add leaves the text as it was.
    EXPECT_EQ(AddSourceFiles(edited, {".\\form2.cpp"}), edited);
}

TEST(ProjectFileEdit, LineEndsOfTheFileAreKept)
{
    const std::string lf = "# Begin Group \"Header Files\"\n# PROP Default_Filter \"h\"\n# End Group\n# End Target\n";
    EXPECT_EQ(AddSourceFiles(lf, {".\\a.h"}), "# Begin Group \"Header Files\"\n# PROP Default_Filter \"h\"\n"
                                               "# Begin Source File\n\nSOURCE=.\\a.h\n# End Source File\n"
                                               "# End Group\n# End Target\n");
    EXPECT_EQ(AddSourceFiles("no groups at all", {".\\a.h"}), "no groups at all");
}

TEST(ProjectFileEdit, SourceValuesAreRelativeInsideTheProjectFolder)
{
    EXPECT_EQ(SourceValueFor("Z:\\work\\app", "Z:\\work\\app\\form1.cpp"), ".\\form1.cpp");
    EXPECT_EQ(SourceValueFor("Z:\\work\\app", "z:\\WORK\\APP\\res\\x.rc2"), ".\\res\\x.rc2");
    EXPECT_EQ(SourceValueFor("Z:\\work\\app", "Z:\\work\\application\\y.cpp"), "Z:\\work\\application\\y.cpp");
    EXPECT_EQ(SourceValueFor("Z:\\work\\app", "Z:\\other\\z.h"), "Z:\\other\\z.h");
}

using InsertFilesTest = StudioFixture;

TEST_F(InsertFilesTest, TheActiveProjectGetsTheFiles)
{
    m_folder.write("p/test.dsw", "Project: \"test\"=.\\test.dsp - Package Owner=<4>\r\n");
    m_folder.write("p/test.dsp", kProject);
    ASSERT_TRUE(m_studio.openWorkspace(Win("p/test.dsw")));
    ASSERT_TRUE(m_studio.insertFilesIntoProject({Win("p/form2.cpp"), Win("p/form2.h")}));
    const std::string onDisk = m_folder.read("p/test.dsp");
    EXPECT_NE(onDisk.find("SOURCE=.\\form2.cpp\r\n"), std::string::npos);
    EXPECT_LT(onDisk.find("SOURCE=.\\form2.h"), onDisk.find("# End Target"));
    EXPECT_GT(onDisk.find("SOURCE=.\\form2.h"), onDisk.find("Header Files"));

    // An open project file is edited as a document, keeping what was typed into it.
    const auto document = m_studio.openDocument(Win("p/test.dsp"), "Auto", false);
    document->selection()->setText("# edited\r\n");
    ASSERT_TRUE(m_studio.insertFilesIntoProject({Win("p/form3.cpp")}));
    const std::string saved = m_folder.read("p/test.dsp");
    EXPECT_EQ(saved.rfind("# edited\r\n", 0), 0u);
    EXPECT_NE(saved.find("SOURCE=.\\form3.cpp"), std::string::npos);
}

TEST_F(InsertFilesTest, WithoutAProjectNothingIsInserted)
{
    EXPECT_FALSE(m_studio.insertFilesIntoProject({Win("a.cpp")}));
    EXPECT_EQ(m_messages.shownTexts(), std::vector<std::string>{"There is no active project to insert files into."});
}

} // namespace
} // namespace studio
