#include "StudioFixture.h"

#include "platform/ideapi/IdeApplicationEvents.h"
#include "platform/ideapi/IdeCommandTarget.h"
#include "platform/ideapi/IdeProject.h"
#include "platform/ideapi/IdeTextSelection.h"
#include "platform/ideapi/IdeWindow.h"
#include "studio/core/StudioDocument.h"
#include "studio/core/WorkspaceFile.h"

namespace studio {
namespace {

// Writes down every event, by name.
struct EventLog : platform::IdeApplicationEvents {
    std::vector<std::string> events;
    void documentOpen(platform::IdeDocument& d) override { events.push_back("open " + d.name()); }
    void beforeDocumentClosing(platform::IdeDocument& d) override { events.push_back("closing " + d.name()); }
    void documentSave(platform::IdeDocument& d) override { events.push_back("save " + d.name()); }
    void newDocument(platform::IdeDocument& d) override { events.push_back("new " + d.name()); }
    void windowActivate(platform::IdeWindow& w) override { events.push_back("activate " + w.caption()); }
    void windowDeactivate(platform::IdeWindow& w) override { events.push_back("deactivate " + w.caption()); }
    void workspaceOpen() override { events.push_back("workspace open"); }
    void workspaceClose() override { events.push_back("workspace close"); }
    void beforeApplicationShutDown() override { events.push_back("shutdown"); }
};

struct RecordingTarget : platform::IdeCommandTarget {
    std::vector<std::string> calls;
    void invoke(const std::string& method) override { calls.push_back(method); }
};

using StudioTest = StudioFixture;

TEST_F(StudioTest, DocumentsAreFoundByPathIgnoringCase)
{
    m_folder.write("Form1.cpp", "// form\r\n");
    const auto opened = m_studio.openDocument(Win("Form1.cpp"), "Auto", false);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(m_studio.findDocument(Win("FORM1.CPP")), opened);
    // Opening it again under another case activates the same document.
    EXPECT_EQ(m_studio.openDocument(Win("form1.cpp"), "Auto", false), opened);
    EXPECT_EQ(m_studio.documents().size(), 1u);
    EXPECT_EQ(m_studio.activeWindow()->caption(), "Form1.cpp");
    EXPECT_EQ(m_studio.activeDocument(), opened);
}

TEST_F(StudioTest, AMissingFileIsNotOpened)
{
    EXPECT_EQ(m_studio.openDocument(Win("missing.cpp"), "Auto", false), nullptr);
    ASSERT_EQ(m_messages.shownBoxes().size(), 1u);
    EXPECT_NE(m_messages.shownBoxes()[0].text.find("could not be opened / read / written"), std::string::npos);
    EXPECT_TRUE(m_studio.windows().empty());
}

TEST_F(StudioTest, EventsReachAdvisedSinksUntilTheyUnadvise)
{
    EventLog log;
    const unsigned long cookie = m_studio.advise(&log);
    m_folder.write("a.cpp", "a");
    m_folder.write("b.cpp", "b");
    const auto a = m_studio.openDocument(Win("a.cpp"), "Auto", false);
    m_studio.openDocument(Win("b.cpp"), "Auto", false);
    a->selection()->setText("x");
    m_studio.executeCommand("FileSaveAll");
    a->close(false);
    m_studio.newText();
    EXPECT_EQ(log.events, (std::vector<std::string>{"activate a.cpp", "open a.cpp", "deactivate a.cpp",
                                                    "activate b.cpp", "open b.cpp", "save a.cpp", "closing a.cpp",
                                                    "deactivate b.cpp", "activate Text1", "new Text1"}));
    EXPECT_EQ(m_folder.read("a.cpp"), "xa");

    ASSERT_TRUE(m_studio.unadvise(cookie));
    EXPECT_FALSE(m_studio.unadvise(cookie));
    m_studio.newText();
    EXPECT_EQ(log.events.size(), 10u);
    EXPECT_EQ(m_studio.activeWindow()->caption(), "Text2");
}

TEST_F(StudioTest, WorkspacesListTheirProjects)
{
    m_folder.write("app/app.dsw", "Microsoft Developer Studio Workspace File, Format Version 6.00\r\n"
                                  "###############################################################################\r\n"
                                  "\r\n"
                                  "Project: \"app\"=.\\app.dsp - Package Owner=<4>\r\n"
                                  "\r\n"
                                  "Project: \"lib\"=\"..\\lib\\lib.dsp\" - Package Owner=<4>\r\n");
    EventLog log;
    m_studio.advise(&log);
    // The workspace opens through the documents, like the IDE's own open command.
    EXPECT_EQ(m_studio.openDocument(Win("app/app.dsw"), "Auto", false), nullptr);
    ASSERT_EQ(m_studio.projects().size(), 2u);
    EXPECT_EQ(m_studio.activeProject()->name(), "app");
    EXPECT_EQ(m_studio.activeProject()->fullName(), Win("app/app.dsp"));
    EXPECT_EQ(m_studio.projects()[1]->fullName(), Win("lib/lib.dsp"));
    EXPECT_EQ(m_studio.mainWindowCaption(), "app - Microsoft Visual C++");
    m_studio.closeWorkspace();
    EXPECT_EQ(m_studio.activeProject(), nullptr);
    EXPECT_EQ(log.events, (std::vector<std::string>{"workspace open", "workspace close"}));
    EXPECT_EQ(Studio(m_files, m_messages, "5.0").mainWindowCaption(), "Microsoft Developer Studio");
}

TEST_F(StudioTest, AddInCommandsRunTheirMethods)
{
    RecordingTarget target;
    m_studio.setAddInInfo(&target, 128, 129, 7);
    ASSERT_TRUE(m_studio.addCommand("MorvaCommand\nSample\nToggles modes\nTip", "MorvaCommandMethod", 0, 7));
    EXPECT_FALSE(m_studio.addCommand("MorvaCommand\nAgain", "Other", 1, 7)); // names are unique
    EXPECT_FALSE(m_studio.addCommand("", "Nameless", 1, 7));
    m_studio.addCommandBarButton(1, "MorvaCommand", 7);
    ASSERT_EQ(m_studio.addInCommands().size(), 1u);
    const AddInCommand& command = m_studio.addInCommands()[0];
    EXPECT_EQ(command.statusText, "Toggles modes");
    EXPECT_EQ(command.tooltip, "Tip");
    EXPECT_TRUE(command.onToolbar);

    EXPECT_TRUE(m_studio.executeCommand("MorvaCommand"));
    EXPECT_FALSE(m_studio.executeCommand("NoSuchCommand"));
    EXPECT_EQ(target.calls, std::vector<std::string>{"MorvaCommandMethod"});
}

TEST_F(StudioTest, QuittingAsksAboutModifiedDocuments)
{
    m_folder.write("a.cpp", "a");
    const auto a = m_studio.openDocument(Win("a.cpp"), "Auto", false);
    a->selection()->setText("changed ");
    m_messages.queueAnswer(platform::MessageAnswer::Cancel);
    m_studio.quit();
    EXPECT_FALSE(m_studio.hasQuit());
    EXPECT_TRUE(a->isOpen());

    m_messages.queueAnswer(platform::MessageAnswer::Yes);
    m_studio.quit();
    EXPECT_TRUE(m_studio.hasQuit());
    EXPECT_EQ(m_folder.read("a.cpp"), "changed a");
    EXPECT_EQ(m_messages.shownTexts(), (std::vector<std::string>{"Save changes to a.cpp?", "Save changes to a.cpp?"}));
}

TEST(WorkspaceFile, EntriesWithAndWithoutQuotes)
{
    const auto entries = ParseWorkspaceProjects("Project: \"test\"=.\\test.dsp - Package Owner=<4>\n"
                                                "Project: other=C:\\x\\other.dsp\r\n"
                                                "Project: broken\n"
                                                "# Project: \"no\"=.\\no.dsp\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "test");
    EXPECT_EQ(entries[0].file, ".\\test.dsp");
    EXPECT_EQ(entries[1].file, "C:\\x\\other.dsp");
}

} // namespace
} // namespace studio
