#include "UiTestSupport.h"

#include "platform/gfx/PngReader.h"

using namespace platform;
using uitest::DesktopFixture;

namespace {

class PaintTest : public DesktopFixture {};

constexpr uint32_t red = 0xFF0000;
constexpr uint32_t green = 0x00FF00;
constexpr uint32_t blue = 0x0000FF;

TEST_F(PaintTest, ChildrenAreClippedToTheirParentsClientArea)
{
    const WindowHandle frame = make({10, 10, 110, 110}, {}, windowStyle::Border, 0xFF000000 | red);
    make({50, 50, 200, 200}, frame, 0, 0xFF000000 | green); // runs past the parent
    desktop->update();
    EXPECT_EQ(screenPixel(10, 10), 0x000000u); // the border
    EXPECT_EQ(screenPixel(20, 20), red);
    EXPECT_EQ(screenPixel(61, 61), green);     // the child starts at 11 + 50
    EXPECT_EQ(screenPixel(108, 108), green);
    EXPECT_EQ(screenPixel(109, 109), 0x000000u); // the parent's border is not painted over
    EXPECT_EQ(screenPixel(115, 115), desktop->colors().color(SystemColor::Background).rgbBits());
}

TEST_F(PaintTest, OverlapsFollowTheZOrderAndOnlyTheInvalidAreaIsRepainted)
{
    const WindowHandle bottom = make({0, 0, 100, 100}, {}, 0, 0xFF000000 | red);
    const WindowHandle top = make({50, 50, 150, 150}, {}, 0, 0xFF000000 | green);
    desktop->update();
    EXPECT_EQ(screenPixel(75, 75), green); // the newer window is on top
    desktop->bringToTop(bottom);
    desktop->update();
    EXPECT_EQ(screenPixel(75, 75), red);

    // Changing a colour without invalidating shows nothing; invalidating a part repaints that part.
    desktop->setUserData(top, 0xFF000000 | blue);
    desktop->update();
    EXPECT_EQ(screenPixel(120, 120), green);
    desktop->invalidate(top, Rect{60, 60, 100, 100}); // client (110..150) on the screen
    desktop->update();
    EXPECT_EQ(screenPixel(120, 120), blue);
    EXPECT_EQ(screenPixel(105, 105), green);
    EXPECT_EQ(screenPixel(75, 75), red);

    // Hiding uncovers what lies below, painted as it is now.
    desktop->show(bottom, false);
    desktop->update();
    EXPECT_EQ(screenPixel(55, 55), blue);
}

TEST_F(PaintTest, SnapshotShowsACoveredWindowWhole)
{
    const WindowHandle covered = make({0, 0, 40, 30}, {}, 0, 0xFF000000 | red);
    make({0, 0, 20, 30}, {}, 0, 0xFF000000 | green);
    const Bitmap picture = desktop->snapshot(covered);
    ASSERT_EQ(picture.size(), (Size{40, 30}));
    EXPECT_EQ(picture.pixel(5, 5).rgbBits(), red);
    auto png = desktop->screenshotPng(covered);
    ASSERT_TRUE(png) << png.message();
    auto decoded = decodePng(png.value());
    ASSERT_TRUE(decoded) << decoded.message();
    EXPECT_EQ(decoded->size(), (Size{40, 30}));
    EXPECT_FALSE(desktop->screenshotPng(WindowHandle{999}));
    auto whole = desktop->screenshotPng();
    ASSERT_TRUE(whole);
    EXPECT_EQ(decodePng(whole.value())->size(), (Size{640, 480}));
}

} // namespace
