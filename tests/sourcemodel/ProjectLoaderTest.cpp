#include "sourcemodel/ProjectLoader.h"

#include "catalogue/ControlTypes.h"
#include "model/CControlItem.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CParseProgressDlg.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/IProgressDialogHost.h"
#include "sourcemodel/IProjectLoadSteps.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

// Records the steps in order; gives every form a few controls the way creation lines would.
class RecordingSteps : public IProjectLoadSteps {
public:
    std::vector<std::string> calls;

    void LoadToolboxControls(CProject&) override { calls.push_back("toolbox"); }
    void ApplyFormPropertyString(CProject&, CClassItem& form) override { calls.push_back("props " + form.m_strName); }
    void RetrieveControls(CProject&, CClassItem& form) override
    {
        calls.push_back("controls " + form.m_strName);
        for (int32_t type : {kTypeTextBox, kTypeLine, kTypeLabel, kTypeShape, kTypeImage}) {
            auto item = std::make_unique<CControlItem>(kKindIntrinsic, type);
            item->m_strMemberName = "m_" + std::to_string(type);
            CControlItem& added = form.AppendItem(std::move(item));
            added.BuildPropertyList();
            if (type == kTypeTextBox)
                added.SetPropertyValue("LinkMode", "1");
        }
    }
    void RemoveUnusedToolboxControls(CProject&) override { calls.push_back("unused toolbox"); }
    void ReadMenus(CProject&) override { calls.push_back("menus"); }
    void RefreshViews(CProject&) override { calls.push_back("views"); }
    void StartLink(CProject&, CControlItem& item) override { calls.push_back("link " + item.m_strMemberName); }
    void ReadCounters(CProject&) override { calls.push_back("counters"); }
    void OpenStartupForm(CProject&) override { calls.push_back("startup"); }
};

// Records what the dialog showed; presses Cancel at the given pump.
class RecordingHost : public HeadlessProgressHost {
public:
    int cancelAtPump = -1;
    int pumps = 0;
    std::vector<std::string> statuses;
    std::vector<std::string> percents;

    void ProcessPendingMessages(CParseProgressDlg& dialog) override
    {
        if (pumps++ == cancelAtPump)
            dialog.OnCancel();
    }
    void ControlChanged(CParseProgressDlg& dialog, int id) override
    {
        if (id == CParseProgressDlg::IDC_STATUS)
            statuses.push_back(dialog.GetStatus());
        if (id == CParseProgressDlg::IDC_PERCENT)
            percents.push_back(dialog.GetPercentText());
    }
};

class ProjectLoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder.write("app/forms.h", "class CBaseForm : public CXForm\r\n{\r\n};\r\n"
                                      "class CMain : public CBaseForm\r\n{\r\n};\r\n"
                                      "class CAbout : public CDialog\r\n{\r\n};\r\n"
                                      "class CPlain\r\n{\r\n};\r\n");
        std::string dsp = "SOURCE=.\\forms.h\r\n";
        for (int i = 1; i <= 8; ++i) {
            const std::string name = "form" + std::to_string(i) + ".cpp";
            m_folder.write("app/" + name, "int f" + std::to_string(i) + "() { return 0; }\r\n");
            dsp += "SOURCE=.\\" + name + "\r\n";
        }
        m_folder.write("app/app.dsp", dsp);
    }

    std::string Win(const std::string& relative) const { return m_files.toWindowsPath(m_folder.host(relative)); }
    std::vector<std::string> MemberOrder(const CClassItem& form) const
    {
        std::vector<std::string> order;
        for (const auto& item : form.GetItems())
            order.push_back(item->IsFormItem() ? "form" : item->m_strMemberName);
        return order;
    }

    TempFolder m_folder;
    platform::FileSystem m_files;
    platform::MessageService m_messages;
    CProject m_project{m_files, m_messages};
    CClassParser m_parser{m_project, m_files, m_messages};
    RecordingSteps m_steps;
    RecordingHost m_host;
    ProjectLoader m_loader{m_project, m_parser, m_steps, m_files};
};

