#include "platform/gfx/Painter.h"

#include "GfxTestUtil.h"

#include <gtest/gtest.h>

using namespace platform;
using gfxtest::ascii;
using gfxtest::rows;

namespace {

constexpr uint32_t pen = 0x0F00F0, dst = 0x3355CC;

} // namespace

TEST(Raster, TheSixteenDrawModes)
{
    const struct {
        int mode;
        uint32_t result;
    } cases[] = {
        {1, 0x000000},                      // black
        {2, ~(pen | dst) & 0xFFFFFF},       // not merge pen
        {3, ~pen & dst & 0xFFFFFF},         // mask not pen
        {4, ~pen & 0xFFFFFF},               // not copy pen
        {5, pen & ~dst & 0xFFFFFF},         // mask pen not
        {6, ~dst & 0xFFFFFF},               // invert
        {7, pen ^ dst},                     // xor pen
        {8, ~(pen & dst) & 0xFFFFFF},       // not mask pen
        {9, pen & dst},                     // mask pen
        {10, ~(pen ^ dst) & 0xFFFFFF},      // not xor pen
        {11, dst},                          // nop
        {12, (~pen | dst) & 0xFFFFFF},      // merge not pen
        {13, pen},                          // copy pen
        {14, (pen | ~dst) & 0xFFFFFF},      // merge pen not
        {15, pen | dst},                    // merge pen
        {16, 0xFFFFFF},                     // white
    };
    for (const auto& c : cases) {
        // Through a line (the pen) and through a figure's inside (the brush).
        Bitmap b({3, 3}, Color(0xFF000000 | dst));
        Painter p(b);
        p.setDrawMode(DrawMode(c.mode));
        p.setPen(Pen::solid(Color(0xFF000000 | pen)));
        p.drawLine({0, 0}, {3, 0});
        p.setPen(Pen::null());
        p.setBrush(Brush::solid(Color(0xFF000000 | pen)));
        p.rectangle({0, 2, 3, 3});
        EXPECT_EQ(b.pixel(1, 0), Color(0xFF000000 | c.result)) << "mode " << c.mode;
        EXPECT_EQ(b.pixel(1, 2), Color(0xFF000000 | c.result)) << "mode " << c.mode;
        EXPECT_EQ(b.pixel(1, 1), Color(0xFF000000 | dst)) << "mode " << c.mode;
    }
}

TEST(Raster, BitmapCopiesCombineSourcePatternAndDestination)
{
    constexpr uint32_t src = 0x00FF0F, pattern = 0x5A5A5A;
    const struct {
        RasterOp op;
        uint32_t result;
    } cases[] = {
        {RasterOp::SrcCopy, src},
        {RasterOp::SrcInvert, src ^ dst},
        {RasterOp::SrcAnd, src & dst},
        {RasterOp::SrcPaint, src | dst},
        {RasterOp::NotSrcCopy, ~src & 0xFFFFFF},
        {RasterOp::SrcErase, src & ~dst & 0xFFFFFF},
        {RasterOp::MergeCopy, src & pattern},
        {RasterOp::MergePaint, (~src | dst) & 0xFFFFFF},
        {RasterOp::PatCopy, pattern},
        {RasterOp::PatInvert, pattern ^ dst},
        {RasterOp::DstInvert, ~dst & 0xFFFFFF},
        {RasterOp::Blackness, 0},
        {RasterOp::Whiteness, 0xFFFFFF},
    };
    const Bitmap source({2, 2}, Color(0xFF000000 | src));
    for (const auto& c : cases) {
        Bitmap b({4, 4}, Color(0xFF000000 | dst));
        Painter p(b);
        p.setBrush(Brush::solid(Color(0xFF000000 | pattern)));
        p.bitBlt({1, 1, 3, 3}, source, {0, 0}, c.op);
        EXPECT_EQ(b.pixel(2, 2), Color(0xFF000000 | c.result)) << std::hex << uint32_t(c.op);
        EXPECT_EQ(b.pixel(0, 0), Color(0xFF000000 | dst));
        EXPECT_EQ(b.pixel(3, 3), Color(0xFF000000 | dst));
    }
}

TEST(Raster, CopiesAreClippedToTheSourceAndSurviveOverlap)
{
    Bitmap src({2, 2}, colors::black);
    Bitmap b({5, 3}, colors::white);
    Painter p(b);
    p.bitBlt({0, 0, 5, 3}, src, {-1, 0}); // only source columns 0 and 1 exist
    EXPECT_EQ(ascii(b), rows({".##..", ".##..", "....."}));

    // Moving a picture onto itself, overlapping.
    Bitmap strip({6, 1}, colors::white);
    strip.setPixel(0, 0, colors::black);
    strip.setPixel(1, 0, colors::navy);
    Painter s(strip);
    s.bitBlt({1, 0, 6, 1}, strip, {0, 0});
    EXPECT_EQ(ascii(strip), rows({"##n..."}));
}

