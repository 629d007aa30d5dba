#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"

#include "GfxTestUtil.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

using namespace platform;
using gfxtest::inkBounds;

namespace {

const char* const msSansSerifFile = "/usr/share/wine/fonts/ms_sans_serif.ttf";
const char* const liberationSansFile = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
const Color cellColor = Color::rgb(0, 255, 0);

bool installed(const char* path)
{
    return std::filesystem::exists(path);
}

std::string fileName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

class Text : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        auto made = FontLibrary::create();
        ASSERT_TRUE(made.isOk()) << made.message();
        s_library.emplace(std::move(made.value()));
    }
    static void TearDownTestSuite() { s_library.reset(); }

    static std::shared_ptr<const Font> font(const char* face, int32_t height, int32_t weight = 0, bool italic = false)
    {
        LogFont lf;
        lf.faceName = face;
        lf.height = height;
        lf.weight = weight;
        lf.italic = italic;
        auto f = s_library->font(lf);
        EXPECT_TRUE(f.isOk()) << f.message();
        return f.isOk() ? f.value() : nullptr;
    }
    static std::shared_ptr<const Font> font(const LogFont& lf)
    {
        auto f = s_library->font(lf);
        EXPECT_TRUE(f.isOk()) << f.message();
        return f.isOk() ? f.value() : nullptr;
    }

    // The font's cell as drawn: text with an opaque background in a colour of its own.
    static Rect drawnCell(const std::shared_ptr<const Font>& f, std::string_view text, Rect r, uint32_t format,
                          int32_t* returned = nullptr)
    {
        Bitmap b({200, 80}, colors::white);
        Painter p(b);
        p.setFont(f);
        p.setBackgroundColor(cellColor);
        const int32_t h = p.drawText(text, r, format);
        if (returned)
            *returned = h;
        return inkBounds(b, colors::white);
    }

    static std::optional<FontLibrary> s_library;
};

std::optional<FontLibrary> Text::s_library;

} // namespace

TEST_F(Text, FaceNamesResolveToTheStandInFonts)
{
    if (!installed(msSansSerifFile) || !installed(liberationSansFile))
        GTEST_SKIP() << "fonts-wine or fonts-liberation is not installed";
    const FontResolver& resolver = s_library->resolver();
    const struct {
        const char* face;
        bool bold;
        const char* file;
    } cases[] = {
        {"MS Sans Serif", false, "ms_sans_serif.ttf"},
        {"  ms sans SERIF ", false, "ms_sans_serif.ttf"},
        {"MS Shell Dlg", false, "ms_sans_serif.ttf"},
        {"MS Sans Serif", true, "ms_sans_serif.ttf"}, // only one weight: drawn bold by overstriking
        {"Arial", false, "LiberationSans-Regular.ttf"},
        {"Arial", true, "LiberationSans-Bold.ttf"},
        {"", false, "DejaVuSans.ttf"},
    };
    for (const auto& c : cases) {
        auto file = resolver.resolve(c.face, c.bold);
        ASSERT_TRUE(file.isOk()) << c.face << ": " << file.message();
        EXPECT_EQ(fileName(file->path), c.file) << "'" << c.face << "'";
    }
    auto other = resolver.resolve("No Such Face At All");
    ASSERT_TRUE(other.isOk());
    EXPECT_TRUE(installed(other->path.c_str())) << "fontconfig's choice for an unknown face is a real file";

    FontResolver custom;
    custom.mapFace("Old Face", {"A Family Nobody Has", {liberationSansFile}});
    auto mapped = custom.resolve("old face");
    ASSERT_TRUE(mapped.isOk());
    EXPECT_EQ(mapped->path, liberationSansFile) << "the mapping's own files serve when fontconfig has no such family";
}

