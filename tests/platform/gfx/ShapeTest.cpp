#include "platform/gfx/Painter.h"

#include "GfxTestUtil.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;
using gfxtest::ascii;
using gfxtest::inkBounds;
using gfxtest::rows;

namespace {

const Color red = Color::rgb(255, 0, 0);

Bitmap mirroredX(const Bitmap& b)
{
    Bitmap m(b.size());
    for (int32_t y = 0; y < b.height(); ++y)
        for (int32_t x = 0; x < b.width(); ++x)
            m.setPixel(b.width() - 1 - x, y, b.pixel(x, y));
    return m;
}

Bitmap mirroredY(const Bitmap& b)
{
    Bitmap m(b.size());
    for (int32_t y = 0; y < b.height(); ++y)
        for (int32_t x = 0; x < b.width(); ++x)
            m.setPixel(x, b.height() - 1 - y, b.pixel(x, y));
    return m;
}

} // namespace

TEST(Shapes, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    Bitmap b({7, 6}, colors::white);
    Painter p(b);
    p.setBrush(Brush::solid(red));
    p.rectangle({1, 1, 6, 5});
    EXPECT_EQ(ascii(b), rows({".......", ".#####.", ".#RRR#.", ".#RRR#.", ".#####.", "......."}));

    p.setPen(Pen::null());
    p.setBrush(Brush::solid(colors::black));
    p.rectangle({6, 4, 4, 2}); // given the wrong way round
    EXPECT_EQ(ascii(b), rows({".......", ".#####.", ".#RR##.", ".#RR##.", ".#####.", "......."}));
}

TEST(Shapes, InsideFramePenStaysInsideTheRectangle)
{
    Bitmap b({10, 9}, colors::white);
    Painter p(b);
    p.setBrush(Brush::solid(red));
    p.setPen(Pen{PenStyle::InsideFrame, 3, colors::black});
    p.rectangle({1, 1, 9, 8});
    EXPECT_EQ(ascii(b), rows({"..........", ".########.", ".########.", ".########.", ".###RR###.", ".########.",
                              ".########.", ".########.", ".........."}));

    Bitmap centred({10, 9}, colors::white);
    Painter q(centred);
    q.setPen(Pen::solid(colors::black, 3));
    q.rectangle({1, 1, 9, 8});
    EXPECT_EQ(inkBounds(centred, colors::white), (Rect{0, 0, 10, 9})) << "a plain wide pen straddles the outline";

    Bitmap ellipse({12, 12}, colors::white);
    Painter e(ellipse);
    e.setPen(Pen{PenStyle::InsideFrame, 3, colors::black});
    e.ellipse({1, 1, 11, 11});
    EXPECT_EQ(inkBounds(ellipse, colors::white), (Rect{1, 1, 11, 11}));
}

TEST(Shapes, EllipsesFillTheirBoxSymmetrically)
{
    for (Size s : {Size{1, 1}, Size{2, 2}, Size{5, 3}, Size{6, 6}, Size{7, 7}, Size{12, 5}, Size{3, 14}, Size{40, 40}, Size{1, 9}}) {
        Bitmap b({s.cx + 4, s.cy + 4}, colors::white);
        Painter p(b);
        p.setBrush(Brush::solid(red));
        p.ellipse(Rect::fromPointAndSize({2, 2}, s));
        EXPECT_EQ(inkBounds(b, colors::white), Rect::fromPointAndSize({2, 2}, s)) << s.cx << "x" << s.cy;
        EXPECT_EQ(b, mirroredX(b)) << s.cx << "x" << s.cy;
        EXPECT_EQ(b, mirroredY(b)) << s.cx << "x" << s.cy;
        // Each row: outline, then brush, then outline; no holes.
        for (int32_t y = 2; y < 2 + s.cy; ++y) {
            std::string row;
            for (int32_t x = 0; x < b.width(); ++x)
                row += b.pixel(x, y) == colors::white ? '.' : b.pixel(x, y) == red ? 'R' : '#';
            const size_t first = row.find_first_not_of('.'), last = row.find_last_not_of('.');
            ASSERT_NE(first, std::string::npos) << "row " << y << " of " << s.cx << "x" << s.cy;
            EXPECT_EQ(row.substr(first, last - first + 1).find('.'), std::string::npos) << row;
            EXPECT_EQ(row[first], '#') << row;
        }
    }
}