TEST(Raster, StretchingPicksNearestPixelsAndMirrors)
{
    Bitmap src({2, 2}, colors::white);
    src.setPixel(0, 0, colors::black);
    src.setPixel(1, 1, colors::navy);
    Bitmap b({4, 4}, colors::lightGrey);
    Painter p(b);
    p.stretchBlt({0, 0, 4, 4}, src, {0, 0, 2, 2});
    EXPECT_EQ(ascii(b), rows({"##..", "##..", "..nn", "..nn"}));
    p.stretchBlt({4, 0, 0, 4}, src, {0, 0, 2, 2}); // negative width: mirrored
    EXPECT_EQ(ascii(b), rows({"..##", "..##", "nn..", "nn.."}));
    p.stretchBlt({0, 0, 3, 1}, src, {0, 0, 2, 2}); // shrinking
    EXPECT_EQ(ascii(b).substr(0, 5), ".nn#\n");
}

TEST(Raster, TransparentCopySkipsTheKeyColour)
{
    Bitmap src({3, 1}, Color::rgb(255, 0, 255));
    src.setPixel(1, 0, colors::black);
    Bitmap b({3, 1}, colors::white);
    Painter p(b);
    p.transparentBlt({0, 0, 3, 1}, src, {0, 0, 3, 1}, Color::rgb(255, 0, 255));
    EXPECT_EQ(ascii(b), rows({".#."}));
}

TEST(Raster, InvertingTwiceRestores)
{
    Bitmap b({12, 9}, colors::white);
    for (int32_t x = 0; x < 12; ++x)
        b.setPixel(x, x % 9, colors::navy);
    const Bitmap before = b;
    Painter p(b);
    p.invertRect({2, 1, 9, 7});
    EXPECT_EQ(b.pixel(4, 3), colors::black);
    EXPECT_EQ(b.pixel(2, 2), Color::rgb(255, 255, 127));
    p.invertRect({2, 1, 9, 7});
    EXPECT_EQ(b, before);

    p.setBrush(Brush::hatched(HatchStyle::Cross, colors::white));
    p.patBlt({0, 0, 12, 9}, RasterOp::PatInvert);
    EXPECT_NE(b, before);
    p.patBlt({0, 0, 12, 9}, RasterOp::PatInvert);
    EXPECT_EQ(b, before);
}

TEST(Raster, FocusRectangleIsDottedAndRemovesItself)
{
    Bitmap b({6, 5}, colors::white);
    Painter p(b);
    p.drawFocusRect({0, 0, 6, 5});
    EXPECT_EQ(ascii(b), rows({"#.#.#.", ".....#", "#.....", ".....#", "#.#.#."}));
    p.drawFocusRect({0, 0, 6, 5});
    EXPECT_EQ(ascii(b), rows({"......", "......", "......", "......", "......"}));
}

TEST(Raster, BlendingAndIconMasks)
{
    Bitmap src({2, 1}, Color::rgb(0, 0, 0, 0));
    src.setPixel(1, 0, Color::rgb(0, 0, 0, 128));
    Bitmap b({2, 1}, colors::white);
    Painter p(b);
    p.drawBitmap({0, 0}, src);
    EXPECT_EQ(b.pixel(0, 0), colors::white);
    EXPECT_EQ(b.pixel(1, 0), Color::rgb(127, 127, 127));

    // Mask 0: the icon's colour; mask 1 and black: the screen; mask 1 and white: the screen inverted.
    IconImage icon;
    icon.image = Bitmap({3, 1});
    icon.image.setPixel(0, 0, Color::rgb(255, 0, 0));
    icon.image.setPixel(1, 0, Color::rgb(0, 0, 0, 0));
    icon.image.setPixel(2, 0, Color::rgb(255, 255, 255, 0));
    icon.mask = {0, 1, 1};
    Bitmap screen({3, 1}, colors::navy);
    Painter s(screen);
    s.drawIcon({0, 0}, icon);
    EXPECT_EQ(screen.pixel(0, 0), Color::rgb(255, 0, 0));
    EXPECT_EQ(screen.pixel(1, 0), colors::navy);
    EXPECT_EQ(screen.pixel(2, 0), Color::rgb(255, 255, 127));
}
