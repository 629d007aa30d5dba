#include "codegen/ResourceScriptEditor.h"

#include "CodegenFixture.h"
#include "codegen/GenerateProject.h"
#include "codegen/NewProjectSettings.h"
#include "codegen/ResourceText.h"
#include "codegen/TemplateTable.h"
#include "ide/IdeAutomation.h"
#include "ide/SourceTextService.h"
#include "model/PropertyValueString.h"
#include "platform/base/TextEncoding.h"
#include "platform/ideapi/IdeDocument.h"
#include "sourcemodel/CProject.h"
#include "studio/core/Studio.h"

#include <sys/stat.h>

namespace morva {
namespace {

// A project generated for "test" with its form, opened, with a studio behind the source text.
class ResourceScriptEditorTest : public test::CodegenFixture {
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
        m_folder.write("pics/logo.bmp", "BM-logo");
        m_folder.write("pics/a.ico", "icon-a");
        m_folder.write("pics/b.ico", "icon-b");
        m_messages.clearShown();
    }

    std::string read(const std::string& relative) const { return m_folder.read(relative); }

    studio::Studio m_studio{m_fs, m_messages};
    IdeAutomation m_ide{&m_studio, m_fs};
    SourceTextService m_sources{m_ide, m_fs, m_messages};
    CProject m_project{m_fs, m_messages};
    ResourceScriptEditor m_editor{m_context, m_sources, m_project};
};

TEST_F(ResourceScriptEditorTest, NewProjectFilesAndPaths)
{
    EXPECT_EQ(m_editor.ResourceHeaderPath(), win("test\\resource.h"));
    EXPECT_EQ(m_editor.ResourceScriptPath(), win("test\\test.rc"));
    const std::string script = m_editor.LoadTextFile(m_editor.ResourceScriptPath());
    const std::string header = m_editor.LoadTextFile(m_editor.ResourceHeaderPath());
    EXPECT_EQ(NextStringId(script, header), 61447);
    EXPECT_TRUE(BitmapSite(script) && IconSite(script) && CursorSite(script));
    EXPECT_EQ(m_editor.LoadTextFile(win("test\\missing.h")), "");
    EXPECT_TRUE(m_messages.shownTexts().empty());
}

TEST_F(ResourceScriptEditorTest, BitmapLinesCounterAndCopy)
{
    const auto added = m_editor.AddPictureResource(win("pics\\logo.bmp"), 128);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->value, "128-" + win("pics\\logo.bmp"));
    EXPECT_EQ(added->nextResourceCounter, 129);

    const std::string header = read("test/resource.h");
    EXPECT_NE(header.find("#define\tIDB_BITMAP128\t\t\t\t\t128\r\n"), std::string::npos);
    EXPECT_LT(header.find("IDB_BITMAP128"), header.find("#ifdef APSTUDIO_INVOKED"));
    EXPECT_NE(header.find("_APS_NEXT_RESOURCE_VALUE     129\r\n"), std::string::npos);
    const std::string script = read("test/test.rc");
    EXPECT_NE(script.find(std::string(TemplateText(61567)) +
                          "\r\nIDB_BITMAP128\t\t\tBITMAP  DISCARDABLE\t\t\"res\\\\logo.bmp\""),
              std::string::npos);
    EXPECT_EQ(read("test/res/logo.bmp"), "BM-logo");

    // The stored form of the value decodes back to the copy's path.
    const int64_t stored = std::stoll(EncodeImageReference(added->value));
    EXPECT_EQ(m_editor.FindPictureFile(stored), "128-" + win("test") + "\\res\\logo.bmp");
    const IImageReferenceResolver& resolver = m_editor;
    EXPECT_EQ(resolver.FindPictureFile(127), "");
}

