#include "platform/gfx/IconDecoder.h"
#include "platform/gfx/PngWriter.h"

#include "BmpBuilder.h"

#include <gtest/gtest.h>

using namespace platform;
using gfxtest::BmpBuilder;

namespace {

// An icon image: a 4-bit 16 x 16 picture in two colours whose left half the mask makes
// transparent.
std::vector<uint8_t> fourBitImage()
{
    BmpBuilder b;
    b.infoHeader(16, 32, 4);
    b.rgbQuad(0x000000);
    b.rgbQuad(0xFF0000);
    for (int i = 2; i < 16; ++i)
        b.rgbQuad(0);
    for (int row = 0; row < 16; ++row)
        for (int i = 0; i < 8; ++i)
            b.u8(row == 0 ? 0x11 : 0x01); // the bottom row all red, the others red and black
    for (int row = 0; row < 16; ++row)
        b.u32(0x000000FF); // mask bytes FF 00: left 8 pixels transparent
    return b.data();
}

// A 32-bit 2 x 2 image with real alpha, and the (ignored) mask.
std::vector<uint8_t> alphaImage(uint8_t alpha)
{
    BmpBuilder b;
    b.infoHeader(2, 4, 32);
    for (int i = 0; i < 4; ++i)
        b.u32((uint32_t(alpha) << 24) | 0x0000FF);
    b.u32(0);
    b.u32(0xFFFFFFFF); // second mask row: transparent, used only when alpha is all zero
    return b.data();
}

struct Entry {
    std::vector<uint8_t> data;
    uint8_t width, height;
    uint16_t planesOrHotX, bitsOrHotY;
};

std::vector<uint8_t> iconFile(uint16_t type, const std::vector<Entry>& entries)
{
    BmpBuilder b;
    b.u16(0);
    b.u16(type);
    b.u16(uint16_t(entries.size()));
    uint32_t offset = uint32_t(6 + 16 * entries.size());
    for (const Entry& e : entries) {
        b.u8(e.width);
        b.u8(e.height);
        b.u8(0);
        b.u8(0);
        b.u16(e.planesOrHotX);
        b.u16(e.bitsOrHotY);
        b.u32(uint32_t(e.data.size()));
        b.u32(offset);
        offset += uint32_t(e.data.size());
    }
    for (const Entry& e : entries)
        b.bytes(e.data);
    return b.data();
}

} // namespace

TEST(IconDecoder, EveryImageWithItsMaskOrAlpha)
{
    const auto file = decodeIconFile(iconFile(1, {{fourBitImage(), 16, 16, 1, 4}, {alphaImage(0x80), 2, 2, 1, 32}}));
    ASSERT_TRUE(file.isOk()) << file.message();
    EXPECT_EQ(file->kind, IconFile::Kind::Icon);
    ASSERT_EQ(file->images.size(), 2u);

    const IconImage& masked = file->images[0];
    EXPECT_EQ(masked.size(), (Size{16, 16}));
    EXPECT_EQ(masked.bitCount, 4);
    ASSERT_FALSE(masked.hasAlpha());
    for (int32_t x = 0; x < 16; ++x) {
        EXPECT_EQ(masked.mask[size_t(15 * 16 + x)], x < 8 ? 1 : 0) << x;
        EXPECT_EQ(masked.image.pixel(x, 15).alpha(), x < 8 ? 0 : 255) << x;
    }
    EXPECT_EQ(masked.image.pixel(10, 15).rgbBits(), 0xFF0000u) << "bottom row";
    EXPECT_EQ(masked.image.pixel(10, 0).rgbBits(), 0x000000u);
    EXPECT_EQ(masked.image.pixel(11, 0).rgbBits(), 0xFF0000u);

    const IconImage& blended = file->images[1];
    EXPECT_TRUE(blended.hasAlpha());
    EXPECT_EQ(blended.image.pixel(0, 0), Color::rgb(0, 0, 255, 0x80));

    // A 32-bit image whose alpha is all zero falls back to its mask.
    const auto noAlpha = decodeIconFile(iconFile(1, {{alphaImage(0), 2, 2, 1, 32}}));
    ASSERT_TRUE(noAlpha.isOk()) << noAlpha.message();
    EXPECT_FALSE(noAlpha->images[0].hasAlpha());
    EXPECT_EQ(noAlpha->images[0].image.pixel(0, 0).alpha(), 0) << "top row masked";
    EXPECT_EQ(noAlpha->images[0].image.pixel(0, 1).alpha(), 255);

    EXPECT_EQ(file->best({16, 16}), &masked);
    EXPECT_EQ(file->best({8, 8}), &masked) << "the smallest larger one";
    EXPECT_EQ(file->best({1, 1}), &blended);
    EXPECT_EQ(file->best({64, 64}), &masked) << "the largest";
}

TEST(IconDecoder, CursorsKeepTheirHotSpot)
{
    const auto file = decodeIconFile(iconFile(2, {{fourBitImage(), 16, 16, 5, 7}}));
    ASSERT_TRUE(file.isOk()) << file.message();
    EXPECT_EQ(file->kind, IconFile::Kind::Cursor);
    EXPECT_EQ(file->images[0].hotSpot, (Point{5, 7}));
}

TEST(IconDecoder, PngImagesInside)
{
    Bitmap picture({3, 2}, Color::rgb(10, 20, 30, 40));
    picture.setPixel(2, 1, Color::rgb(200, 100, 0, 255));
    auto png = encodePng(picture, PngChannels::Rgba);
    ASSERT_TRUE(png.isOk());
    const auto file = decodeIconFile(iconFile(1, {{png.value(), 3, 2, 1, 32}}));
    ASSERT_TRUE(file.isOk()) << file.message();
    EXPECT_TRUE(file->images[0].fromPng);
    EXPECT_TRUE(file->images[0].hasAlpha());
    EXPECT_EQ(file->images[0].image, picture);
}

TEST(IconDecoder, DamagedFilesAreRefused)
{
    const std::vector<uint8_t> good = iconFile(1, {{fourBitImage(), 16, 16, 1, 4}});
    auto edited = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> d = good;
        d[at] = value;
        return d;
    };
    std::vector<uint8_t> noMask = fourBitImage();
    noMask.resize(noMask.size() - 64);
    const struct {
        const char* name;
        std::vector<uint8_t> data;
    } cases[] = {
        {"empty", {}},
        {"reserved word set", edited(0, 1)},
        {"type 3", edited(2, 3)},
        {"no images", edited(4, 0)},
        {"directory cut short", edited(4, 9)},
        {"image past the end", edited(6 + 8, 0xF0)},
        {"offset past the end", edited(6 + 15, 0x10)},
        {"not a bitmap inside", edited(22, 99)},
        {"mask missing", iconFile(1, {{noMask, 16, 16, 1, 4}})},
        {"damaged png", iconFile(1, {{{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H'}, 1, 1, 1, 32}})},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(decodeIconFile(c.data).isOk()) << c.name;
    for (size_t n = 0; n < good.size(); ++n)
        (void)decodeIconFile(std::span<const uint8_t>(good.data(), n));

    // Many entries may share one image; together they still count against the limit.
    const std::vector<uint8_t> one = iconFile(1, {{fourBitImage(), 16, 16, 1, 4}});
    std::vector<uint8_t> many = iconFile(1, std::vector<Entry>(20, Entry{fourBitImage(), 16, 16, 1, 4}));
    EXPECT_TRUE(decodeIconFile(many, ImageLimits{20 * 256}).isOk());
    EXPECT_FALSE(decodeIconFile(many, ImageLimits{19 * 256}).isOk());
}
