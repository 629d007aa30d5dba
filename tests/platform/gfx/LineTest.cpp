#include "platform/gfx/Painter.h"

#include "GfxTestUtil.h"

#include <gtest/gtest.h>

using namespace platform;
using gfxtest::ascii;

namespace {

// One row of a 40-pixel horizontal line drawn from x = 0 to 40 over grey.
std::string styledRow(PenStyle style, BackgroundMode mode)
{
    Bitmap b({41, 1}, colors::lightGrey);
    Painter p(b);
    p.setPen(Pen{style, 1, colors::black});
    p.setBackgroundMode(mode);
    p.setBackgroundColor(colors::white);
    p.drawLine({0, 0}, {40, 0});
    std::string s = ascii(b);
    s.pop_back();
    return s;
}

} // namespace

TEST(Lines, EachPenStyleDrawsItsPattern)
{
    const struct {
        PenStyle style;
        const char* opaque;
        const char* transparent;
    } cases[] = {
        {PenStyle::Solid, "########################################-", "########################################-"},
        {PenStyle::InsideFrame, "########################################-", "########################################-"},
        {PenStyle::Null, "-----------------------------------------", "-----------------------------------------"},
        {PenStyle::Dash, "##################......################-", "##################------################-"},
        {PenStyle::Dot, "###...###...###...###...###...###...###.-", "###---###---###---###---###---###---###--"},
        {PenStyle::DashDot, "#########......###......#########......#-", "#########------###------#########------#-"},
        {PenStyle::DashDotDot, "#########...###...###...#########...###.-", "#########---###---###---#########---###--"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(styledRow(c.style, BackgroundMode::Opaque), c.opaque) << int(c.style);
        EXPECT_EQ(styledRow(c.style, BackgroundMode::Transparent), c.transparent) << int(c.style);
    }
}

TEST(Lines, StepsLikeBresenhamAndLeaveOutTheEndPoint)
{
    const struct {
        Point from, to;
        std::string picture;
    } cases[] = {
        {{0, 0}, {6, 2}, gfxtest::rows({"##.....", "..###..", ".....#.", "......."})},
        {{6, 3}, {0, 0}, gfxtest::rows({".#.....", "..##...", "....##.", "......#"})},
        {{1, 0}, {1, 3}, gfxtest::rows({".#.....", ".#.....", ".#.....", "......."})},
        {{0, 0}, {3, 3}, gfxtest::rows({"#......", ".#.....", "..#....", "......."})},
        {{2, 2}, {2, 2}, gfxtest::rows({".......", ".......", ".......", "......."})},
    };
    for (const auto& c : cases) {
        Bitmap b({7, 4}, colors::white);
        Painter p(b);
        p.drawLine(c.from, c.to);
        EXPECT_EQ(ascii(b), c.picture) << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
    }
}

TEST(Lines, ClippingKeepsThePixelsAndTheDashPhase)
{
    // A dashed slanted line drawn whole, and drawn again through a small clip: inside the clip
    // the pixels must agree exactly.
    auto draw = [](Bitmap& b, const Rect* clip) {
        Painter p(b);
        if (clip)
            p.setClipRect(*clip);
        p.setPen(Pen{PenStyle::DashDotDot, 1, colors::black});
        p.drawLine({-37, -11}, {173, 61});
    };
    Bitmap whole({120, 50}, colors::white), clipped({120, 50}, colors::white);
    const Rect clip{40, 10, 77, 31};
    draw(whole, nullptr);
    draw(clipped, &clip);
    for (int32_t y = 0; y < 50; ++y)
        for (int32_t x = 0; x < 120; ++x)
            ASSERT_EQ(clipped.pixel(x, y), clip.contains({x, y}) ? whole.pixel(x, y) : colors::white) << x << "," << y;
}

TEST(Lines, HugeCoordinatesAreSafeAndCheap)
{
    Bitmap b({16, 16}, colors::white);
    Painter p(b);
    p.setOrigin({INT32_MAX, INT32_MIN});
    p.drawLine({INT32_MIN, INT32_MAX}, {INT32_MAX, INT32_MIN}); // ~2^33 pixels long, all clipped away
    p.setOrigin({0, 0});
    p.drawLine({-2000000000, 8}, {2000000000, 8});
    for (int32_t x = 0; x < 16; ++x)
        EXPECT_EQ(b.pixel(x, 8), colors::black);
    EXPECT_EQ(gfxtest::inkBounds(b, colors::white), (Rect{0, 8, 16, 9}));
}

TEST(Lines, DashPhaseRunsOnAcrossJoinedLines)
{
    Bitmap joined({41, 1}, colors::white), single({41, 1}, colors::white);
    {
        Painter p(joined);
        p.setPen(Pen{PenStyle::DashDot, 1, colors::black});
        p.setBackgroundMode(BackgroundMode::Transparent);
        p.moveTo({0, 0});
        p.lineTo({7, 0});
        p.lineTo({20, 0});
        p.lineTo({40, 0});
    }
    {
        Painter p(single);
        p.setPen(Pen{PenStyle::DashDot, 1, colors::black});
        p.setBackgroundMode(BackgroundMode::Transparent);
        p.drawLine({0, 0}, {40, 0});
    }
    EXPECT_EQ(ascii(joined), ascii(single));
}

TEST(Lines, WidePensAreRoundAndBrokenStylesDrawSolid)
{
    Bitmap b({9, 7}, colors::white);
    Painter p(b);
    p.setPen(Pen{PenStyle::Dash, 3, colors::black});
    p.drawLine({2, 3}, {6, 3});
    EXPECT_EQ(ascii(b), gfxtest::rows({".........", ".........", ".#######.", ".#######.", ".#######.", ".........", "........."}));

    Bitmap round({7, 7}, colors::white);
    Painter q(round);
    q.setPen(Pen::solid(colors::black, 5));
    q.drawLine({3, 3}, {3, 3});
    EXPECT_EQ(ascii(round), gfxtest::rows({".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."}));
}

TEST(Lines, XorStrokesTouchEachPixelOnceSoTwiceRestores)
{
    // A self-crossing wide polyline: overlapping pen tips must not cancel each other out.
    Bitmap b({30, 30}, colors::white);
    const Bitmap before = b;
    Painter p(b);
    p.setDrawMode(DrawMode::XorPen);
    p.setPen(Pen::solid(colors::white, 4));
    const Point path[] = {{2, 2}, {27, 27}, {27, 2}, {2, 27}, {15, 1}};
    p.polyline(path);
    const Bitmap once = b;
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 30; ++x)
            ASSERT_TRUE(once.pixel(x, y) == colors::white || once.pixel(x, y) == colors::black);
    EXPECT_NE(gfxtest::inkBounds(once, colors::white), Rect{});
    p.polyline(path);
    EXPECT_EQ(b, before);
}
