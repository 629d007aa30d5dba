#include "platform/gfx/BmpDecoder.h"

#include "BmpBuilder.h"
#include "GfxTestUtil.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace platform;
using gfxtest::BmpBuilder;

namespace {

constexpr uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, white = 0xFFFFFF, black = 0x000000,
                   yellow = 0xFFFF00;
// The test picture, top row first.
const std::vector<std::vector<uint32_t>> picture = {{red, green, blue}, {white, black, yellow}};
const std::vector<uint32_t> palette = {black, white, red, green, blue, yellow};

uint32_t indexOf(uint32_t rgb)
{
    return uint32_t(std::find(palette.begin(), palette.end(), rgb) - palette.begin());
}

enum class Layout { Indexed, Rgb555, Rgb565, Rgb24, Xrgb32, Argb32Fields };

// Pixel bytes of one row in the given layout, padded to 4 bytes.
std::vector<uint8_t> encodeRow(const std::vector<uint32_t>& row, uint16_t bitCount, Layout layout)
{
    BmpBuilder b;
    auto c5 = [](uint32_t v) { return (v >> 3) & 0x1F; };
    auto c6 = [](uint32_t v) { return (v >> 2) & 0x3F; };
    if (layout == Layout::Indexed) {
        uint32_t acc = 0;
        int bits = 0;
        for (uint32_t px : row) {
            acc = (acc << bitCount) | indexOf(px);
            bits += bitCount;
            if (bits == 8) {
                b.u8(uint8_t(acc));
                acc = 0;
                bits = 0;
            }
        }
        if (bits)
            b.u8(uint8_t(acc << (8 - bits)));
    }
    for (uint32_t px : row) {
        const uint32_t r = px >> 16, g = (px >> 8) & 0xFF, bl = px & 0xFF;
        switch (layout) {
        case Layout::Rgb555: b.u16(uint16_t((c5(r) << 10) | (c5(g) << 5) | c5(bl))); break;
        case Layout::Rgb565: b.u16(uint16_t((c5(r) << 11) | (c6(g) << 5) | c5(bl))); break;
        case Layout::Rgb24: b.u8(uint8_t(bl)), b.u8(uint8_t(g)), b.u8(uint8_t(r)); break;
        case Layout::Xrgb32: b.u32(px | 0x12000000); break; // junk in the fourth byte
        case Layout::Argb32Fields: b.u32((px << 8) | 0x80); break; // RRGGBBAA
        case Layout::Indexed: break;
        }
    }
    b.pad4();
    return b.data();
}

std::vector<uint8_t> makeBmp(uint16_t bitCount, Layout layout, bool topDown, bool core = false, bool withFileHeader = true)
{
    const int32_t w = 3, h = 2;
    BmpBuilder b;
    if (withFileHeader)
        b.fileHeader();
    const bool indexed = layout == Layout::Indexed;
    if (core) {
        b.coreHeader(w, h, bitCount);
    } else {
        uint32_t compression = 0;
        if (layout == Layout::Rgb565 || layout == Layout::Argb32Fields)
            compression = 3;
        b.infoHeader(w, topDown ? -h : h, bitCount, compression, indexed && bitCount == 8 ? uint32_t(palette.size()) : 0);
        if (layout == Layout::Rgb565) {
            b.u32(0xF800), b.u32(0x07E0), b.u32(0x001F);
        } else if (layout == Layout::Argb32Fields) {
            b.u32(0xFF000000), b.u32(0x00FF0000), b.u32(0x0000FF00);
        }
    }
    if (indexed) {
        const size_t entries = (!core && bitCount == 8) ? palette.size() : size_t(1) << bitCount;
        for (size_t i = 0; i < entries; ++i) {
            const uint32_t c = i < palette.size() ? palette[i] : 0x123456;
            if (core)
                b.u8(uint8_t(c)), b.u8(uint8_t(c >> 8)), b.u8(uint8_t(c >> 16));
            else
                b.rgbQuad(c);
        }
    }
    if (withFileHeader)
        b.pixelsStartHere();
    for (int32_t i = 0; i < h; ++i)
        b.bytes(encodeRow(picture[size_t(topDown ? i : h - 1 - i)], bitCount, layout));
    return b.data();
}

std::string describe(const Bitmap& bm)
{
    std::string s;
    for (int32_t y = 0; y < bm.height(); ++y)
        for (int32_t x = 0; x < bm.width(); ++x) {
            char buf[12];
            snprintf(buf, sizeof buf, "%08X ", bm.pixel(x, y).argb);
            s += buf;
        }
    return s;
}

Bitmap expectedPicture()
{
    Bitmap b({3, 2});
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 3; ++x)
            b.setPixel(x, y, Color(0xFF000000 | picture[size_t(y)][size_t(x)]));
    return b;
}

} // namespace