TEST_F(Text, HeightsFollowTheLogicalFontRules)
{
    if (!installed(msSansSerifFile) || !installed(liberationSansFile))
        GTEST_SKIP() << "fonts-wine or fonts-liberation is not installed";
    // Outline fonts: a positive height is the cell, a negative one the em.
    for (int32_t h : {8, 13, 20, 33}) {
        EXPECT_EQ(font("Arial", h)->metrics().height, h);
        const FontMetrics& m = font("Arial", -h)->metrics();
        EXPECT_EQ(m.height - m.internalLeading, h);
    }
    // The bitmap font: the largest of its sizes (cells 13, 16, 20) that fits, else the smallest.
    const struct {
        int32_t requested, cell;
    } strikes[] = {{-11, 13}, {13, 13}, {15, 13}, {-13, 16}, {16, 16}, {-8, 13}, {1, 13}, {200, 20}, {-16, 20}, {0, 13}};
    for (const auto& s : strikes)
        EXPECT_EQ(font("MS Sans Serif", s.requested)->metrics().height, s.cell) << s.requested;
}

TEST_F(Text, DrawingRepeatsPixelForPixelWithoutGreys)
{
    if (!installed(msSansSerifFile) || !installed(liberationSansFile))
        GTEST_SKIP() << "fonts-wine or fonts-liberation is not installed";
    auto other = FontLibrary::create();
    ASSERT_TRUE(other.isOk());
    const char* text = "The quick brown fox, 0123 \xC4\xE9\x80";
    for (LogFont lf : {LogFont{-11, 0, 0, 0, 0, false, false, false, 0, 0, 0, 0, 0, "MS Sans Serif"},
                       LogFont{-13, 0, 0, 0, 700, true, true, false, 0, 0, 0, 0, 0, "Arial"},
                       LogFont{16, 0, 0, 0, 400, false, false, true, 0, 0, 0, 0, 0, "DejaVu Sans"}}) {
        auto draw = [&](FontLibrary& library) {
            Bitmap b({220, 24}, colors::white);
            Painter p(b);
            p.setFont(library.font(lf).value());
            p.textOut({2, 3}, text);
            return b;
        };
        const Bitmap first = draw(*s_library);
        EXPECT_EQ(draw(*s_library), first) << lf.faceName;
        EXPECT_EQ(draw(other.value()), first) << lf.faceName << " from a second library";
        bool anyInk = false;
        for (uint32_t px : first.pixels()) {
            ASSERT_TRUE(px == colors::white.argb || px == colors::black.argb) << lf.faceName << " is antialiased";
            anyInk = anyInk || px == colors::black.argb;
        }
        EXPECT_TRUE(anyInk);
    }
}

TEST_F(Text, MeasurementMatchesWhatIsDrawn)
{
    if (!installed(msSansSerifFile) || !installed(liberationSansFile))
        GTEST_SKIP() << "fonts-wine or fonts-liberation is not installed";
    for (auto f : {font("MS Sans Serif", -11), font("MS Sans Serif", -11, 700), font("Arial", -12), font("Arial", 24),
                   font("DejaVu Sans", -10)}) {
        for (std::string_view text : {"Hello, World", "Wg|j", "Label1", "i"}) {
            const Size extent = f->textExtent(text);
            EXPECT_EQ(extent.cx, f->textWidth(text));
            EXPECT_EQ(extent.cy, f->metrics().height);
            // The opaque cell is exactly the measured box; the ink stays inside it.
            Bitmap b({200, 60}, colors::white);
            Painter p(b);
            p.setFont(f);
            p.setBackgroundColor(cellColor);
            p.textOut({5, 7}, text);
            EXPECT_EQ(inkBounds(b, colors::white), (Rect{5, 7, 5 + extent.cx, 7 + extent.cy})) << f->familyName() << " " << text;
            Bitmap ink({200, 60}, colors::white);
            Painter q(ink);
            q.setFont(f);
            q.setBackgroundMode(BackgroundMode::Transparent);
            q.textOut({5, 7}, text);
            const Rect r = inkBounds(ink, colors::white);
            EXPECT_GE(r.left, 5) << text;
            EXPECT_LE(r.right, 5 + extent.cx) << f->familyName() << " " << text;
            EXPECT_GE(r.right, 5 + extent.cx - 3) << f->familyName() << " " << text;
            EXPECT_GE(r.top, 7);
            EXPECT_LE(r.bottom, 7 + extent.cy);
        }
    }
}

