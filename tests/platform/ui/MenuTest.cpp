#include "UiTestSupport.h"

#include "platform/gfx/Font.h"
#include "platform/ui/Key.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuLayout.h"
#include "platform/ui/MenuTracker.h"

using namespace platform;
using uitest::centre;
using uitest::DesktopFixture;
using uitest::InputScript;

namespace {

class MenuTest : public DesktopFixture {
protected:
    void SetUp() override
    {
        DesktopFixture::SetUp();
        owner = make({0, 0, 600, 400}, {}, windowStyle::Caption, 0xFFFFFFFF, 0, "Owner");
        auto more = std::make_shared<Menu>();
        more->append("&Deep", 201);
        more->append("D&eeper", 202);
        menu = std::make_shared<Menu>();
        menu->append("&Property", 101);
        menu->append("&Event", 102, menuFlag::Grayed);
        menu->appendSeparator();
        menu->appendSubmenu("&More", more);
        menu->append("&Close", 103, menuFlag::Checked);
    }

    // The screen rectangle of an item of the open popup at one level (0 the first).
    Rect itemOnScreen(Desktop& d, size_t level, size_t index, const Menu& m)
    {
        std::vector<WindowHandle> popups;
        for (WindowHandle t : d.topLevelWindows())
            if (d.className(t) == "PopupMenu")
                popups.push_back(t);
        EXPECT_GT(popups.size(), level);
        const std::vector<Rect> items = menuLayout::popupItemRects(m, *d.defaultFont(), nullptr);
        return d.clientToScreen(popups[level], items[index]);
    }

    WindowHandle owner;
    std::shared_ptr<Menu> menu;
};

TEST_F(MenuTest, ChoiceByMouseReturnsTheCommandAndPostsItWhenAsked)
{
    InputScript script(*desktop);
    script.then([&](Desktop& d) { d.injectClick(centre(itemOnScreen(d, 0, 4, *menu))); });
    EXPECT_EQ(trackPopupMenu(*desktop, menu, {100, 100}, owner), 103);
    desktop->pumpAll();
    const auto commands = received(owner, msg::Command);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commandId(commands[0].wParam), 103);
    EXPECT_FALSE(received(owner, msg::InitMenuPopup).empty());
    // The popup is gone and the capture given back.
    EXPECT_FALSE(desktop->findWindow("PopupMenu"));
    EXPECT_FALSE(desktop->capture());
}

TEST_F(MenuTest, ChoiceByMouseInASubmenuAndGrayedItemsCannotBeChosen)
{
    InputScript script(*desktop);
    script.then([&](Desktop& d) { d.injectClick(centre(itemOnScreen(d, 0, 1, *menu))); }) // grayed: nothing
        .then([&](Desktop& d) { d.injectMouseMove(centre(itemOnScreen(d, 0, 3, *menu))); }) // opens More
        .then([&](Desktop& d) { d.injectClick(centre(itemOnScreen(d, 1, 1, *menu->item(3).submenu))); });
    EXPECT_EQ(trackPopupMenu(*desktop, menu, {100, 100}, owner, trackFlag::ReturnCommand), 202);
    EXPECT_EQ(script.stepsRun(), 3u);
    desktop->pumpAll();
    EXPECT_TRUE(received(owner, msg::Command).empty()); // only returned
}

TEST_F(MenuTest, ChoiceByKeys)
{
    const struct {
        std::vector<uint32_t> keys;
        std::string chars;
        int32_t chosen;
    } cases[] = {
        {{key::Down, key::Enter}, "", 101},
        {{key::Down, key::Down, key::Enter}, "", 0}, // the grayed item is reached but not chosen
        {{key::Up, key::Enter}, "", 103},                  // up from nothing wraps to the last item
        {{key::Down, key::Down, key::Down, key::Right, key::Down, key::Enter}, "", 202},
        {{}, "c", 103},           // a mnemonic chooses at once
        {{}, "me", 202},          // or opens its submenu, where the next one chooses
        {{key::Escape}, "", 0},
    };
    for (const auto& c : cases) {
        InputScript script(*desktop);
        script.then([&](Desktop& d) {
            for (uint32_t k : c.keys)
                d.injectKey(k);
            d.typeText(c.chars);
        });
        EXPECT_EQ(trackPopupMenu(*desktop, menu, {100, 100}, owner, trackFlag::ReturnCommand), c.chosen)
            << c.keys.size() << " " << c.chars;
        EXPECT_FALSE(desktop->findWindow("PopupMenu"));
    }
}

TEST_F(MenuTest, PressOutsideOrNoMoreInputDismisses)
{
    InputScript script(*desktop);
    script.then([](Desktop& d) { d.injectClick({590, 390}); });
    EXPECT_EQ(trackPopupMenu(*desktop, menu, {100, 100}, owner), 0);
    EXPECT_EQ(trackPopupMenu(*desktop, menu, {100, 100}, owner), 0); // the script is used up
    EXPECT_TRUE(received(owner, msg::Command).empty());
}

TEST_F(MenuTest, PopupStaysOnTheScreen)
{
    Size size;
    menuLayout::popupItemRects(*menu, *desktop->defaultFont(), &size);
    InputScript script(*desktop);
    Rect placed;
    script.then([&](Desktop& d) {
        placed = d.windowRect(d.findWindow("PopupMenu"));
        d.injectKey(key::Escape);
    });
    trackPopupMenu(*desktop, menu, {635, 475}, owner);
    EXPECT_EQ(placed, (Rect{640 - size.cx, 480 - size.cy, 640, 480}));
}

TEST_F(MenuTest, MenuBarOpensItsTitlesAndPostsTheChoice)
{
    auto bar = std::make_shared<Menu>();
    auto file = std::make_shared<Menu>();
    file->append("&Open", 301);
    auto edit = std::make_shared<Menu>();
    edit->append("&Undo", 401);
    edit->append("&Redo", 402);
    bar->appendSubmenu("&File", file);
    bar->appendSubmenu("&Edit", edit);
    desktop->setMenuBar(owner, bar);
    desktop->pumpAll();
    const Rect barRect = desktop->menuBarRect(owner).offsetBy(desktop->windowRect(owner).topLeft());
    EXPECT_EQ(desktop->clientRectOnScreen(owner).top, barRect.bottom + 1);
    const std::vector<Rect> titles = menuLayout::barTitleRects(*bar, *desktop->defaultFont(), barRect);
    // Open File by a press, move right with the keyboard into Edit, choose Redo.
    InputScript script(*desktop);
    script.then([&](Desktop& d) {
        d.injectKey(key::Right);
        d.injectKey(key::Down);
        d.injectKey(key::Enter);
    });
    desktop->injectClick(centre(titles[0]));
    desktop->pumpAll();
    auto commands = received(owner, msg::Command);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commandId(commands[0].wParam), 402);

    // From the keyboard: Alt with a title's mnemonic, and F10 for the first title.
    desktop->setActiveWindow(owner);
    InputScript keys(*desktop);
    keys.then([](Desktop& d) { d.injectKey(key::Enter); }) // Undo, highlighted on opening
        .then([](Desktop& d) { d.injectKey(key::Enter); }); // Open
    desktop->injectKeyWith(key::Alt, 'E');
    desktop->pumpAll();
    desktop->injectKey(key::F10);
    desktop->pumpAll();
    commands = received(owner, msg::Command);
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commandId(commands[1].wParam), 401);
    EXPECT_EQ(commandId(commands[2].wParam), 301);
}

} // namespace
