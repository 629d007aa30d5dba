#include "UiTestSupport.h"

#include "support/TempFolder.h"

#include "platform/base/FileSystem.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Key.h"
#include "platform/ui/ListBox.h"

using namespace platform;
using uitest::centre;
using uitest::DesktopFixture;
using uitest::InputScript;

namespace {

TEST(FileFilter, ParsesPairsAndMatchesWildcards)
{
    const auto filters = parseFileFilter("Pictures (*.bmp;*.ico)|*.bmp; *.ico|Empty||All Files (*.*)|*.*||");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].description, "Pictures (*.bmp;*.ico)");
    EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.bmp", "*.ico"}));
    EXPECT_EQ(filters[1].patterns, (std::vector<std::string>{"*.*"}));
    EXPECT_TRUE(parseFileFilter("").empty());
    EXPECT_TRUE(parseFileFilter("|||").empty());
    const struct {
        const char* name;
        const char* pattern;
        bool match;
    } cases[] = {
        {"Form1.CPP", "*.cpp", true}, {"form1.cpp", "form?.cpp", true}, {"form12.cpp", "form?.cpp", false},
        {"README", "*.*", true},      {"a.tar.gz", "*.gz", true},       {"a.gz.tar", "*.gz", false},
        {"abc", "a*b*c", true},       {"acb", "a*b*c", false},          {"", "*", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
}

class CommonDialogTest : public DesktopFixture {
protected:
    void SetUp() override
    {
        DesktopFixture::SetUp();
        owner = make({0, 0, 600, 400}, {}, windowStyle::Caption, 0xFFFFFFFF, 0, "Owner");
        desktop->setActiveWindow(owner);
        folder.write("pic.bmp", "x");
        folder.write("icon.ico", "x");
        folder.write("notes.txt", "x");
        folder.write("res/inner.bmp", "x");
        root = files.toWindowsPath(folder.path());
    }

    static WindowHandle dialog(Desktop& d)
    {
        WindowHandle found;
        for (WindowHandle t : d.topLevelWindows())
            if (d.className(t) == Dialog::className)
                found = t; // the topmost one
        return found;
    }
    static WindowHandle item(Desktop& d, int32_t id) { return d.childById(dialog(d), id); }
    static std::vector<std::string> listed(Desktop& d, int32_t id)
    {
        std::vector<std::string> out;
        ListBox* list = ListBox::of(d, item(d, id));
        for (int i = 0; list && i < list->count(); ++i)
            out.push_back(list->text(i));
        return out;
    }

    TempFolder folder;
    FileSystem files;
    std::string root;
    WindowHandle owner;
};

TEST_F(CommonDialogTest, FileOpenFiltersNavigatesAndReturnsTheChosenPath)
{
    std::vector<std::string> firstFiles, firstFolders, innerFiles;
    InputScript script(*desktop);
    script.then([&](Desktop& d) {
              firstFiles = listed(d, 101);
              firstFolders = listed(d, 103);
              ListBox* folders = ListBox::of(d, item(d, 103));
              const int res = folders->findStringExact("[res]");
              d.injectDoubleClick(d.clientToScreen(item(d, 103), centre(folders->itemRect(res))));
          })
        .then([&](Desktop& d) {
            innerFiles = listed(d, 101);
            d.setText(item(d, 100), "inner"); // no extension: the default one is added
            d.injectKey(key::Enter);
        });
    FileDialogOptions options;
    options.filter = "Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico||";
    options.initialFolder = root;
    options.defaultExtension = "bmp";
    const auto chosen = runFileOpenDialog(*desktop, files, owner, options);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, root + "\\res\\inner.bmp");
    EXPECT_EQ(firstFiles, std::vector<std::string>{"pic.bmp"});
    EXPECT_EQ(firstFolders, (std::vector<std::string>{"[..]", "[res]"}));
    EXPECT_EQ(innerFiles, std::vector<std::string>{"inner.bmp"});
}

