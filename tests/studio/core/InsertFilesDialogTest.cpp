#include "StudioFixture.h"

#include "platform/ui/Desktop.h"
#include "platform/ui/Key.h"
#include "studio/core/HeadlessIdleClock.h"
#include "studio/core/InsertFileNames.h"
#include "studio/core/StudioMainWindow.h"

#include <memory>

namespace studio {
namespace {

TEST(InsertFileNames, TypedTextIsReadAsTheFileNameBoxReadsIt)
{
    struct Case {
        std::string text;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"\"a.cpp\" \"b.h\" ", {"a.cpp", "b.h"}},
        {"\"my form.cpp\" \"my form.h\"", {"my form.cpp", "my form.h"}},
        {"  my form.cpp  ", {"my form.cpp"}}, // no quote: one name, blanks and all
        {"\"a.cpp\"b.h  c.rc", {"a.cpp", "b.h", "c.rc"}},
        {"\"\" \"  \" \"x.cpp", {"x.cpp"}}, // empty names dropped, an open quote runs to the end
        {"   ", {}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseInsertFileNames(c.text), c.names) << c.text;
}

TEST(InsertFileNames, NamesAreTakenInsideTheProjectFolder)
{
    EXPECT_EQ(ResolveInsertFileName("Z:\\p", "a.cpp"), "Z:\\p\\a.cpp");
    EXPECT_EQ(ResolveInsertFileName("Z:\\p", ".\\res\\a.rc2"), "Z:\\p\\res\\a.rc2");
    EXPECT_EQ(ResolveInsertFileName("Z:\\p", "Y:\\q\\b.h"), "Y:\\q\\b.h");
    EXPECT_EQ(ResolveInsertFileName("Z:\\p", "\\q\\b.h"), "\\q\\b.h");
    EXPECT_EQ(ResolveInsertFileName("", "b.h"), "b.h");
}

// A project with two groups open in a studio whose main frame is on a headless desktop.
class InsertFilesDialogTest : public StudioFixture {
protected:
    void SetUp() override
    {
        auto created = platform::Desktop::create();
        ASSERT_TRUE(created) << created.message();
        m_desktop = std::move(created).value();
        auto frame = StudioMainWindow::create(m_studio, *m_desktop);
        ASSERT_TRUE(frame) << frame.message();
        m_frame = std::move(frame).value();
        m_clock = std::make_unique<HeadlessIdleClock>(*m_desktop);
        m_folder.write("p/test.dsw", "Project: \"test\"=.\\test.dsp - Package Owner=<4>\r\n");
        m_folder.write("p/test.dsp", project);
        ASSERT_TRUE(m_studio.openWorkspace(Win("p/test.dsw")));
    }

    const std::string project = "# Begin Target\r\n"
                                "# Begin Group \"Source Files\"\r\n"
                                "# PROP Default_Filter \"cpp;c\"\r\n"
                                "# End Group\r\n"
                                "# Begin Group \"Header Files\"\r\n"
                                "# PROP Default_Filter \"h\"\r\n"
                                "# End Group\r\n"
                                "# End Target\r\n";
    std::unique_ptr<platform::Desktop> m_desktop;
    std::unique_ptr<StudioMainWindow> m_frame;
    std::unique_ptr<HeadlessIdleClock> m_clock;
};

TEST_F(InsertFilesDialogTest, MainWindowIsFoundByTheStudioCaption)
{
    EXPECT_EQ(m_desktop->findWindow(StudioMainWindow::className, "test - Microsoft Visual C++"), m_frame->window());
    m_studio.closeWorkspace();
    EXPECT_EQ(m_desktop->text(m_frame->window()), "Microsoft Visual C++");
    EXPECT_TRUE(m_studio.hasCommand("InsertFilesIntoProject"));
    m_frame.reset();
    EXPECT_FALSE(m_studio.hasCommand("InsertFilesIntoProject"));
}

TEST_F(InsertFilesDialogTest, ConfirmedNamesGoIntoTheirGroups)
{
    // Typed before the dialog opens: its loop hands the keys to the focused file-name box.
    m_desktop->typeText("\"my form.cpp\" my.h");
    m_desktop->injectKey(platform::key::Enter);
    EXPECT_TRUE(m_frame->insertFilesIntoProject());
    const std::string dsp = m_folder.read("p/test.dsp");
    EXPECT_LT(dsp.find("SOURCE=\".\\my form.cpp\""), dsp.find("Header Files"));
    EXPECT_GT(dsp.find("SOURCE=.\\my.h"), dsp.find("Header Files"));
    // The quoted entry is known again: inserting the file once more adds nothing.
    EXPECT_TRUE(m_studio.insertFilesIntoProject({Win("p/my form.cpp")}));
    EXPECT_EQ(m_folder.read("p/test.dsp"), dsp);
    EXPECT_EQ(m_desktop->activeWindow(), m_frame->window());
    EXPECT_TRUE(m_desktop->isEnabled(m_frame->window()));
}

TEST_F(InsertFilesDialogTest, NothingIsInsertedUnlessConfirmed)
{
    struct Case {
        const char* what;
        std::function<void(platform::Desktop&)> input;
    };
    const Case cases[] = {
        {"cancelled", [](platform::Desktop& d) { d.typeText("a.cpp"); d.injectKey(platform::key::Escape); }},
        {"confirmed empty", [](platform::Desktop& d) { d.typeText("  "); d.injectKey(platform::key::Enter); }},
        {"never answered", [](platform::Desktop&) {}},
    };
    for (const Case& c : cases) {
        c.input(*m_desktop);
        EXPECT_FALSE(m_frame->insertFilesIntoProject()) << c.what;
        EXPECT_EQ(m_folder.read("p/test.dsp"), project) << c.what;
        EXPECT_EQ(m_desktop->topLevelWindows().size(), 1u) << c.what;
    }
}

TEST_F(InsertFilesDialogTest, WithoutAProjectTheDialogEndsWithTheReason)
{
    m_studio.closeWorkspace();
    m_desktop->typeText("a.cpp");
    m_desktop->injectKey(platform::key::Enter);
    EXPECT_FALSE(m_frame->insertFilesIntoProject());
    EXPECT_EQ(m_messages.shownTexts(), std::vector<std::string>{"There is no active project to insert files into."});
}

} // namespace
} // namespace studio
