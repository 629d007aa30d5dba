#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/PainterStateSaver.h"

#include "GfxTestUtil.h"

#include <functional>
#include <gtest/gtest.h>

using namespace platform;

TEST(PainterState, RestoreBringsBackEverySavedSetting)
{
    Bitmap b({20, 20}, colors::white);
    Painter p(b);
    p.setOrigin({3, 4});
    p.setClipRect({0, 0, 10, 10});
    p.setPen(Pen{PenStyle::Dash, 1, colors::navy});
    p.setBrush(Brush::hatched(HatchStyle::Cross, colors::black));
    p.setTextColor(colors::white);
    p.setBackgroundColor(colors::darkGrey);
    p.setBackgroundMode(BackgroundMode::Transparent);
    p.setDrawMode(DrawMode::XorPen);
    p.moveTo({5, 6});
    const PainterState before = p.state();

    p.save();
    p.setOrigin({0, 0});
    p.setClipRect({1, 1, 2, 2});
    p.setPen(Pen::null());
    p.setBrush(Brush::solid(colors::white));
    p.setTextColor(colors::black);
    p.setBackgroundColor(colors::white);
    p.setBackgroundMode(BackgroundMode::Opaque);
    p.setDrawMode(DrawMode::CopyPen);
    p.moveTo({0, 0});
    EXPECT_TRUE(p.restore());

    const PainterState& after = p.state();
    EXPECT_EQ(after.origin, before.origin);
    EXPECT_EQ(after.clip, before.clip);
    EXPECT_EQ(after.pen, before.pen);
    EXPECT_EQ(after.brush, before.brush);
    EXPECT_EQ(after.textColor, before.textColor);
    EXPECT_EQ(after.backgroundColor, before.backgroundColor);
    EXPECT_EQ(after.backgroundMode, before.backgroundMode);
    EXPECT_EQ(after.drawMode, before.drawMode);
    EXPECT_EQ(after.currentPosition, before.currentPosition);
    EXPECT_FALSE(p.restore()) << "nothing left to restore";
}

TEST(PainterState, SaverRestoresAndUnwindsUnbalancedSaves)
{
    Bitmap b({8, 8}, colors::white);
    Painter p(b);
    p.setPen(Pen::solid(colors::navy));
    {
        PainterStateSaver saver(p);
        p.setPen(Pen::solid(colors::black));
        p.save();
        p.save();
        EXPECT_EQ(p.saveDepth(), 3u);
    }
    EXPECT_EQ(p.saveDepth(), 0u);
    EXPECT_EQ(p.pen().color, colors::navy);
}

TEST(PainterState, ClipNeverReachesPastTheBitmapAndFollowsTheOrigin)
{
    Bitmap b({10, 10}, colors::white);
    Painter p(b);
    p.setClipRect({-5, -5, 50, 50});
    EXPECT_EQ(p.deviceClipRect(), (Rect{0, 0, 10, 10}));
    p.setOrigin({2, 3});
    p.setClipRect({0, 0, 4, 4});
    EXPECT_EQ(p.deviceClipRect(), (Rect{2, 3, 6, 7}));
    EXPECT_EQ(p.clipRect(), (Rect{0, 0, 4, 4}));
    p.intersectClipRect({2, 2, 100, 100});
    EXPECT_EQ(p.deviceClipRect(), (Rect{4, 5, 6, 7}));

    p.resetClip();
    p.fillRect({0, 0, 1, 1}, colors::black);
    EXPECT_EQ(b.pixel(2, 3), colors::black);
    EXPECT_EQ(gfxtest::inkBounds(b, colors::white), (Rect{2, 3, 3, 4}));
}