TEST(Shapes, CircleInTheCentredSquareOfAWideRectangle)
{
    // A 100 x 40 rectangle's centred square is 40 wide, starting 30 pixels in.
    Bitmap b({100, 40}, colors::white);
    Painter p(b);
    p.setBrush(Brush::null());
    p.ellipse({30, 0, 70, 40});
    EXPECT_EQ(inkBounds(b, colors::white), (Rect{30, 0, 70, 40}));
    EXPECT_EQ(b.pixel(50, 20), colors::white) << "a null brush leaves the inside alone";
}

TEST(Shapes, RoundRectanglesCutTheirCorners)
{
    Bitmap b({16, 14}, colors::white);
    Painter p(b);
    p.setBrush(Brush::solid(red));
    p.roundRect({0, 0, 16, 14}, {6, 6});
    EXPECT_EQ(inkBounds(b, colors::white), (Rect{0, 0, 16, 14}));
    EXPECT_EQ(b, mirroredX(b));
    EXPECT_EQ(b, mirroredY(b));
    const std::string picture = ascii(b);
    EXPECT_EQ(picture.substr(0, 17), "..############..\n");
    EXPECT_EQ(picture.substr(17, 17), ".#RRRRRRRRRRRR#.\n");
    EXPECT_EQ(picture.substr(34, 17), "#RRRRRRRRRRRRRR#\n");

    Bitmap square({8, 8}, colors::white), plain({8, 8}, colors::white);
    Painter(square).roundRect({1, 1, 7, 7}, {1, 1});
    Painter(plain).rectangle({1, 1, 7, 7});
    EXPECT_EQ(square, plain) << "corners too small to round give a rectangle";
}

TEST(Shapes, PolygonsFillPixelCentresInside)
{
    Bitmap b({12, 12}, colors::white);
    Painter p(b);
    p.setPen(Pen::null());
    p.setBrush(Brush::solid(colors::black));
    const Point square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    p.polygon(square);
    EXPECT_EQ(inkBounds(b, colors::white), (Rect{0, 0, 10, 10}));

    p.setPen(Pen::solid(red));
    p.setBrush(Brush::null());
    p.polygon(square);
    EXPECT_EQ(inkBounds(b, colors::white), (Rect{0, 0, 11, 11})) << "the outline runs through the corner points";
    EXPECT_EQ(b.pixel(10, 10), red);
    EXPECT_EQ(b.pixel(5, 5), colors::black);
}

TEST(Shapes, PolygonFillModesDifferOnAStar)
{
    const Point star[] = {{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}};
    for (auto [mode, centreFilled] : {std::pair{PolyFillMode::Alternate, false}, {PolyFillMode::Winding, true}}) {
        Bitmap b({41, 41}, colors::white);
        Painter p(b);
        p.setPen(Pen::null());
        p.setBrush(Brush::solid(colors::black));
        p.setPolyFillMode(mode);
        p.polygon(star);
        EXPECT_EQ(b.pixel(20, 20) == colors::black, centreFilled) << int(mode);
        EXPECT_EQ(b.pixel(20, 5), colors::black) << "a point of the star is filled either way";
    }
}