TEST_F(CommonDialogTest, FileOpenRefusesAMissingFileAndSwitchesFilters)
{
    std::vector<std::string> iconFiles;
    std::string warning;
    InputScript script(*desktop);
    script.then([&](Desktop& d) {
              ComboBox* types = ComboBox::of(d, item(d, 104));
              d.setFocus(item(d, 104));
              d.injectKey(key::Down); // to "Icons"
              (void)types;
          })
        .then([&](Desktop& d) {
            iconFiles = listed(d, 101);
            d.setText(item(d, 100), "missing.ico");
            d.injectKey(key::Enter);
        })
        .then([&](Desktop& d) {
            // The warning box is up over the dialog; OK closes it, then Escape cancels.
            warning = d.text(d.childById(dialog(d), 0xFFFF));
            d.injectKey(key::Enter);
        })
        .then([&](Desktop& d) { d.injectKey(key::Escape); });
    FileDialogOptions options;
    options.filter = "Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico||";
    options.initialFolder = root;
    EXPECT_FALSE(runFileOpenDialog(*desktop, files, owner, options));
    EXPECT_EQ(iconFiles, std::vector<std::string>{"icon.ico"});
    EXPECT_EQ(warning, root + "\\missing.ico\nFile not found.\nPlease verify the correct file name was given.");
    EXPECT_EQ(script.stepsRun(), 4u);
}

TEST_F(CommonDialogTest, FolderDialogMovesIntoAFolder)
{
    InputScript script(*desktop);
    script.then([&](Desktop& d) {
              ListBox* folders = ListBox::of(d, item(d, 103));
              d.injectDoubleClick(d.clientToScreen(item(d, 103), centre(folders->itemRect(folders->findStringExact("[res]")))));
          })
        .then([](Desktop& d) { d.injectClick(centre(d.windowRect(item(d, commandIds::Ok)))); });
    const auto chosen = runFolderDialog(*desktop, files, owner, "Choose a folder", root);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, root + "\\res");
}

TEST_F(CommonDialogTest, ColorDialogTakesAPaletteColourOrTypedComponents)
{
    InputScript pick(*desktop);
    pick.then([](Desktop& d) { d.injectClick(centre(d.windowRect(item(d, 200 + 9)))); })
        .then([](Desktop& d) { d.injectKey(key::Enter); });
    EXPECT_EQ(runColorDialog(*desktop, owner, 0), basicColors()[9]);

    InputScript typed(*desktop);
    typed.then([](Desktop& d) {
        d.setText(item(d, 300), "18");
        d.setText(item(d, 302), "999"); // kept to 255
        d.injectClick(centre(d.windowRect(item(d, commandIds::Ok))));
    });
    EXPECT_EQ(runColorDialog(*desktop, owner, 0x00FF00), 0xFFFF12u);

    InputScript cancel(*desktop);
    cancel.then([](Desktop& d) { d.injectKey(key::Escape); });
    EXPECT_FALSE(runColorDialog(*desktop, owner, 0x123456));
}

TEST_F(CommonDialogTest, FontDialogReturnsTheChosenFace)
{
    InputScript script(*desktop);
    script.then([](Desktop& d) {
        ComboBox::of(d, item(d, 400))->setSelection(ComboBox::of(d, item(d, 400))->findStringExact("Arial"));
        ListBox* styles = ListBox::of(d, item(d, 401));
        d.injectClick(d.clientToScreen(item(d, 401), centre(styles->itemRect(3)))); // Bold Italic
        d.setText(item(d, 402), "12");
        d.injectClick(centre(d.windowRect(item(d, 411)))); // Underline
        d.injectKey(key::Enter);
    });
    FontDialogOptions options;
    const auto font = runFontDialog(*desktop, owner, options);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->faceName, "Arial");
    EXPECT_TRUE(font->isBold());
    EXPECT_TRUE(font->italic);
    EXPECT_TRUE(font->underline);
    EXPECT_FALSE(font->strikeOut);
    EXPECT_EQ(font->height, -16);
}

} // namespace