TEST(BmpDecoder, EveryDepthAndRowOrder)
{
    const struct {
        const char* name;
        uint16_t bitCount;
        Layout layout;
        bool core;
    } cases[] = {
        {"4-bit", 4, Layout::Indexed, false},   {"8-bit", 8, Layout::Indexed, false},
        {"16-bit 5-5-5", 16, Layout::Rgb555, false}, {"16-bit 5-6-5 masks", 16, Layout::Rgb565, false},
        {"24-bit", 24, Layout::Rgb24, false},   {"32-bit", 32, Layout::Xrgb32, false},
        {"32-bit masks", 32, Layout::Argb32Fields, false},
        {"core 8-bit", 8, Layout::Indexed, true}, {"core 24-bit", 24, Layout::Rgb24, true},
    };
    const Bitmap expected = expectedPicture();
    for (const auto& c : cases) {
        for (bool topDown : {false, true}) {
            if (c.core && topDown)
                continue; // the core header has no sign to say so
            auto decoded = decodeBmp(makeBmp(c.bitCount, c.layout, topDown, c.core));
            ASSERT_TRUE(decoded.isOk()) << c.name << ": " << decoded.message();
            EXPECT_EQ(describe(decoded.value()), describe(expected)) << c.name << (topDown ? " top-down" : "");
        }
    }
    // A packed bitmap, as resources hold them, has no file header.
    auto packed = decodeDib(makeBmp(8, Layout::Indexed, false, false, false));
    ASSERT_TRUE(packed.isOk()) << packed.message();
    EXPECT_EQ(packed.value(), expected);
}

TEST(BmpDecoder, OneBitImages)
{
    BmpBuilder b;
    b.fileHeader();
    b.infoHeader(10, 2, 1);
    b.rgbQuad(0x000080);
    b.rgbQuad(0xFFFFFF);
    b.pixelsStartHere();
    b.u32(0x0000C0AA); // bottom row, bytes AA C0: bits 1010101011
    b.u32(0x00000F00); // top row, bytes 00 0F: bits 0000000000
    auto decoded = decodeBmp(b.data());
    ASSERT_TRUE(decoded.isOk()) << decoded.message();
    EXPECT_EQ(gfxtest::ascii(decoded.value()), gfxtest::rows({"nnnnnnnnnn", ".n.n.n.n.."}));
}

TEST(BmpDecoder, RunLengthCodingWithMovesAndLineEnds)
{
    // 8 bits: a run, a literal run of three (padded), end of line, a move of (+2, +1), a run,
    // end of line, a full run, end of bitmap. Pixels nobody wrote are transparent.
    BmpBuilder b;
    b.fileHeader();
    b.infoHeader(6, 4, 8, 1, 4);
    for (uint32_t c : {black, white, red, green})
        b.rgbQuad(c);
    b.pixelsStartHere();
    b.bytes({3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 0, 6, 2, 0, 1});
    auto decoded = decodeBmp(b.data());
    ASSERT_TRUE(decoded.isOk()) << decoded.message();
    gfxtest::Legend legend = gfxtest::defaultLegend();
    const std::string drawn = gfxtest::ascii(decoded.value(), legend);
    EXPECT_EQ(drawn, gfxtest::rows({"RRRRRR", "##GG##", "######", "...RG."})) << "(transparent black shows as '#')";
    EXPECT_EQ(decoded->pixel(0, 1).alpha(), 0);
    EXPECT_EQ(decoded->pixel(2, 1).alpha(), 255);

    // 4 bits: nibbles alternate within a run, and literal runs pack two pixels a byte.
    BmpBuilder four;
    four.fileHeader();
    four.infoHeader(8, 1, 4, 2, 6);
    for (uint32_t c : palette)
        four.rgbQuad(c);
    four.pixelsStartHere();
    four.bytes({5, 0x23, 0, 3, 0x45, 0x10, 0, 1});
    auto decoded4 = decodeBmp(four.data());
    ASSERT_TRUE(decoded4.isOk()) << decoded4.message();
    legend[0xFFFF00] = 'Y';
    EXPECT_EQ(gfxtest::ascii(decoded4.value(), legend), gfxtest::rows({"RGRGRBY."}));
}