TEST_F(Text, AlignmentPlacesTheTextCell)
{
    auto f = font("MS Sans Serif", -11);
    const int32_t w = f->textWidth("Caption"), h = f->metrics().height;
    using namespace textFormat;
    const Rect r{10, 5, 110, 45};
    const struct {
        uint32_t format;
        Rect cell;
        int32_t returned;
    } cases[] = {
        {Left | Top, {10, 5, 10 + w, 5 + h}, h},
        {Center, {(120 - w) / 2, 5, (120 - w) / 2 + w, 5 + h}, h},
        {Right, {110 - w, 5, 110, 5 + h}, h},
        {SingleLine | VCenter, {10, (50 - h) / 2, 10 + w, (50 - h) / 2 + h}, (50 - h) / 2 - 5 + h},
        {SingleLine | Bottom | Right, {110 - w, 45 - h, 110, 45}, 40},
        {VCenter, {10, 5, 10 + w, 5 + h}, h}, // vertical placement needs a single line
    };
    for (const auto& c : cases) {
        int32_t returned = 0;
        EXPECT_EQ(drawnCell(f, "Caption", r, c.format, &returned), c.cell) << c.format;
        EXPECT_EQ(returned, c.returned) << c.format;
    }
    // Clipped to the rectangle unless told not to.
    EXPECT_EQ(drawnCell(f, "Caption", {10, 5, 20, 45}, Left), (Rect{10, 5, 20, 5 + h}));
    EXPECT_EQ(drawnCell(f, "Caption", {10, 5, 20, 45}, Left | NoClip), (Rect{10, 5, 10 + w, 5 + h}));
}

TEST_F(Text, WordBreakAndLineBreaks)
{
    auto f = font("MS Sans Serif", -11);
    const int32_t h = f->metrics().height;
    using namespace textFormat;
    const struct {
        const char* text;
        int32_t width;
        uint32_t format;
        int32_t lines;
        const char* widest;
    } cases[] = {
        {"abc abc abc abc abc", f->textWidth("abc abc"), WordBreak, 3, "abc abc"},
        {"x abcdefghijklmnop y", f->textWidth("abcd"), WordBreak, 3, "abcdefghijklmnop"},
        {"abc     abc", f->textWidth("abc "), WordBreak, 2, "abc"},
        {"one\r\ntwo\nthree\rfour", 500, 0, 4, "three"},
        {"one\r\ntwo", 500, SingleLine, 1, "one\r\ntwo"},
        {"two\n\nblank lines\n", 500, WordBreak, 4, "blank lines"},
        {"", 500, WordBreak, 0, ""},
    };
    for (const auto& c : cases) {
        Bitmap b({10, 10});
        Painter p(b);
        p.setFont(f);
        Rect r{3, 4, 3 + c.width, 400};
        const int32_t returned = p.drawText(c.text, r, c.format | CalcRect);
        EXPECT_EQ(returned, c.lines * h) << c.text;
        EXPECT_EQ(r, (Rect{3, 4, 3 + f->textWidth(c.widest), 4 + c.lines * h})) << c.text;
        EXPECT_EQ(inkBounds(b, colors::black), Rect{}) << "measuring draws nothing";
    }
}

