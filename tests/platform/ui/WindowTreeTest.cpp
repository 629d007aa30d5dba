#include "UiTestSupport.h"

using namespace platform;
using uitest::DesktopFixture;

namespace {

class WindowTreeTest : public DesktopFixture {};

TEST_F(WindowTreeTest, LookupByClassCaptionAndId)
{
    const WindowHandle frame = make({10, 10, 300, 200}, {}, 0, 0xFFFFFF, 0, "Main Frame");
    const WindowHandle a = make({0, 0, 50, 50}, frame, 0, 0xFFFFFF, 101, "first");
    const WindowHandle b = make({60, 0, 110, 50}, frame, 0, 0xFFFFFF, 102, "second");

    EXPECT_EQ(desktop->findWindow("plain", "Main Frame"), frame); // class names ignore case
    EXPECT_FALSE(desktop->findWindow("Plain", "main frame"));      // captions do not
    EXPECT_FALSE(desktop->findWindow("NoSuchClass"));
    EXPECT_EQ(desktop->findChild(frame, {}, "PLAIN"), a);
    EXPECT_EQ(desktop->findChild(frame, a, "Plain"), b);
    EXPECT_FALSE(desktop->findChild(frame, b, "Plain"));
    EXPECT_EQ(desktop->findChild(frame, {}, "", std::string_view("second")), b);
    EXPECT_EQ(desktop->childById(frame, 102), b);
    EXPECT_EQ(desktop->children(frame), (std::vector<WindowHandle>{a, b}));
    EXPECT_EQ(desktop->topLevelOf(b), frame);
}

TEST_F(WindowTreeTest, CoordinatesThroughFramesAndCaptions)
{
    const WindowHandle frame = make({100, 50, 400, 300}, {}, windowStyle::Caption | windowStyle::DialogFrame);
    const int32_t captionHeight = desktop->metric(SystemMetric::CaptionHeight);
    const Rect client = desktop->clientRectOnScreen(frame);
    EXPECT_EQ(client, (Rect{103, 53 + captionHeight, 397, 297}));
    const WindowHandle child = make({10, 20, 60, 70}, frame, windowStyle::Border);
    EXPECT_EQ(desktop->windowRect(child), (Rect{113, 73 + captionHeight, 163, 123 + captionHeight}));
    EXPECT_EQ(desktop->clientToScreen(child, Point{0, 0}), (Point{114, 74 + captionHeight}));
    EXPECT_EQ(desktop->screenToClient(child, Point{114, 74 + captionHeight}), (Point{0, 0}));
    EXPECT_EQ(desktop->clientRect(child), (Rect{0, 0, 48, 48}));
    EXPECT_EQ(desktop->windowFromPoint({120, 80 + captionHeight}), child);
    EXPECT_EQ(desktop->windowFromPoint({105, 55}), frame); // on the frame's caption
    EXPECT_FALSE(desktop->windowFromPoint({5, 5}));
}

TEST_F(WindowTreeTest, SubclassChainsToThePreviousProcedure)
{
    const WindowHandle w = make({0, 0, 10, 10});
    std::vector<std::string> calls;
    WindowProc original = desktop->subclass(w, {});
    EXPECT_FALSE(original); // an empty procedure is refused and nothing changes
    WindowProc first = desktop->procedure(w);
    WindowProc previous = desktop->subclass(w, [&](Desktop& d, WindowHandle h, const Message& m) -> int64_t {
        if (m.id == msg::User + 1) {
            calls.push_back("outer");
            return d.callProcedure(first, h, m) + 10;
        }
        return d.callProcedure(first, h, m);
    });
    ASSERT_TRUE(previous);
    log.clear();
    EXPECT_EQ(desktop->send(w, msg::User + 1, 7), 10);
    EXPECT_EQ(calls, std::vector<std::string>{"outer"});
    ASSERT_EQ(received(w, msg::User + 1).size(), 1u); // the original procedure saw it too
    EXPECT_EQ(received(w, msg::User + 1)[0].wParam, 7u);
    desktop->destroyWindow(w); // its procedure uses this test's locals
}

TEST_F(WindowTreeTest, DestroyTakesChildrenAndOwnedWindowsAndHandlesStayDead)
{
    const WindowHandle frame = make({0, 0, 200, 200});
    const WindowHandle child = make({0, 0, 10, 10}, frame);
    const WindowHandle owned = make({300, 0, 350, 50}, frame, windowStyle::Popup);
    EXPECT_EQ(desktop->owner(owned), frame);
    desktop->setCapture(child);
    desktop->setFocus(child);
    log.clear();
    desktop->destroyWindow(frame);
    EXPECT_FALSE(desktop->isWindow(frame));
    EXPECT_FALSE(desktop->isWindow(child));
    EXPECT_FALSE(desktop->isWindow(owned));
    EXPECT_EQ(received(frame, msg::Destroy).size(), 1u);
    EXPECT_EQ(received(child, msg::Destroy).size(), 1u);
    EXPECT_EQ(received(owned, msg::Destroy).size(), 1u);
    EXPECT_FALSE(desktop->capture());
    EXPECT_FALSE(desktop->focus());
    // Nothing answers for a dead handle, and a new window never gets its number.
    EXPECT_EQ(desktop->send(child, msg::User), 0);
    EXPECT_FALSE(desktop->post(child, msg::User));
    const WindowHandle fresh = make({0, 0, 10, 10});
    EXPECT_NE(fresh, child);
    EXPECT_NE(fresh, frame);
}

TEST_F(WindowTreeTest, DestroyingItselfInsideItsOwnProcedureIsSafe)
{
    const WindowHandle w = make({0, 0, 10, 10});
    desktop->subclass(w, [](Desktop& d, WindowHandle h, const Message& m) -> int64_t {
        if (m.id == msg::User) {
            d.destroyWindow(h);
            return d.isWindow(h) ? 1 : 2;
        }
        return d.defaultProcedure(h, m);
    });
    EXPECT_EQ(desktop->send(w, msg::User), 2);
    EXPECT_FALSE(desktop->isWindow(w));
}

TEST_F(WindowTreeTest, LastActivePopupFollowsActivation)
{
    const WindowHandle frame = make({0, 0, 200, 200});
    desktop->setActiveWindow(frame);
    EXPECT_EQ(desktop->lastActivePopup(frame), frame);
    const WindowHandle dialog = make({20, 20, 100, 100}, frame, windowStyle::Popup);
    desktop->setActiveWindow(dialog);
    EXPECT_EQ(desktop->activeWindow(), dialog);
    EXPECT_EQ(desktop->lastActivePopup(frame), dialog);
    desktop->setActiveWindow(frame);
    EXPECT_EQ(desktop->lastActivePopup(frame), dialog); // still there, still the last one
    desktop->show(dialog, false);
    EXPECT_EQ(desktop->lastActivePopup(frame), frame);
    EXPECT_EQ(received(dialog, msg::Activate).size(), 2u);
}

TEST_F(WindowTreeTest, RefusedCreationAndBadParents)
{
    ASSERT_TRUE(desktop->registerClass(WindowClass{"Refuser", [](Desktop& d, WindowHandle w, const Message& m) -> int64_t {
        return m.id == msg::Create ? -1 : d.defaultProcedure(w, m);
    }, 0, CursorShape::Arrow, std::nullopt}));
    EXPECT_FALSE(desktop->registerClass(WindowClass{"refuser", {}, 0, CursorShape::Arrow, std::nullopt}));
    CreateParams p;
    p.className = "Refuser";
    EXPECT_FALSE(desktop->createWindow(p));
    p.className = "Plain";
    p.style = windowStyle::Child;
    EXPECT_FALSE(desktop->createWindow(p)); // a child without a parent
    const WindowHandle a = make({0, 0, 50, 50});
    const WindowHandle b = make({0, 0, 10, 10}, a);
    EXPECT_FALSE(desktop->setParent(a, b)); // a top-level window is not a child
    const WindowHandle c = make({0, 0, 10, 10}, b);
    EXPECT_FALSE(desktop->setParent(b, c)); // into its own descendant
}

} // namespace
