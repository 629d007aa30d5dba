#include "ide/MorvaApp.h"

#include "platform/base/MessageService.h"
#include "sourcemodel/CProject.h"
#include "studio/core/Studio.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

TEST(MorvaApp, StartsWithTheInitialValues)
{
    MorvaApp app;
    EXPECT_EQ(MorvaApp::Current(), &app);
    EXPECT_TRUE(app.InitInstance());
    EXPECT_EQ(app.m_strRegistryKey, "Brindle");
    EXPECT_EQ(app.m_nNextControlValue, 5000);
    EXPECT_FALSE(app.m_nNextResourceValue.has_value());
    EXPECT_EQ(app.m_nTabSize, 4);
    EXPECT_EQ(app.m_nLineHeight, 20);
    EXPECT_EQ(app.m_nLeftBarWidth, 75);
    EXPECT_EQ(app.m_nRightBarWidth, 200);
    EXPECT_EQ(app.m_nSplitterSize, 6);
    EXPECT_EQ(app.m_captionFont.faceName, "Arial");
    EXPECT_EQ(app.m_captionFont.height, 14);
    EXPECT_EQ(app.m_captionFontBold.weight, 700);
    EXPECT_EQ(app.GetProject(), nullptr);
    EXPECT_EQ(app.GetIdeApp(), nullptr);
    EXPECT_EQ(app.Ide().GetIdeVersion(), "");

    // Only one application object is current at a time.
    {
        MorvaApp second;
        EXPECT_EQ(MorvaApp::Current(), &app);
    }
    EXPECT_EQ(MorvaApp::Current(), &app);
}

TEST(MorvaApp, GoesAwayCleanly)
{
    {
        MorvaApp app;
    }
    EXPECT_EQ(MorvaApp::Current(), nullptr);
}

TEST(MorvaApp, FollowsTheIdeAndItsProject)
{
    TempFolder folder;
    MorvaApp app;
    studio::Studio studio(app.Files(), app.Messages(), "5.0");
    app.SetIdeApp(&studio);
    EXPECT_EQ(app.Ide().GetIdeVersion(), "5.0");

    folder.write("app/app.dsp", "SOURCE=.\\a.cpp\r\n");
    folder.write("app/a.cpp", "//");
    auto project = std::make_unique<CProject>(app.Files(), app.Messages());
    ASSERT_TRUE(project->OpenProjectFile(app.Files().toWindowsPath(folder.host("app/app.dsp"))));
    app.m_strFormToOpen = "CForm1";
    app.SetProject(std::move(project));
    ASSERT_NE(app.GetProject(), nullptr);
    EXPECT_EQ(app.GetProject()->GetFiles().size(), 1u);
    EXPECT_EQ(app.m_strFormToOpen, "CForm1");

    app.CloseProject();
    EXPECT_EQ(app.GetProject(), nullptr);
    EXPECT_EQ(app.m_strFormToOpen, "");
}

} // namespace
} // namespace morva