TEST_F(ResourceScriptEditorTest, UnicodeResourceFilesAreEditedInTheirOwnEncoding)
{
    const std::string ansiScript = read("test/test.rc");
    const std::string unicodeScript = platform::encodeText(ansiScript, platform::TextEncoding::Utf16Le);
    m_folder.write("test/test.rc", unicodeScript);
    const auto added = m_editor.AddPictureResource(win("pics\\logo.bmp"), 128);
    ASSERT_TRUE(added);
    const platform::DecodedText script = platform::decodeText(read("test/test.rc"));
    EXPECT_EQ(script.encoding, platform::TextEncoding::Utf16Le);
    EXPECT_TRUE(script.lossless);
    EXPECT_NE(script.text.find("IDB_BITMAP128\t\t\tBITMAP  DISCARDABLE\t\t\"res\\\\logo.bmp\""), std::string::npos);
    EXPECT_EQ(read("test/resource.h").find('\0'), std::string::npos); // the ANSI header stays ANSI

    // A script holding a character the code page lacks is refused before anything is written.
    const std::string greek = unicodeScript + "\xB1\x03";
    m_folder.write("test/test.rc", greek);
    const std::string header = read("test/resource.h");
    EXPECT_FALSE(m_editor.AddPictureResource(win("pics\\a.ico"), 129));
    EXPECT_EQ(read("test/test.rc"), greek);
    EXPECT_EQ(read("test/resource.h"), header);
    EXPECT_EQ(m_messages.shownTexts().back(),
              "The resource files are saved as Unicode text with characters that cannot be edited here.\n");
}

TEST_F(ResourceScriptEditorTest, TwoIconsInOrderAfterTheComment)
{
    ASSERT_TRUE(m_editor.AddPictureResource(win("pics\\a.ico"), 130));
    ASSERT_TRUE(m_editor.AddPictureResource(win("pics\\b.ico"), 131));
    const std::string script = read("test/test.rc");
    const size_t comment = script.find(TemplateText(61568));
    const size_t first = script.find("IDI_ICON130\t\t\tICON  DISCARDABLE\t\t\"res\\\\a.ico\"\r\n");
    const size_t second = script.find("IDI_ICON131\t\t\tICON  DISCARDABLE\t\t\"res\\\\b.ico\"\r\n");
    ASSERT_NE(comment, std::string::npos);
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(comment, first);
    EXPECT_LT(first, second);
    EXPECT_EQ(m_editor.FindPictureFile(1 * 65536 + 131), "131-" + win("test") + "\\res\\b.ico");
}

TEST_F(ResourceScriptEditorTest, HeaderWithoutStudioBlockGetsLinesAtItsStart)
{
    m_folder.write("test/resource.h", "#define IDS_X 1\r\n#define _APS_NEXT_RESOURCE_VALUE 5\r\n");
    ASSERT_TRUE(m_editor.AddPictureResource(win("pics\\a.ico"), 5));
    EXPECT_EQ(read("test/resource.h"),
              "#define\tIDI_ICON5\t\t\t\t\t5\r\n#define IDS_X 1\r\n#define _APS_NEXT_RESOURCE_VALUE     6\r\n");
}