TEST_F(ProjectLoaderTest, OpeningParsesEveryFileThenBuildsTheForms)
{
    ASSERT_TRUE(m_loader.Open(Win("app/app.dsp"), m_host));
    EXPECT_TRUE(m_project.m_bFinished);
    EXPECT_EQ(m_project.m_nNextFile, 9);
    // The statuses shown: the first empty, then each file before it is parsed.
    ASSERT_GE(m_host.statuses.size(), 3u);
    EXPECT_EQ(m_host.statuses[1], "Getting class info of forms.h\r\n8 file(s) left to be parsed");
    EXPECT_EQ(m_host.statuses[2], "Getting class info of form1.cpp\r\n7 file(s) left to be parsed");
    EXPECT_EQ(m_host.percents.front(), "10%");
    EXPECT_EQ(m_host.percents.back(), "100%");
    EXPECT_TRUE(m_host.IsOwnerEnabled());

    // CMain derives from a project class that derives from the form class, so both are forms;
    // the dialog class is a window class only, the plain class neither.
    EXPECT_EQ(m_steps.calls, (std::vector<std::string>{"toolbox", "props CBaseForm", "props CMain",
                                                        "controls CBaseForm", "controls CMain", "unused toolbox",
                                                        "menus", "views", "link m_103", "link m_103", "counters",
                                                        "startup"}));
    const CClassItem* main = m_project.FindClass("CMain");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->m_bIsForm);
    EXPECT_EQ(main->m_strRootBase, "CXForm");
    // The class's own item first; Line, Shape and Image moved ahead of the other controls.
    EXPECT_EQ(MemberOrder(*main), (std::vector<std::string>{"m_114", "m_113", "m_115", "form", "m_103", "m_102"}));
    const CClassItem* about = m_project.FindClass("CAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->m_bIsWindowClass);
    EXPECT_FALSE(about->m_bIsForm);
    EXPECT_NE(about->GetFormItem(), nullptr);
    const CClassItem* plain = m_project.FindClass("CPlain");
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->m_bIsWindowClass || plain->m_bIsForm);
    EXPECT_EQ(plain->GetFormItem(), nullptr);
    EXPECT_EQ(m_project.GetTemporaryFolder(), Win("app") + "\\KoxTemp");
    EXPECT_TRUE(m_files.isDirectory(m_project.GetTemporaryFolder()));
}

TEST_F(ProjectLoaderTest, CancelStopsParsingAndLeavesTheFormsUnbuilt)
{
    m_host.cancelAtPump = 4; // during the third file's turn
    ASSERT_TRUE(m_loader.Open(Win("app/app.dsp"), m_host));
    EXPECT_FALSE(m_project.m_bFinished);
    EXPECT_LT(m_project.m_nNextFile, 9);
    EXPECT_EQ(m_steps.calls, (std::vector<std::string>{"toolbox", "counters", "startup"}));
    EXPECT_TRUE(m_host.IsOwnerEnabled());
}

TEST_F(ProjectLoaderTest, AnEmptyProjectFinishesOnTheFirstCallAndAMissingOneIsNotOpened)
{
    m_folder.write("empty/empty.dsp", "# no sources\r\n");
    ASSERT_TRUE(m_loader.Open(Win("empty/empty.dsp"), m_host));
    EXPECT_TRUE(m_project.m_bFinished);
    EXPECT_EQ(m_loader.ParseNextFile(), 0);

    CProject other(m_files, m_messages);
    CClassParser parser(other, m_files, m_messages);
    RecordingSteps steps;
    ProjectLoader loader(other, parser, steps, m_files);
    EXPECT_FALSE(loader.Open(Win("nowhere/none.dsp"), m_host));
    EXPECT_TRUE(steps.calls.empty());
    EXPECT_EQ(loader.ParseNextFile(), 0); // not active
}

TEST(ParseProgressDlgTest, PercentageTexts)
{
    struct Case {
        int position, lower, upper;
        const char* text;
    };
    for (const Case& c : {Case{0, 0, 10, "0%"}, Case{5, 0, 10, "50%"}, Case{10, 0, 10, "100%"},
                          Case{11, 0, 10, "10%"}, Case{20, 0, 10, "0%"}, Case{3, 0, 0, "0%"}}) {
        EXPECT_EQ(CParseProgressDlg::PercentText(c.position, c.lower, c.upper), c.text) << c.position << "/" << c.upper;
    }
}

TEST(ParseProgressDlgTest, OwnerIsDisabledWhileShownAndCancelIsReportedOnce)
{
    struct FailingHost : HeadlessProgressHost {
        bool ShowDialog(CParseProgressDlg&) override { return false; }
    } failing;
    CParseProgressDlg unshown(failing);
    EXPECT_FALSE(unshown.Create());
    EXPECT_TRUE(failing.IsOwnerEnabled());

    HeadlessProgressHost host;
    {
        CParseProgressDlg dialog(host, CParseProgressDlg::kReadingCaption);
        EXPECT_EQ(dialog.GetPercentText(), " 0 %");
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.GetCaption(), "Reading project info");
        EXPECT_FALSE(host.IsOwnerEnabled());
        dialog.OnCancel();
        EXPECT_TRUE(dialog.CheckCancel());
        EXPECT_FALSE(dialog.CheckCancel());
    }
    EXPECT_TRUE(host.IsOwnerEnabled());
}

} // namespace
} // namespace morva
