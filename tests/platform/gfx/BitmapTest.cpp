#include "platform/gfx/Bitmap.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Bitmap, EmptySizesAreValidBitmaps)
{
    for (Size s : {Size{0, 0}, Size{0, 7}, Size{7, 0}}) {
        auto b = Bitmap::create(s);
        ASSERT_TRUE(b.isOk());
        EXPECT_TRUE(b->isEmpty());
        EXPECT_EQ(b->pixels().size(), 0u);
        EXPECT_EQ(b->pixel(0, 0), colors::transparent);
    }
}

TEST(Bitmap, ImpossibleSizesAreRefusedWithoutAllocating)
{
    for (Size s : {Size{-1, 5}, Size{5, -1}, Size{Bitmap::maxDimension + 1, 1}, Size{Bitmap::maxDimension, Bitmap::maxDimension}}) {
        EXPECT_FALSE(Bitmap::create(s).isOk()) << s.cx << "x" << s.cy;
        EXPECT_TRUE(Bitmap(s).isEmpty());
    }
}

TEST(Bitmap, AccessOutsideIsHarmless)
{
    Bitmap b({3, 2}, colors::white);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {INT32_MIN, INT32_MAX}}) {
        b.setPixel(x, y, colors::black);
        EXPECT_EQ(b.pixel(x, y), colors::transparent);
    }
    EXPECT_TRUE(b.row(-1).empty());
    EXPECT_TRUE(b.row(2).empty());
    for (uint32_t px : b.pixels())
        EXPECT_EQ(px, colors::white.argb);
    b.setPixel(2, 1, colors::navy);
    EXPECT_EQ(b.row(1)[2], colors::navy.argb);
}

TEST(Color, ColourReferencesKeepRedInTheLowByte)
{
    const Color c = Color::fromColorRef(8388608); // navy as the system stores it
    EXPECT_EQ(c, colors::navy);
    EXPECT_EQ(c.toColorRef(), 8388608u);
    EXPECT_EQ(Color::fromColorRef(0x0000FF).red(), 255);
}