// Every operation, fed coordinates inside, across and far outside the clip, leaves every
// pixel outside the clip as it was.
TEST(PainterState, NothingIsWrittenOutsideTheClip)
{
    Bitmap source({6, 6}, colors::navy);
    IconImage icon{Bitmap({4, 4}, colors::black), std::vector<uint8_t>(16, 1), 1, {}, false};
    const std::vector<std::pair<const char*, std::function<void(Painter&)>>> operations = {
        {"fillRect", [](Painter& p) { p.fillRect({-100, -100, 100, 100}, colors::black); }},
        {"hatch", [](Painter& p) { p.fillRect({-100, -100, 100, 100}, Brush::hatched(HatchStyle::DiagonalCross, colors::black)); }},
        {"frameRect", [](Painter& p) { p.frameRect({5, 5, 20, 15}, Brush::solid(colors::black)); }},
        {"invertRect", [](Painter& p) { p.invertRect({0, 0, 40, 40}); }},
        {"focusRect", [](Painter& p) { p.drawFocusRect({12, 12, 30, 30}); }},
        {"lines", [](Painter& p) {
             p.setPen(Pen{PenStyle::DashDot, 1, colors::black});
             p.drawLine({-50, 3}, {90, 37});
             p.drawLine({20, -2000000000}, {21, 2000000000});
             p.drawLine({INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX});
         }},
        {"wide line", [](Painter& p) {
             p.setPen(Pen::solid(colors::black, 7));
             p.drawLine({0, 20}, {40, 20});
             p.drawLine({20, 0}, {20, 40});
         }},
        {"huge pens", [](Painter& p) {
             p.setPen(Pen::solid(colors::black, INT32_MAX));
             p.drawLine({-1000000, -5}, {1000000, 50});
             p.setBrush(Brush::null());
             p.ellipse({-20000, -20000, 20000, 20000});
         }},
        {"figures", [](Painter& p) {
             p.setPen(Pen::solid(colors::black, 3));
             p.setBrush(Brush::solid(colors::darkGrey));
             p.rectangle({0, 0, 40, 40});
             p.ellipse({-10, -10, 50, 50});
             p.roundRect({5, 5, 35, 35}, {12, 12});
             const Point tri[] = {{-30, 0}, {70, 20}, {0, 60}};
             p.polygon(tri);
         }},
        {"styled figures", [](Painter& p) {
             p.setPen(Pen{PenStyle::Dot, 1, colors::black});
             p.rectangle({0, 0, 40, 40});
             p.ellipse({8, 8, 30, 30});
         }},
        {"blits", [&](Painter& p) {
             p.stretchBlt({0, 0, 40, 40}, source, {0, 0, 6, 6});
             p.bitBlt({8, 8, 30, 30}, source, {0, 0}, RasterOp::SrcInvert);
             p.transparentBlt({0, 0, 40, 40}, source, {0, 0, 3, 3}, colors::white);
             p.drawBitmap({9, 9}, source);
             p.drawIconScaled({9, 9, 40, 40}, icon);
             p.patBlt({0, 0, 40, 40}, RasterOp::PatInvert);
         }},
        {"extreme rectangles", [&](Painter& p) {
             const Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
             p.setBrush(Brush::solid(colors::black));
             p.drawEdge(huge, edge::Sunken, border::Rect | border::Middle);
             p.drawFrameControl(huge, frameControl::Button, frameControl::ButtonRadio);
             p.frameRect(huge, Brush::solid(colors::black));
             p.ellipse(huge);
             p.roundRect(huge, {INT32_MAX, INT32_MIN});
             p.rectangle(huge);
             p.stretchBlt(huge, source, huge);
             p.transparentBlt(huge, source, {0, 0, 6, 6}, colors::white);
             p.drawIconScaled(huge, icon);
             p.bitBlt(huge, source, {INT32_MIN, INT32_MAX});
             p.translate(INT32_MAX, INT32_MAX);
             p.translate(INT32_MIN, INT32_MIN);
             Rect text = huge;
             p.drawText("x", text, 0);
             p.drawText("x", text, 0x400);
             p.fillRect(huge, colors::darkGrey);
         }},
        {"edges and controls", [](Painter& p) {
             p.drawEdge({0, 0, 40, 40}, edge::Bump, border::Rect | border::Middle);
             for (uint32_t kind = 1; kind <= 4; ++kind)
                 for (uint32_t part = 0; part <= 0x10; ++part)
                     p.drawFrameControl({5, 5, 35, 35}, kind, part | frameControl::Checked);
         }},
    };
    for (const auto& [name, draw] : operations) {
        Bitmap b({40, 40}, colors::white);
        Painter p(b);
        p.setOrigin({1, 2});
        p.setClipRect({10, 10, 25, 20}); // device (11, 12)-(26, 22)
        draw(p);
        const Rect inside{11, 12, 26, 22};
        bool changedInside = false;
        for (int32_t y = 0; y < 40; ++y)
            for (int32_t x = 0; x < 40; ++x) {
                const bool in = inside.contains({x, y});
                if (!in) {
                    ASSERT_EQ(b.pixel(x, y), colors::white) << name << " wrote (" << x << ", " << y << ")";
                }
                changedInside = changedInside || (in && b.pixel(x, y) != colors::white);
            }
        EXPECT_TRUE(changedInside) << name << " drew nothing at all";
    }
}
