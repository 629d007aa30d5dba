#include "ide/SourceTextService.h"

#include "ide/IdeAutomation.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/ideapi/IdeDocument.h"
#include "studio/core/Studio.h"
#include "studio/core/TextLines.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace morva {
namespace {

class SourceTextServiceTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    platform::FileSystem m_files;
    platform::MessageService m_messages;
    studio::Studio m_studio{m_files, m_messages};
    IdeAutomation m_ide{&m_studio, m_files};
    SourceTextService m_source{m_ide, m_files, m_messages};

    std::string Win(const std::string& relative) const { return m_files.toWindowsPath(m_folder.host(relative)); }
};

// One change, given in offsets the way the code writers hold it.
struct Change {
    enum Kind { Insert, Replace, DeleteLines } kind;
    int64_t first;  // offset (insert, replace), first line (delete)
    int64_t second; // last offset, inclusive (replace), end line (delete)
    std::string text;
};

TEST_F(SourceTextServiceTest, EditorAndDiskFormsMakeTheSameFile)
{
    const std::string original = "// form1.cpp\r\n#include \"stdafx.h\"\r\n\r\nvoid CForm1::Load()\r\n{\r\n}\r\n";
    const Change changes[] = {
        {Change::Insert, 0, 0, "// top\r\n"},
        {Change::Insert, 14, 0, "#include <tfxForm.h>\r\n"},
        {Change::Insert, static_cast<int64_t>(original.size()), 0, "// end\r\n"},
        {Change::Insert, 50, 0, "\tint n;\r\n"},
        {Change::Replace, 3, 11, "FORM1.CPP"},
        {Change::Replace, 33, 34, "."}, // a line break, CR and LF together
        {Change::Replace, static_cast<int64_t>(original.size()) - 2, static_cast<int64_t>(original.size()) - 1, "\n// x"},
        {Change::Replace, 0, static_cast<int64_t>(original.size()) - 1, "all"},
        {Change::DeleteLines, 2, 3, ""},
        {Change::DeleteLines, 1, 7, ""},
        {Change::DeleteLines, 4, 4, ""},
    };
    int n = 0;
    for (const Change& change : changes) {
        const std::string diskName = "disk" + std::to_string(n) + ".cpp";
        const std::string editorName = "editor" + std::to_string(n++) + ".cpp";
        m_folder.write(diskName, original);
        m_folder.write(editorName, original);
        m_ide.OpenDocument(Win(editorName));
        ASSERT_TRUE(m_source.IsSourceOpen(Win(editorName)));
        ASSERT_FALSE(m_source.IsSourceOpen(Win(diskName)));

        const studio::TextLines lines(original);
        const auto line = [&](int64_t offset) { return lines.lineOf(static_cast<size_t>(offset)); };
        const auto column = [&](int64_t offset) { return lines.columnOf(static_cast<size_t>(offset)); };
        switch (change.kind) {
        case Change::Insert:
            ASSERT_TRUE(m_source.InsertTextInFile(Win(diskName), change.first, change.text));
            ASSERT_TRUE(m_source.InsertTextAt(Win(editorName), line(change.first), column(change.first), change.text));
            break;
        case Change::Replace:
            ASSERT_TRUE(m_source.ReplaceRangeInFile(Win(diskName), change.first, change.second, change.text));
            ASSERT_TRUE(m_source.ReplaceRangeAt(Win(editorName), line(change.first), column(change.first),
                                                line(change.second + 1), column(change.second + 1), change.text));
            break;
        case Change::DeleteLines:
            ASSERT_TRUE(m_source.DeleteRangeInFile(Win(diskName), int64_t(lines.lineStart(int(change.first))),
                                                   change.second > lines.lineCount()
                                                       ? int64_t(original.size())
                                                       : int64_t(lines.lineStart(int(change.second)))));
            ASSERT_TRUE(m_source.DeleteLinesAt(Win(editorName), int(change.first), int(change.second)));
            break;
        }
        // The editor's change reaches the disk when the document is saved.
        EXPECT_EQ(m_folder.read(editorName), original);
        ASSERT_TRUE(m_source.SaveSource(Win(editorName)));
        EXPECT_EQ(m_folder.read(editorName), m_folder.read(diskName)) << "change " << n - 1;
    }
}

TEST_F(SourceTextServiceTest, EdgesOfTheDiskForms)
{
    struct Case {
        const char* name;
        std::function<bool(SourceTextService&, const std::string&)> edit;
        std::string expected;
    };
    const Case cases[] = {
        {"replace through the last character", [](auto& s, auto& p) { return s.ReplaceRangeInFile(p, 3, 5, "XY"); },
         "abcXY"},
        {"replace past the end", [](auto& s, auto& p) { return s.ReplaceRangeInFile(p, 4, 99, "!"); }, "abcd!"},
        {"delete up to the last character keeps it",
         [](auto& s, auto& p) { return s.DeleteRangeInFile(p, 1, 5); }, "af"},
        {"delete past the end", [](auto& s, auto& p) { return s.DeleteRangeInFile(p, 4, 50); }, "abcd"},
        {"insert past the end appends", [](auto& s, auto& p) { return s.InsertTextInFile(p, 60, "+"); }, "abcdef+"},
        {"empty replacement of nothing", [](auto& s, auto& p) { return s.ReplaceRangeInFile(p, 2, 1, "-"); },
         "ab-cdef"},
    };
    for (const Case& c : cases) {
        m_folder.write("f.txt", "abcdef");
        ASSERT_TRUE(c.edit(m_source, Win("f.txt"))) << c.name;
        EXPECT_EQ(m_folder.read("f.txt"), c.expected) << c.name;
    }
}

