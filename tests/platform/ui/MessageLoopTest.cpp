#include "UiTestSupport.h"

#include "platform/ui/Key.h"

using namespace platform;
using uitest::DesktopFixture;
using uitest::InputScript;

namespace {

class MessageLoopTest : public DesktopFixture {};

TEST_F(MessageLoopTest, PostedMessagesWaitForTheLoopSentOnesDoNot)
{
    const WindowHandle w = make({0, 0, 10, 10});
    log.clear();
    EXPECT_TRUE(desktop->post(w, msg::User + 1, 1));
    desktop->send(w, msg::User + 2, 2);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].second.id, msg::User + 2);
    desktop->pumpAll();
    EXPECT_EQ(received(w, msg::User + 1).size(), 1u);
}

TEST_F(MessageLoopTest, CaptureKeepsTheDragWhenTheMouseLeavesTheWindow)
{
    const WindowHandle left = make({0, 0, 100, 100});
    const WindowHandle right = make({200, 0, 300, 100});
    desktop->subclass(left, [this](Desktop& d, WindowHandle h, const Message& m) -> int64_t {
        log.push_back({h, m});
        if (m.id == msg::LeftDown)
            d.setCapture(h);
        if (m.id == msg::LeftUp)
            d.releaseCapture();
        return d.defaultProcedure(h, m);
    });
    desktop->injectMouseDown({50, 50});
    desktop->injectMouseMove({250, 60}); // over the other window
    desktop->injectMouseUp({260, 70});
    desktop->injectMouseMove({250, 50}); // no capture any more
    log.clear();
    desktop->pumpAll();
    const auto moves = received(left, msg::MouseMove);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(unpackPoint(moves[0].lParam), (Point{250, 60})); // in left's client coordinates
    EXPECT_TRUE(moves[0].wParam & mouseKey::Left);
    ASSERT_EQ(received(left, msg::LeftUp).size(), 1u);
    EXPECT_EQ(unpackPoint(received(left, msg::LeftUp)[0].lParam), (Point{260, 70}));
    EXPECT_EQ(received(left, msg::CaptureLost).size(), 1u);
    EXPECT_EQ(received(right, msg::MouseMove).size(), 1u);
    EXPECT_TRUE(received(right, msg::LeftUp).empty());
    EXPECT_FALSE(desktop->capture());
}

TEST_F(MessageLoopTest, TimersFireOnTheVirtualClockInTimeOrder)
{
    const WindowHandle w = make({0, 0, 10, 10});
    desktop->setTimer(w, 230, 50);
    desktop->setTimer(w, 7, 120);
    log.clear();
    desktop->advanceClock(49);
    EXPECT_TRUE(received(w, msg::Timer).empty());
    desktop->advanceClock(201); // to 250: the 50 ms timer five times, the 120 ms one twice
    std::vector<uint64_t> order;
    for (const auto& m : received(w, msg::Timer))
        order.push_back(m.wParam);
    EXPECT_EQ(order, (std::vector<uint64_t>{230, 230, 7, 230, 230, 7, 230}));
    EXPECT_EQ(desktop->now(), 250u);
    EXPECT_TRUE(desktop->killTimer(w, 230));
    EXPECT_FALSE(desktop->killTimer(w, 230));
    log.clear();
    desktop->advanceClock(1000);
    EXPECT_EQ(received(w, msg::Timer).size(), 8u); // only the 120 ms one is left
    desktop->destroyWindow(w);
    desktop->advanceClock(1000); // a destroyed window's timers die with it
}

TEST_F(MessageLoopTest, NestedModalLoopRunsUntilDoneAndLeavesQuitForTheMainLoop)
{
    const WindowHandle w = make({0, 0, 10, 10});
    bool done = false;
    desktop->subclass(w, [&](Desktop& d, WindowHandle h, const Message& m) -> int64_t {
        if (m.id == msg::User)
            done = true;
        return d.defaultProcedure(h, m);
    });
    InputScript script(*desktop);
    script.then([&](Desktop& d) { d.post(w, msg::User); });
    EXPECT_TRUE(desktop->runModal([&] { return done; }));
    EXPECT_EQ(desktop->modalDepth(), 0);

    // Quit ends the nested loop and reaches the outer one.
    script.then([&](Desktop& d) { d.postQuit(3); });
    done = false;
    EXPECT_FALSE(desktop->runModal([&] { return done; }));
    EXPECT_EQ(desktop->run(), 3);
    // With no more input coming the loop gives up instead of hanging.
    EXPECT_FALSE(desktop->runModal([] { return false; }));
    desktop->destroyWindow(w); // its procedure uses this test's locals
}