TEST(Shapes, HatchPatternsAreAlignedToTheBitmap)
{
    const struct {
        HatchStyle hatch;
        std::string picture;
    } cases[] = {
        {HatchStyle::Horizontal, rows({"########", "........", "........", "........", "........", "........", "........", "........"})},
        {HatchStyle::Vertical, rows({"#.......", "#.......", "#.......", "#.......", "#.......", "#.......", "#.......", "#......."})},
        {HatchStyle::ForwardDiagonal, rows({"#.......", ".#......", "..#.....", "...#....", "....#...", ".....#..", "......#.", ".......#"})},
        {HatchStyle::BackwardDiagonal, rows({".......#", "......#.", ".....#..", "....#...", "...#....", "..#.....", ".#......", "#......."})},
        {HatchStyle::Cross, rows({"########", "#.......", "#.......", "#.......", "#.......", "#.......", "#.......", "#......."})},
        {HatchStyle::DiagonalCross, rows({"#......#", ".#....#.", "..#..#..", "...##...", "...##...", "..#..#..", ".#....#.", "#......#"})},
    };
    for (const auto& c : cases) {
        Bitmap b({8, 8}, colors::lightGrey);
        Painter p(b);
        p.setBackgroundColor(colors::white);
        p.fillRect({0, 0, 8, 8}, Brush::hatched(c.hatch, colors::black));
        EXPECT_EQ(ascii(b), c.picture) << int(c.hatch);

        // Transparent background: the gaps keep what was there.
        Bitmap t({8, 8}, colors::lightGrey);
        Painter q(t);
        q.setBackgroundMode(BackgroundMode::Transparent);
        q.fillRect({0, 0, 8, 8}, Brush::hatched(c.hatch, colors::black));
        std::string expected = c.picture;
        std::replace(expected.begin(), expected.end(), '.', '-');
        EXPECT_EQ(ascii(t), expected) << int(c.hatch);

        // Filled in two parts and through a shifted origin, the pattern joins seamlessly.
        Bitmap parts({8, 8}, colors::lightGrey);
        Painter r(parts);
        r.setBackgroundColor(colors::white);
        r.setOrigin({3, 2});
        r.fillRect({-3, -2, 2, 6}, Brush::hatched(c.hatch, colors::black));
        r.fillRect({2, -2, 5, 6}, Brush::hatched(c.hatch, colors::black));
        EXPECT_EQ(ascii(parts), c.picture) << int(c.hatch);
    }
}

TEST(Shapes, HalftoneBrushUsesTextAndBackgroundColours)
{
    Bitmap b({4, 2}, colors::white);
    Painter p(b);
    p.setTextColor(colors::black);
    p.setBackgroundColor(colors::lightGrey);
    p.fillRect({0, 0, 4, 2}, Brush::halftone());
    EXPECT_EQ(ascii(b), rows({"#-#-", "-#-#"}));
    p.setTextColor(colors::lightGrey);
    p.fillRect({0, 0, 4, 2}, Brush::halftone());
    EXPECT_EQ(ascii(b), rows({"----", "----"}));
}

TEST(Shapes, XorFiguresTouchEachPixelOnce)
{
    const std::vector<std::pair<const char*, std::function<void(Painter&)>>> figures = {
        {"rectangle", [](Painter& p) { p.rectangle({3, 3, 30, 20}); }},
        {"wide rectangle", [](Painter& p) { p.setPen(Pen::solid(colors::white, 4)); p.rectangle({3, 3, 30, 20}); }},
        {"dotted rectangle", [](Painter& p) { p.setPen(Pen{PenStyle::Dot, 1, colors::white}); p.rectangle({3, 3, 30, 20}); }},
        {"ellipse", [](Painter& p) { p.ellipse({2, 2, 33, 31}); }},
        {"dashed ellipse", [](Painter& p) { p.setPen(Pen{PenStyle::Dash, 1, colors::white}); p.ellipse({2, 2, 33, 31}); }},
        {"wide round rect", [](Painter& p) { p.setPen(Pen::solid(colors::white, 5)); p.roundRect({4, 4, 30, 28}, {10, 14}); }},
        {"polygon", [](Painter& p) { const Point pts[] = {{1, 1}, {30, 5}, {5, 30}, {28, 28}}; p.polygon(pts); }},
    };
    for (const auto& [name, draw] : figures) {
        Bitmap b({34, 34}, colors::black);
        Painter p(b);
        p.setDrawMode(DrawMode::XorPen);
        p.setBackgroundColor(colors::white);
        p.setPen(Pen::solid(colors::white));
        p.setBrush(Brush::hatched(HatchStyle::DiagonalCross, colors::white));
        draw(p);
        EXPECT_NE(inkBounds(b, colors::black), Rect{}) << name;
        draw(p);
        EXPECT_EQ(inkBounds(b, colors::black), Rect{}) << name << " left pixels behind";
    }
}