TEST_F(SourceTextServiceTest, EditsThatCannotBeMadeChangeNothing)
{
    m_folder.write("f.txt", "abcdef");
    EXPECT_FALSE(m_source.InsertTextInFile(Win("f.txt"), -1, "x"));
    EXPECT_FALSE(m_source.ReplaceRangeInFile(Win("f.txt"), -1, 2, "x"));
    EXPECT_FALSE(m_source.DeleteRangeInFile(Win("f.txt"), 4, 2));
    EXPECT_EQ(m_folder.read("f.txt"), "abcdef");
    EXPECT_TRUE(m_messages.shownBoxes().empty());

    // A file that cannot be read is never written with the edit of an empty text.
    EXPECT_FALSE(m_source.InsertTextInFile(Win("missing.txt"), 0, "x"));
    EXPECT_FALSE(std::filesystem::exists(m_folder.host("missing.txt")));
    ASSERT_EQ(m_messages.shownBoxes().size(), 1u);
    EXPECT_EQ(m_messages.shownBoxes()[0].text.rfind("File '" + Win("missing.txt") + "' could not be opened", 0), 0u);

    // A failed write says so and leaves the old text.
    m_files.simulateWriteFailure(platform::FileSystem::WriteStep::Replace, EIO);
    EXPECT_FALSE(m_source.WriteWholeFile(Win("f.txt"), "new"));
    EXPECT_EQ(m_folder.read("f.txt"), "abcdef");
    EXPECT_EQ(m_messages.shownBoxes().size(), 2u);
}

TEST_F(SourceTextServiceTest, UnicodeFilesKeepTheirEncodingOrAreNotEdited)
{
    using namespace std::string_literals;
    // "ab" with a line break as UTF-16 and as UTF-8 with a mark; the offsets are those of the
    // ANSI text the parser reads.
    m_folder.write("u16.rc", "\xFF\xFE" "a\0b\0\r\0\n\0"s);
    m_folder.write("u8.h", "\xEF\xBB\xBF" "ab\r\n");
    EXPECT_TRUE(m_source.InsertTextInFile(Win("u16.rc"), 1, "\xE9"));
    EXPECT_EQ(m_folder.read("u16.rc"), "\xFF\xFE" "a\0\xE9\0b\0\r\0\n\0"s);
    EXPECT_TRUE(m_source.ReplaceRangeInFile(Win("u8.h"), 0, 1, "x\xE9"));
    EXPECT_EQ(m_folder.read("u8.h"), "\xEF\xBB\xBF" "x\xC3\xA9\r\n");
    EXPECT_TRUE(m_source.WriteWholeFile(Win("u16.rc"), "z"));
    EXPECT_EQ(m_folder.read("u16.rc"), "\xFF\xFE" "z\0"s);
    EXPECT_TRUE(m_messages.shownBoxes().empty());

    // A Greek letter has no place in the code page: the file is left as it is, with a message.
    const std::string greek = "\xFF\xFE" "a\0\xB1\x03"s;
    m_folder.write("greek.rc", greek);
    EXPECT_FALSE(m_source.InsertTextInFile(Win("greek.rc"), 0, "x"));
    EXPECT_FALSE(m_source.WriteWholeFile(Win("greek.rc"), "x"));
    EXPECT_EQ(m_folder.read("greek.rc"), greek);
    ASSERT_EQ(m_messages.shownBoxes().size(), 2u);
    EXPECT_EQ(m_messages.shownBoxes()[0].text,
              "The file " + Win("greek.rc") + " is saved as Unicode text with characters that cannot be edited here.");
}

TEST_F(SourceTextServiceTest, OpenButDeletedIsNotOpen)
{
    m_folder.write("gone.cpp", "x");
    m_ide.OpenDocument(Win("gone.cpp"));
    ASSERT_TRUE(m_source.IsSourceOpen(Win("gone.cpp")));
    std::filesystem::remove(m_folder.host("gone.cpp"));
    EXPECT_FALSE(m_source.IsSourceOpen(Win("gone.cpp")));
}

TEST_F(SourceTextServiceTest, EditorFormsOnDocumentsThatAreNotOpenDoNothing)
{
    m_folder.write("a.cpp", "one\r\ntwo\r\n");
    EXPECT_FALSE(m_source.InsertTextAt(Win("a.cpp"), 1, 1, "x"));
    EXPECT_FALSE(m_source.SaveSource(Win("a.cpp")));
    m_ide.OpenDocument(Win("a.cpp"));
    ASSERT_TRUE(m_source.DeleteLinesAt(Win("a.cpp"), 2, 2)); // equal lines delete nothing
    EXPECT_EQ(m_ide.FindOpenDocument(Win("a.cpp"))->text(), "one\r\ntwo\r\n");
}

TEST_F(SourceTextServiceTest, OpenSourceAtLineSelectsTheLine)
{
    m_folder.write("a.cpp", "one\r\ntwo\r\nthree\r\n");
    m_source.OpenSourceAtLine(Win("a.cpp"), 2);
    const auto document = m_ide.FindOpenDocument(Win("a.cpp"));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(m_ide.GetActiveWindowCaption(), "a.cpp");
    EXPECT_EQ(document->selection()->text(), "two\r\n");
}

} // namespace
} // namespace morva
