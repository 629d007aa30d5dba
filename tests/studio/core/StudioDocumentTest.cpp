#include "StudioFixture.h"

#include "platform/ideapi/IdeTextSelection.h"
#include "studio/core/StudioDocument.h"

namespace studio {
namespace {

class StudioDocumentTest : public StudioFixture {
protected:
    std::shared_ptr<StudioDocument> Open(const std::string& text)
    {
        m_folder.write("doc.cpp", text);
        m_studio.openDocument(Win("doc.cpp"), "Auto", false);
        return m_studio.findDocument(Win("doc.cpp"));
    }
};

TEST_F(StudioDocumentTest, SelectionEditsTheTextAtLineAndColumn)
{
    const auto document = Open("int a;\r\nint b;\r\n");
    platform::IdeTextSelection& selection = *document->selection();
    selection.moveTo(2, 5, false);
    selection.moveTo(2, 6, true);
    EXPECT_EQ(selection.text(), "b");
    selection.setText("bee");
    EXPECT_EQ(document->text(), "int a;\r\nint bee;\r\n");
    EXPECT_EQ(selection.currentLine(), 2);
    EXPECT_EQ(selection.currentColumn(), 8);
    EXPECT_EQ(selection.text(), "");

    selection.goToLine(1, true);
    EXPECT_EQ(selection.text(), "int a;\r\n");
    selection.deleteSelection();
    EXPECT_EQ(document->text(), "int bee;\r\n");
}

TEST_F(StudioDocumentTest, MovingLeftByCharactersAndWords)
{
    const auto document = Open("x = m_Text1.\r\nm");
    platform::IdeTextSelection& selection = *document->selection();
    selection.moveTo(2, 1, false);
    selection.charLeft(true, 1); // a CR LF is one step
    EXPECT_EQ(selection.text(), "\r\n");
    selection.moveTo(1, 12, false);
    selection.wordLeft(true);
    EXPECT_EQ(selection.text(), "m_Text1");
    selection.moveTo(2, 2, false);
    selection.charLeft(true, 1);
    EXPECT_EQ(selection.text(), "m");
    selection.moveTo(1, 1, false);
    selection.charLeft(true, 5);
    EXPECT_EQ(selection.text(), "");
}

TEST_F(StudioDocumentTest, TextAndDiskStayApartUntilSaved)
{
    const auto document = Open("one\r\n");
    document->selection()->moveTo(1, 4, false);
    document->selection()->setText(" two");
    EXPECT_FALSE(document->isSaved());
    EXPECT_EQ(m_folder.read("doc.cpp"), "one\r\n");

    ASSERT_TRUE(document->save({}));
    EXPECT_TRUE(document->isSaved());
    EXPECT_EQ(m_folder.read("doc.cpp"), "one two\r\n");

    document->selection()->setText("!");
    ASSERT_TRUE(document->close(true));
    EXPECT_EQ(m_folder.read("doc.cpp"), "one two!\r\n");
    EXPECT_FALSE(document->isOpen());
    EXPECT_EQ(m_studio.findDocument(Win("doc.cpp")), nullptr);
    EXPECT_TRUE(m_studio.windows().empty());
}

TEST_F(StudioDocumentTest, ClosingWithoutSavingKeepsTheFile)
{
    const auto document = Open("keep\r\n");
    document->selection()->setText("lost ");
    ASSERT_TRUE(document->close(false));
    EXPECT_EQ(m_folder.read("doc.cpp"), "keep\r\n");
}

TEST_F(StudioDocumentTest, AFailedSaveKeepsTheDocumentOpenAndSaysWhy)
{
    const auto document = Open("text\r\n");
    document->selection()->setText("new ");
    m_files.simulateWriteFailure(platform::FileSystem::WriteStep::CreateTemporary, EACCES);
    EXPECT_FALSE(document->close(true));
    EXPECT_TRUE(document->isOpen());
    EXPECT_EQ(document->text(), "new text\r\n");
    ASSERT_EQ(m_messages.shownBoxes().size(), 1u);
    EXPECT_EQ(m_messages.shownBoxes()[0].text.rfind("File '" + Win("doc.cpp") + "' could not be opened / read / written\n", 0),
              0u);
    EXPECT_EQ(m_folder.read("doc.cpp"), "text\r\n");
}

TEST_F(StudioDocumentTest, ReadOnlyDocumentsRefuseEdits)
{
    m_folder.write("ro.cpp", "fixed");
    const auto document = m_studio.openDocument(Win("ro.cpp"), "Auto", true);
    ASSERT_NE(document, nullptr);
    document->selection()->setText("changed ");
    EXPECT_EQ(document->text(), "fixed");
    EXPECT_TRUE(document->isSaved());
}

} // namespace
} // namespace studio