TEST_F(Text, EndEllipsisShortensLinesToFit)
{
    auto f = font("MS Sans Serif", -11);
    using namespace textFormat;
    const char* text = "A rather long caption";
    Bitmap scratch({1, 1});
    Painter measure(scratch);
    measure.setFont(f);
    Rect full{0, 0, 60, 20};
    measure.drawText(text, full, SingleLine | CalcRect);
    EXPECT_GT(full.width(), 60);
    Rect shortened{0, 0, 60, 20};
    measure.drawText(text, shortened, SingleLine | CalcRect | EndEllipsis);
    EXPECT_LE(shortened.width(), 60);

    const Rect cell = drawnCell(f, text, {0, 0, 60, 20}, SingleLine | EndEllipsis);
    EXPECT_LE(cell.width(), 60);
    EXPECT_GE(cell.width(), 60 - f->textWidth("W..."));
    // The picture ends in the three dots.
    Bitmap b({60, 20}, colors::white);
    Painter p(b);
    p.setFont(f);
    p.setBackgroundMode(BackgroundMode::Transparent);
    Rect r{0, 0, 60, 20};
    p.drawText(text, r, SingleLine | EndEllipsis);
    const int32_t dots = f->textWidth("...");
    Bitmap tail({60, 20}, colors::white);
    Painter q(tail);
    q.setFont(f);
    q.setBackgroundMode(BackgroundMode::Transparent);
    q.textOut({cell.right - dots, 0}, "...");
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = cell.right - dots; x < cell.right; ++x)
            EXPECT_EQ(b.pixel(x, y), tail.pixel(x, y)) << x << "," << y;
}

TEST_F(Text, MnemonicPrefixes)
{
    auto f = font("MS Sans Serif", -11);
    using namespace textFormat;
    auto draw = [&](std::string_view text, uint32_t format) {
        Bitmap b({80, 20}, colors::white);
        Painter p(b);
        p.setFont(f);
        Rect r{2, 2, 80, 20};
        p.drawText(text, r, format);
        return b;
    };
    const Bitmap plain = draw("File", 0);
    const Bitmap marked = draw("&File", 0);
    // Exactly the pixels under the F are added, on the underline row.
    const FontMetrics& m = f->metrics();
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 80; ++x) {
            const bool underF = y >= 2 + m.underlinePosition && y < 2 + m.underlinePosition + m.underlineThickness
                && x >= 2 && x < 2 + f->charWidth('F');
            EXPECT_EQ(marked.pixel(x, y), underF ? colors::black : plain.pixel(x, y)) << x << "," << y;
        }
    EXPECT_EQ(draw("&File", HidePrefix), plain);
    EXPECT_EQ(draw("A&&B", 0), draw("A&B", NoPrefix));
    EXPECT_NE(draw("&File", NoPrefix), marked);
    Bitmap onlyLine = draw("&File", PrefixOnly);
    EXPECT_EQ(inkBounds(onlyLine, colors::white),
              (Rect{2, 2 + m.underlinePosition, 2 + f->charWidth('F'), 2 + m.underlinePosition + m.underlineThickness}));
}

TEST_F(Text, StyleVariants)
{
    if (!installed(msSansSerifFile))
        GTEST_SKIP() << "fonts-wine is not installed";
    LogFont lf;
    lf.faceName = "MS Sans Serif";
    lf.height = -11;
    auto regular = font(lf);
    lf.weight = 700;
    auto bold = font(lf);
    EXPECT_EQ(bold->textWidth("Bold"), regular->textWidth("Bold") + 4) << "overstruck one pixel per character";

    lf.weight = 0;
    lf.underline = true;
    lf.strikeOut = true;
    auto lined = font(lf);
    Bitmap b({60, 20}, colors::white);
    Painter p(b);
    p.setFont(lined);
    p.setBackgroundMode(BackgroundMode::Transparent);
    p.textOut({0, 0}, "mm");
    const int32_t w = lined->textWidth("mm");
    for (int32_t row : {lined->metrics().underlinePosition, lined->metrics().strikeOutPosition})
        for (int32_t x = 0; x < w; ++x)
            EXPECT_EQ(b.pixel(x, row), colors::black) << "row " << row << " x " << x;
    EXPECT_EQ(font(lf), lined) << "one font object per description";
}