TEST_F(MessageLoopTest, SecondQuickPressIsADoubleClickOnlyForClassesThatAskForIt)
{
    ASSERT_TRUE(desktop->registerClass(WindowClass{"Single", [this](Desktop& d, WindowHandle w, const Message& m) -> int64_t {
        log.push_back({w, m});
        return d.defaultProcedure(w, m);
    }, 0, CursorShape::Arrow, std::nullopt}));
    const WindowHandle twice = make({0, 0, 100, 100});
    CreateParams p;
    p.className = "Single";
    p.style = windowStyle::Visible;
    p.rect = {200, 0, 300, 100};
    const WindowHandle once = desktop->createWindow(p).value();
    desktop->injectDoubleClick({50, 50});
    desktop->injectDoubleClick({250, 50});
    desktop->pumpAll();
    EXPECT_EQ(received(twice, msg::LeftDown).size(), 1u);
    EXPECT_EQ(received(twice, msg::LeftDoubleClick).size(), 1u);
    EXPECT_EQ(received(once, msg::LeftDown).size(), 2u);
    EXPECT_TRUE(received(once, msg::LeftDoubleClick).empty());
    // After the double-click interval two presses are two presses.
    log.clear();
    desktop->injectClick({50, 50});
    desktop->pumpAll();
    desktop->advanceClock(Desktop::doubleClickTime + 1);
    desktop->injectClick({50, 50});
    desktop->pumpAll();
    EXPECT_EQ(received(twice, msg::LeftDown).size(), 2u);
}

TEST_F(MessageLoopTest, KeysGoToTheFocusAndFocusChangesAreAnnounced)
{
    const WindowHandle frame = make({0, 0, 200, 200});
    const WindowHandle a = make({0, 0, 50, 50}, frame);
    const WindowHandle b = make({60, 0, 110, 50}, frame);
    desktop->setFocus(a);
    EXPECT_EQ(desktop->activeWindow(), frame);
    log.clear();
    desktop->setFocus(b);
    ASSERT_EQ(received(a, msg::KillFocus).size(), 1u);
    EXPECT_EQ(received(a, msg::KillFocus)[0].wParam, b.value);
    EXPECT_EQ(received(b, msg::SetFocus)[0].wParam, a.value);
    desktop->typeText("Hi");
    desktop->pumpAll();
    std::string typed;
    for (const auto& m : received(b, msg::Char))
        typed += char(m.wParam);
    EXPECT_EQ(typed, "Hi");
    ASSERT_FALSE(received(b, msg::KeyDown).empty());
    EXPECT_EQ(received(b, msg::KeyDown)[0].wParam, key::Shift);
    // A disabled window and everything in it take no mouse input.
    desktop->enable(frame, false);
    log.clear();
    desktop->injectClick({70, 10});
    desktop->pumpAll();
    EXPECT_TRUE(received(b, msg::LeftDown).empty());
}

TEST_F(MessageLoopTest, DraggingTheCaptionMovesTheWindowAndEscapePutsItBack)
{
    const WindowHandle w = make({100, 100, 300, 250}, {}, windowStyle::Caption | windowStyle::DialogFrame);
    const Point onCaption{150, 108};
    desktop->injectMouseDown(onCaption);
    desktop->injectMouseMove({190, 148});
    desktop->injectMouseUp({200, 158});
    desktop->pumpAll();
    EXPECT_EQ(desktop->windowRect(w), (Rect{150, 150, 350, 300}));
    EXPECT_FALSE(desktop->capture());
    InputScript script(*desktop);
    script.then([](Desktop& d) { d.injectKey(key::Escape); });
    desktop->injectMouseDown({200, 158});
    desktop->injectMouseMove({10, 10});
    desktop->pumpAll();
    EXPECT_EQ(desktop->windowRect(w), (Rect{150, 150, 350, 300}));
    desktop->injectMouseUp({10, 10});
    desktop->pumpAll();
    EXPECT_TRUE(received(w, msg::LeftDown).empty()); // the frame's press is the kernel's
}

} // namespace