TEST_F(ResourceScriptEditorTest, FailuresChangeNothing)
{
    const std::string header = read("test/resource.h");
    const std::string script = read("test/test.rc");

    // No counter line.
    m_folder.write("test/resource.h", "#define IDS_X 1\r\n");
    EXPECT_FALSE(m_editor.AddPictureResource(win("pics\\logo.bmp"), 128));
    EXPECT_EQ(read("test/resource.h"), "#define IDS_X 1\r\n");
    EXPECT_EQ(read("test/test.rc"), script);
    m_folder.write("test/resource.h", header);

    // A script without a Bitmap section.
    m_folder.write("test/test.rc", "STRINGTABLE\r\nBEGIN\r\nEND\r\n");
    EXPECT_FALSE(m_editor.AddPictureResource(win("pics\\logo.bmp"), 128));
    EXPECT_EQ(read("test/resource.h"), header);
    m_folder.write("test/test.rc", script);

    // A read-only script.
    ASSERT_TRUE(m_fs.setReadOnly(win("test\\test.rc"), true).isOk());
    EXPECT_FALSE(m_editor.AddPictureResource(win("pics\\logo.bmp"), 128));
    EXPECT_EQ(m_messages.shownTexts(),
              std::vector<std::string>{"You do not have write permission to file " + win("test\\test.rc") + "\n"});
    EXPECT_FALSE(m_editor.ReplacePictureResource(win("pics\\a.ico"), "128-x"));
    EXPECT_EQ(read("test/resource.h"), header);
    EXPECT_EQ(read("test/test.rc"), script);
    EXPECT_FALSE(m_fs.exists(win("test\\res\\logo.bmp")));

    // No string table: the site search reports it.
    m_messages.clearShown();
    EXPECT_FALSE(StringTableSite("// none\r\n", m_messages));
    EXPECT_EQ(m_messages.shownTexts().size(), 1u);
}

TEST_F(ResourceScriptEditorTest, CopiesStayInsideRes)
{
    for (const char* bad : {"", ".", "..", "C:\\pics\\"})
        EXPECT_FALSE(m_editor.AddPictureResource(bad, 128)) << bad;
    m_folder.write("pics/sub/evil.bmp", "x");
    ASSERT_TRUE(m_editor.AddPictureResource(win("pics\\sub/evil.bmp"), 128));
    EXPECT_EQ(read("test/res/evil.bmp"), "x");
    EXPECT_NE(read("test/test.rc").find("\"res\\\\evil.bmp\""), std::string::npos);
}

TEST_F(ResourceScriptEditorTest, ReplaceEditsTheOpenDocumentUntilSaved)
{
    ASSERT_TRUE(m_editor.AddPictureResource(win("pics\\logo.bmp"), 128));
    const std::string onDisk = read("test/test.rc");
    const std::string scriptPath = m_editor.ResourceScriptPath();
    m_ide.OpenDocument(scriptPath);
    ASSERT_TRUE(m_sources.IsSourceOpen(scriptPath));

    ASSERT_TRUE(m_editor.ReplacePictureResource(win("pics\\a.ico"), "128-" + win("pics\\logo.bmp")));
    EXPECT_EQ(read("test/test.rc"), onDisk);
    const auto document = m_ide.FindOpenDocument(scriptPath);
    ASSERT_TRUE(document);
    EXPECT_NE(document->text().find("IDB_BITMAP128\t\t\tBITMAP  DISCARDABLE\t\t\"res\\\\a.ico\""), std::string::npos);
    EXPECT_EQ(read("test/res/a.ico"), "icon-a");

    // Reading the script saves the document first.
    EXPECT_EQ(m_editor.FindPictureFile(128), "128-" + win("test") + "\\res\\a.ico");
    EXPECT_NE(read("test/test.rc").find("\"res\\\\a.ico\""), std::string::npos);
}

TEST_F(ResourceScriptEditorTest, AddThroughOpenDocuments)
{
    const std::string headerOnDisk = read("test/resource.h");
    m_ide.OpenDocument(m_editor.ResourceHeaderPath());
    m_ide.OpenDocument(m_editor.ResourceScriptPath());
    ASSERT_TRUE(m_editor.AddPictureResource(win("pics\\a.ico"), 128));
    EXPECT_EQ(read("test/resource.h"), headerOnDisk);
    const std::string header = m_ide.FindOpenDocument(m_editor.ResourceHeaderPath())->text();
    EXPECT_NE(header.find("#define\tIDI_ICON128\t\t\t\t\t128\r\n"), std::string::npos);
    EXPECT_NE(header.find("_APS_NEXT_RESOURCE_VALUE     129\r\n"), std::string::npos);
    EXPECT_EQ(m_editor.FindPictureFile(65536 + 128), "128-" + win("test") + "\\res\\a.ico");
}

} // namespace
} // namespace morva
