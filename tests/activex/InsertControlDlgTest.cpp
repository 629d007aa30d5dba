#include "ActiveXTestSupport.h"

#include "activex/CInsertActiveXControlDlg.h"

using namespace morva;

namespace {

struct DialogWorld {
    axtest::World world;
    CodegenContext context{world.fs, world.messages};
    CActiveXWrapperGenerator generator{context, [](const std::string&) { return false; }};
    COCXInfo project{world.services};
    std::vector<std::vector<std::string>> inserted;

    DialogWorld()
    {
        EXPECT_TRUE(world.fs.makeFolder("C:\\Proj").isOk());
        project.SetProjectFile("C:\\Proj\\Demo.dsp");
    }
    CInsertActiveXControlDlg Dialog(const std::string& projectFile = "C:\\Proj\\Demo.dsp")
    {
        return CInsertActiveXControlDlg(project, projectFile, generator,
                                        [this](const std::vector<std::string>& files) { inserted.push_back(files); });
    }
};

int RowOf(const CInsertActiveXControlDlg& dialog, const std::string& name)
{
    for (size_t i = 0; i < dialog.Rows().size(); ++i)
        if (dialog.Rows()[i] == name)
            return int(i);
    return -1;
}

} // namespace

TEST(InsertControlDialog, OkAddsTheControlGeneratesItsWrapperAndInsertsTheFiles)
{
    DialogWorld w;
    CInsertActiveXControlDlg dialog = w.Dialog();
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.Rows().size(), 6u);
    dialog.SetSelection(RowOf(dialog, "Morva Gauge"));
    CToolControlEntry* added = dialog.OnOK();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(dialog.GetState(), CInsertActiveXControlDlg::State::ClosedOk);
    EXPECT_EQ(w.project.GetCount(), 1u);
    EXPECT_TRUE(w.world.fs.exists("C:\\Proj\\Demo.dat"));
    ASSERT_EQ(w.inserted.size(), 1u);
    EXPECT_EQ(w.inserted[0].back(), "C:\\Proj\\Gauge.cpp");
    EXPECT_TRUE(w.world.messages.shownTexts().empty());
}

TEST(InsertControlDialog, OkWithoutSelectionOrProjectFolderOrBitmap)
{
    DialogWorld w;
    CInsertActiveXControlDlg none = w.Dialog();
    none.OnInitDialog();
    EXPECT_EQ(none.OnOK(), nullptr);
    EXPECT_TRUE(w.world.messages.shownTexts().empty());

    CInsertActiveXControlDlg missing = w.Dialog("C:\\Gone\\Demo.dsp");
    missing.OnInitDialog();
    missing.SetSelection(0);
    EXPECT_EQ(missing.OnOK(), nullptr);
    EXPECT_EQ(w.world.messages.shownTexts(), (std::vector<std::string>{"Directory C:\\Gone does not exist"}));

    w.world.messages.clearShown();
    CInsertActiveXControlDlg locked = w.Dialog();
    locked.OnInitDialog();
    locked.SetSelection(RowOf(locked, "Morva Locked Gauge"));
    EXPECT_EQ(locked.OnOK(), nullptr);
    EXPECT_EQ(w.world.messages.shownTexts(), (std::vector<std::string>{std::string(COCXInfo::kRegistryError)}));
    EXPECT_TRUE(w.inserted.empty());
    EXPECT_EQ(w.project.GetCount(), 0u);
}