TEST(BmpDecoder, DamagedFilesAreRefused)
{
    const std::vector<uint8_t> good = makeBmp(24, Layout::Rgb24, false);
    auto edit = [&](size_t at, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> d = good;
        std::copy(bytes.begin(), bytes.end(), d.begin() + long(at));
        return d;
    };
    auto le32 = [](uint32_t v) { return std::vector<uint8_t>{uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; };
    const struct {
        const char* name;
        std::vector<uint8_t> data;
    } cases[] = {
        {"empty", {}},
        {"not a bitmap", {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0}},
        {"header size 0", edit(14, le32(0))},
        {"header size 20", edit(14, le32(20))},
        {"header larger than the file", edit(14, le32(900))},
        {"zero width", edit(18, le32(0))},
        {"negative width", edit(18, le32(uint32_t(-3)))},
        {"impossible height", edit(22, le32(0x80000000))},
        {"too wide", edit(18, le32(40000))},
        {"wide with too little data", edit(18, le32(30000))},
        {"odd depth", edit(28, {7, 0})},
        {"jpeg inside", edit(30, le32(4))},
        {"run-length with 24 bits", edit(30, le32(1))},
        {"pixels outside", edit(10, le32(5000))},
        {"cut short", std::vector<uint8_t>(good.begin(), good.end() - 8)},
    };
    for (const auto& c : cases) {
        auto decoded = decodeBmp(c.data);
        EXPECT_FALSE(decoded.isOk()) << c.name;
        EXPECT_FALSE(decoded.status().message().empty()) << c.name;
    }
    // A huge height with little data is refused before anything large is allocated.
    EXPECT_FALSE(decodeBmp(edit(22, le32(30000))).isOk());
    // Every prefix of a file: an error or a picture, nothing else.
    const std::vector<uint8_t> rle = [] {
        BmpBuilder b;
        b.fileHeader();
        b.infoHeader(6, 4, 8, 1, 2);
        b.rgbQuad(black);
        b.rgbQuad(white);
        b.pixelsStartHere();
        b.bytes({3, 1, 0, 5, 1, 0, 1, 0, 1, 0, 0, 0, 2, 2, 1, 0, 2, 1, 1, 0, 0});
        return b.data();
    }();
    for (const auto& file : {good, rle})
        for (size_t n = 0; n < file.size(); ++n)
            (void)decodeBmp(std::span<const uint8_t>(file.data(), n));
}

TEST(BmpDecoder, OddButHarmlessFiles)
{
    // Indices past the colour table show black; a colour count past 256 still reads.
    BmpBuilder b;
    b.fileHeader();
    b.infoHeader(2, 1, 8, 0, 1);
    b.rgbQuad(white);
    b.pixelsStartHere();
    b.bytes({0, 9, 0, 0});
    auto decoded = decodeBmp(b.data());
    ASSERT_TRUE(decoded.isOk()) << decoded.message();
    EXPECT_EQ(gfxtest::ascii(decoded.value()), ".#\n");

    // A zero pixel offset means "right after the colour table".
    std::vector<uint8_t> zeroOffset = makeBmp(24, Layout::Rgb24, false);
    std::fill(zeroOffset.begin() + 10, zeroOffset.begin() + 14, 0);
    auto z = decodeBmp(zeroOffset);
    ASSERT_TRUE(z.isOk()) << z.message();
    EXPECT_EQ(z.value(), expectedPicture());

    // The last row's padding may be missing.
    std::vector<uint8_t> unpadded = makeBmp(24, Layout::Rgb24, false);
    unpadded.resize(unpadded.size() - 3);
    EXPECT_TRUE(decodeBmp(unpadded).isOk());

    // A smaller pixel limit refuses what the default accepts.
    EXPECT_FALSE(decodeBmp(makeBmp(24, Layout::Rgb24, false), ImageLimits{5}).isOk());
}
