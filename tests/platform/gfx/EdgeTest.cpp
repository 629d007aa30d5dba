#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/Painter.h"

#include "GfxTestUtil.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace platform;
using gfxtest::ascii;
using gfxtest::inkBounds;
using gfxtest::rows;

namespace {

// '.' highlight (white), '-' face and light, 'g' shadow, '#' dark shadow, 'R' untouched.
const Color untouched = Color::rgb(255, 0, 0);

std::string edgePicture(Size size, uint32_t kind, uint32_t flags, Rect* inside = nullptr)
{
    Bitmap b(size, untouched);
    Painter p(b);
    const Rect r = p.drawEdge({0, 0, size.cx, size.cy}, kind, flags);
    if (inside)
        *inside = r;
    return ascii(b);
}

Bitmap control(Size size, uint32_t kind, uint32_t state, bool* known = nullptr)
{
    Bitmap b(size, untouched);
    Painter p(b);
    const bool ok = p.drawFrameControl({0, 0, size.cx, size.cy}, kind, state);
    if (known)
        *known = ok;
    return b;
}

} // namespace

TEST(Edges, TheFourKindsInTheClassicColours)
{
    const struct {
        const char* name;
        uint32_t kind, flags;
        std::string picture;
    } cases[] = {
        {"raised", edge::Raised, border::Rect | border::Middle, rows({"-----#", "-...g#", "-.--g#", "-gggg#", "######"})},
        {"sunken", edge::Sunken, border::Rect | border::Middle, rows({"ggggg.", "g###-.", "g#---.", "g----.", "......"})},
        {"etched", edge::Etched, border::Rect | border::Middle, rows({"ggggg.", "g...g.", "g.--g.", "ggggg.", "......"})},
        {"bump", edge::Bump, border::Rect | border::Middle, rows({"-----#", "-###-#", "-#---#", "-----#", "######"})},
        {"soft raised", edge::Raised, border::Rect | border::Middle | border::Soft, rows({".....#", ".---g#", ".---g#", ".gggg#", "######"})},
        {"flat", edge::Sunken, border::Rect | border::Flat, rows({"gggggg", "g----g", "g-RR-g", "g----g", "gggggg"})},
        {"mono", edge::Sunken, border::Rect | border::Mono, rows({"######", "#....#", "#.RR.#", "#....#", "######"})},
        {"outer only", edge::RaisedOuter, border::Rect, rows({"-----#", "-RRRR#", "-RRRR#", "-RRRR#", "######"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(edgePicture({6, 5}, c.kind, c.flags), c.picture) << c.name;
}

TEST(Edges, SideFlagsDrawOnlyThoseSides)
{
    const struct {
        uint32_t flags;
        std::string picture;
        Rect inside;
    } cases[] = {
        {border::TopLeft, rows({"-----", "-....", "-.RRR", "-.RRR"}), {2, 2, 5, 4}},
        {border::BottomRight, rows({"RRRg#", "RRRg#", "gggg#", "#####"}), {0, 0, 3, 2}},
        {border::Top, rows({"-----", ".....", "RRRRR", "RRRRR"}), {0, 2, 5, 4}},
        {border::Left | border::Right, rows({"-.Rg#", "-.Rg#", "-.Rg#", "-.Rg#"}), {2, 0, 3, 4}},
        {border::Rect, rows({"----#", "-..g#", "-ggg#", "#####"}), {2, 2, 3, 2}},
    };
    for (const auto& c : cases) {
        Rect inside;
        EXPECT_EQ(edgePicture({5, 4}, edge::Raised, c.flags, &inside), c.picture) << c.flags;
        EXPECT_EQ(inside, c.inside) << c.flags;
    }
}

TEST(Edges, EdgesFollowTheSystemColourTable)
{
    SystemColors scheme;
    scheme.setColor(SystemColor::ButtonShadow, Color::rgb(0, 0, 255));
    Bitmap b({4, 4}, untouched);
    Painter p(b, scheme);
    p.drawEdge({0, 0, 4, 4}, edge::SunkenOuter, border::Rect);
    EXPECT_EQ(b.pixel(0, 0), Color::rgb(0, 0, 255));
}

TEST(FrameControls, PushButtonsRiseAndSink)
{
    const Bitmap up = control({8, 6}, frameControl::Button, frameControl::ButtonPush);
    const Bitmap down = control({8, 6}, frameControl::Button, frameControl::ButtonPush | frameControl::Pushed);
    EXPECT_EQ(up.pixel(0, 0), colors::white);
    EXPECT_EQ(up.pixel(7, 5), colors::black);
    EXPECT_EQ(down.pixel(0, 0), colors::black);
    EXPECT_EQ(down.pixel(7, 5), colors::white);
    EXPECT_EQ(up.pixel(3, 3), colors::lightGrey);
    EXPECT_EQ(down.pixel(3, 3), colors::lightGrey);
    EXPECT_EQ(control({8, 6}, frameControl::Button, frameControl::ButtonPush | frameControl::Checked), down);
}

TEST(FrameControls, CheckBoxMarksItsStateInsideTheBox)
{
    const Bitmap unchecked = control({13, 13}, frameControl::Button, frameControl::ButtonCheck);
    const Bitmap checked = control({13, 13}, frameControl::Button, frameControl::ButtonCheck | frameControl::Checked);
    const Bitmap inactive = control({13, 13}, frameControl::Button, frameControl::ButtonCheck | frameControl::Inactive);
    EXPECT_EQ(ascii(unchecked).substr(0, 28), "gggggggggggg.\ng##########-.\n");
    for (int32_t y = 2; y < 11; ++y)
        for (int32_t x = 2; x < 11; ++x) {
            EXPECT_EQ(unchecked.pixel(x, y), colors::white);
            EXPECT_EQ(inactive.pixel(x, y), colors::lightGrey);
        }
    // Only the tick differs, and it lies inside the box's white area.
    for (int32_t y = 0; y < 13; ++y)
        for (int32_t x = 0; x < 13; ++x)
            if (checked.pixel(x, y) != unchecked.pixel(x, y)) {
                EXPECT_TRUE((Rect{2, 2, 11, 11}).contains({x, y})) << x << "," << y;
            }
    Bitmap interior({9, 9});
    for (int32_t y = 0; y < 9; ++y)
        for (int32_t x = 0; x < 9; ++x)
            interior.setPixel(x, y, checked.pixel(x + 2, y + 2));
    EXPECT_EQ(inkBounds(interior, colors::white), (Rect{1, 1, 8, 8}));
}

TEST(FrameControls, RadioButtonsAreRoundAndDotted)
{
    const Bitmap off = control({12, 12}, frameControl::Button, frameControl::ButtonRadio);
    const Bitmap on = control({12, 12}, frameControl::Button, frameControl::ButtonRadio | frameControl::Checked);
    EXPECT_EQ(off.pixel(0, 0), untouched) << "corners stay as they were";
    EXPECT_EQ(off.pixel(11, 11), untouched);
    EXPECT_EQ(off.pixel(0, 5), colors::darkGrey) << "lit from the top left";
    EXPECT_EQ(off.pixel(11, 6), colors::white);
    EXPECT_EQ(off.pixel(5, 5), colors::white);
    EXPECT_EQ(on.pixel(5, 5), colors::black);
    EXPECT_EQ(on.pixel(6, 6), colors::black);
    const Bitmap mask = control({12, 12}, frameControl::Button, frameControl::ButtonRadioMask);
    EXPECT_EQ(mask.pixel(0, 0), colors::white);
    EXPECT_EQ(mask.pixel(6, 6), colors::black);
}

TEST(FrameControls, GlyphsOfCaptionsAndScrollArrows)
{
    // Each caption part has its own glyph; pressing moves it one pixel down and right.
    std::vector<Bitmap> captions;
    for (uint32_t part : {frameControl::CaptionClose, frameControl::CaptionMin, frameControl::CaptionMax,
                          frameControl::CaptionRestore, frameControl::CaptionHelp}) {
        captions.push_back(control({16, 14}, frameControl::Caption, part));
        const Bitmap pressed = control({16, 14}, frameControl::Caption, part | frameControl::Pushed);
        Bitmap upGlyph = captions.back(), downGlyph = pressed;
        // Compare the glyph alone: black pixels away from the frame's dark edge.
        auto glyphBox = [](const Bitmap& b) {
            Rect r{99, 99, -1, -1};
            for (int32_t y = 2; y < 12; ++y)
                for (int32_t x = 2; x < 14; ++x)
                    if (b.pixel(x, y) == colors::black)
                        r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
            return r;
        };
        EXPECT_EQ(glyphBox(downGlyph), glyphBox(upGlyph).offsetBy(1, 1)) << part;
    }
    for (size_t i = 0; i < captions.size(); ++i)
        for (size_t j = i + 1; j < captions.size(); ++j)
            EXPECT_NE(captions[i], captions[j]) << i << " and " << j;

    auto arrowInk = [](uint32_t part) {
        const Bitmap b = control({16, 16}, frameControl::Scroll, part);
        std::vector<Point> ink;
        for (int32_t y = 2; y < 14; ++y)
            for (int32_t x = 2; x < 14; ++x)
                if (b.pixel(x, y) == colors::black)
                    ink.push_back({x, y});
        return ink;
    };
    const auto up = arrowInk(frameControl::ScrollUp), down = arrowInk(frameControl::ScrollDown);
    const auto left = arrowInk(frameControl::ScrollLeft), right = arrowInk(frameControl::ScrollRight);
    ASSERT_EQ(up.size(), 16u) << "a triangle of 7 + 5 + 3 + 1 pixels";
    EXPECT_EQ(down.size(), up.size());
    EXPECT_EQ(left.size(), up.size());
    EXPECT_EQ(right.size(), up.size());
    // Left is up turned on its side.
    for (Point p : up)
        EXPECT_NE(std::find(left.begin(), left.end(), Point{p.y, p.x}), left.end());
    EXPECT_EQ(control({16, 16}, frameControl::Scroll, frameControl::ScrollComboBox),
              control({16, 16}, frameControl::Scroll, frameControl::ScrollDown));
}

TEST(FrameControls, UnknownKindsAndPartsDrawNothing)
{
    for (auto [kind, part] : {std::pair{0u, 0u}, {5u, 0u}, {frameControl::Caption, 9u}, {frameControl::Scroll, 4u},
                              {frameControl::Button, 0x20u}, {frameControl::Menu, 7u}}) {
        bool known = true;
        const Bitmap b = control({10, 10}, kind, part, &known);
        EXPECT_FALSE(known) << kind << "/" << part;
        EXPECT_EQ(inkBounds(b, untouched), Rect{}) << kind << "/" << part;
    }
}
