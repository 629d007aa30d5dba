#include "ide/InsertFilesIntoIdeProject.h"

#include "codegen/GenerateProject.h"
#include "codegen/NewProjectSettings.h"
#include "ide/IdeAutomation.h"
#include "ide/IdeMainWindow.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Key.h"
#include "studio/core/HeadlessIdleClock.h"
#include "studio/core/InsertFilesDialog.h"
#include "studio/core/Studio.h"
#include "studio/core/StudioMainWindow.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

// A generated project open in a studio whose main frame is on a headless desktop, with two
// new files beside it that the project does not list yet.
struct InsertRoute {
    bool prepare()
    {
        NewProjectSettings s;
        s.location = Win("test");
        s.projectName = "test";
        s.className = "CForm1";
        s.headerFile = "form1.h";
        s.implFile = "form1.cpp";
        s.ideVersion = "6.0";
        if (!GenerateProject(s, {m_files, m_messages}) || !m_studio.openWorkspace(Win("test\\test.dsw")))
            return false;
        auto created = platform::Desktop::create();
        if (!created)
            return false;
        m_desktop = std::move(created).value();
        auto frame = studio::StudioMainWindow::create(m_studio, *m_desktop);
        if (!frame)
            return false;
        m_frame = std::move(frame).value();
        m_clock = std::make_unique<studio::HeadlessIdleClock>(*m_desktop);
        m_folder.write("test/form2.cpp", "#include \"stdafx.h\"\r\n");
        m_folder.write("test/my form2.h", "#pragma once\r\n");
        m_newFiles = {Win("test\\form2.cpp"), Win("test\\my form2.h")};
        m_projectBefore = m_folder.read("test/test.dsp");
        return true;
    }

    std::string Win(const std::string& relative) const { return m_files.toWindowsPath(m_folder.host(relative)); }
    IdeFileInserter inserter() { return MakeIdeFileInserter(*m_desktop, m_ide, m_messages, m_insertTimer); }
    bool timerLeftRunning() { return m_desktop->killTimer(m_frame->window(), InsertFilesIntoIdeProject::timerId); }

    TempFolder m_folder;
    platform::FileSystem m_files;
    platform::MessageService m_messages;
    studio::Studio m_studio{m_files, m_messages};
    IdeAutomation m_ide{&m_studio, m_files};
    std::unique_ptr<platform::Desktop> m_desktop;
    std::unique_ptr<studio::StudioMainWindow> m_frame;
    std::unique_ptr<studio::HeadlessIdleClock> m_clock;
    std::vector<std::string> m_newFiles;
    std::string m_projectBefore;
    int m_insertTimer = 0;
};

class InsertFilesIntoIdeProjectTest : public ::testing::Test, protected InsertRoute {
protected:
    void SetUp() override { ASSERT_TRUE(prepare()); }
};

TEST_F(InsertFilesIntoIdeProjectTest, TheIdeDialogInsertsTheFilesIntoTheirGroups)
{
    ASSERT_EQ(FindIdeMainWindow(*m_desktop, m_ide.GetIdeVersion()), m_frame->window());
    EXPECT_TRUE(inserter()(m_newFiles));
    const std::string dsp = m_folder.read("test/test.dsp");
    const size_t headers = dsp.find("# Begin Group \"Header Files\"");
    const size_t source = dsp.find("SOURCE=.\\form2.cpp\r\n");
    const size_t header = dsp.find("SOURCE=\".\\my form2.h\"\r\n");
    ASSERT_NE(source, std::string::npos) << dsp;
    ASSERT_NE(header, std::string::npos) << dsp;
    EXPECT_LT(source, headers);
    EXPECT_GT(header, headers);
    EXPECT_LT(header, dsp.find("# End Group", headers));

    EXPECT_EQ(m_insertTimer, 0);
    EXPECT_FALSE(timerLeftRunning());
    EXPECT_FALSE(m_messages.isWaiting());
    EXPECT_EQ(m_desktop->topLevelWindows().size(), 1u);
    EXPECT_EQ(m_messages.shownTexts(), std::vector<std::string>{});
    // The main window's own procedure is back: another insertion runs the same way.
    m_folder.write("test/form3.cpp", "");
    EXPECT_TRUE(inserter()({Win("test\\form3.cpp")}));
    EXPECT_NE(m_folder.read("test/test.dsp").find("SOURCE=.\\form3.cpp\r\n"), std::string::npos);
}

// Another dialog over the main window; its file-name box must stay as it was.
void RunOtherDialog(InsertRoute& route)
{
    platform::Desktop& desktop = *route.m_desktop;
    const platform::WindowHandle owner = route.m_frame->window();
    route.m_studio.setNamedCommand("InsertFilesIntoProject", [&desktop, owner] {
        platform::DialogTemplate other = studio::InsertFilesDialog::dialogTemplate();
        other.caption = "Insert Files";
        std::string typed = "untouched";
        const auto ended = platform::Dialog::runModal(
            desktop, other, owner, [&](platform::Dialog& d, const platform::Message& m) -> std::optional<int64_t> {
                if (m.id == platform::msg::Destroy)
                    typed = d.itemText(studio::InsertFilesDialog::fileNameId);
                return std::nullopt;
            });
        EXPECT_TRUE(ended);
        EXPECT_EQ(typed, "");
        return true;
    });
}

TEST(InsertFilesIntoIdeProject, NothingIsInsertedUnlessTheIdeDialogTakesTheNames)
{
    struct Obstacle {
        const char* what;
        std::function<void(InsertRoute&)> arrange;
    };
    const Obstacle obstacles[] = {
        {"the command opens nothing",
         [](InsertRoute& r) { r.m_studio.setNamedCommand("InsertFilesIntoProject", [] { return true; }); }},
        {"another dialog is up", RunOtherDialog},
        {"the dialog is cancelled before the tick", [](InsertRoute& r) { r.m_desktop->injectKey(platform::key::Escape); }},
        {"the project file is gone", [](InsertRoute& r) { EXPECT_TRUE(r.m_files.removeFile(r.Win("test\\test.dsp"))); }},
        {"there is no IDE main window", [](InsertRoute& r) { r.m_frame.reset(); }},
    };
    for (const Obstacle& o : obstacles) {
        InsertRoute r;
        ASSERT_TRUE(r.prepare()) << o.what;
        o.arrange(r);
        EXPECT_FALSE(r.inserter()(r.m_newFiles)) << o.what;
        EXPECT_EQ(r.m_insertTimer, 0) << o.what;
        EXPECT_FALSE(r.m_frame && r.timerLeftRunning()) << o.what;
        EXPECT_FALSE(r.m_messages.isWaiting()) << o.what;
        if (r.m_files.exists(r.Win("test\\test.dsp"))) {
            EXPECT_EQ(r.m_folder.read("test/test.dsp"), r.m_projectBefore) << o.what;
        }
    }
}

TEST(InsertFilesIntoIdeProjectText, EachNameLosesItsFolderAndIsQuoted)
{
    EXPECT_EQ(InsertFilesIntoIdeProject::FileNameText({"Z:\\p\\a.cpp", "Z:\\p\\my form.h", "plain.rc"}),
              "\"a.cpp\" \"my form.h\" \"plain.rc\" ");
}

} // namespace
} // namespace morva
