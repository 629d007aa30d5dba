#include "ComTestSupport.h"

#include "platform/com/DibDecoder.h"
#include "platform/com/HResult.h"

#include <gtest/gtest.h>

using namespace platform;
using comtest::Bytes;

namespace {

constexpr uint32_t R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, W = 0xFFFFFFFF, K = 0xFF000000;

// Every case is 3 x 2 pixels, top row red, green, blue; bottom row white, black, red.
const std::vector<uint32_t> kExpected = {R, G, B, W, K, R};

Bytes coreHeaderDib()
{
    // 12-byte header, 3-byte palette entries, 1 bit per pixel: 0 = blue, 1 = white.
    Bytes b;
    comtest::put32(b, 0, 12);
    comtest::put16(b, 4, 3);
    comtest::put16(b, 6, 2);
    comtest::put16(b, 8, 1);
    comtest::put16(b, 10, 1);
    for (uint8_t c : {0xFF, 0, 0, 0xFF, 0xFF, 0xFF}) // blue, then white, as blue-green-red
        b.push_back(c);
    for (uint8_t row : {0xA0, 0x40}) { // bottom row 1 0 1, top row 0 1 0; padded to 4 bytes
        b.push_back(row);
        b.insert(b.end(), 3, 0);
    }
    return b;
}

TEST(DibDecoder, DecodesEveryDepthAndLayout)
{
    const std::vector<uint32_t> palette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000};
    const auto pixel16 = [](uint32_t argb) { // 5-5-5
        const uint32_t r = (argb >> 19) & 31, g = (argb >> 11) & 31, b = (argb >> 3) & 31;
        return uint16_t((r << 10) | (g << 5) | b);
    };
    const auto pixel565 = [](uint32_t argb) {
        const uint32_t r = (argb >> 19) & 31, g = (argb >> 10) & 63, b = (argb >> 3) & 31;
        return uint16_t((r << 11) | (g << 5) | b);
    };
    const auto rows16 = [&](auto encode) {
        Bytes b;
        for (uint32_t p : {W, K, R, R, G, B}) { // bottom row first
            const uint16_t v = encode(p);
            b.push_back(uint8_t(v));
            b.push_back(uint8_t(v >> 8));
        }
        b.insert(b.begin() + 6, {0, 0});
        b.insert(b.end(), {0, 0});
        return b;
    };
    Bytes rows24, rows32;
    for (int row : {1, 0}) {
        for (int x = 0; x < 3; ++x) {
            const uint32_t p = kExpected[size_t(row * 3 + x)];
            rows24.insert(rows24.end(), {uint8_t(p), uint8_t(p >> 8), uint8_t(p >> 16)});
            rows32.insert(rows32.end(), {uint8_t(p), uint8_t(p >> 8), uint8_t(p >> 16), 0});
        }
        rows24.insert(rows24.end(), 3, 0);
    }
    Bytes topDown32;
    for (int i = 0; i < 6; ++i) {
        const uint32_t p = kExpected[size_t(i)];
        topDown32.insert(topDown32.end(), {uint8_t(p), uint8_t(p >> 8), uint8_t(p >> 16), 0x55});
    }
    Bytes bitfields32; // masks put red in the low byte
    for (int row : {1, 0})
        for (int x = 0; x < 3; ++x) {
            const uint32_t p = kExpected[size_t(row * 3 + x)];
            bitfields32.insert(bitfields32.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), 0});
        }

    const struct {
        const char* what;
        Bytes dib;
        uint16_t bits;
    } cases[] = {
        {"core header, 1 bit", coreHeaderDib(), 1},
        {"4 bits", comtest::buildDib(3, 2, 4, palette, {0x34, 0x00, 0, 0, 0x01, 0x20, 0, 0}), 4},
        {"8 bits", comtest::buildDib(3, 2, 8, palette, {3, 4, 0, 0, 0, 1, 2, 0}), 8},
        {"16 bits 5-5-5", comtest::buildDib(3, 2, 16, {}, rows16(pixel16)), 16},
        {"16 bits 5-6-5 masks", comtest::buildDib(3, 2, 16, {}, rows16(pixel565), 3, {0xF800, 0x07E0, 0x001F}), 16},
        {"24 bits", comtest::buildDib(3, 2, 24, {}, rows24), 24},
        {"32 bits", comtest::buildDib(3, 2, 32, {}, rows32), 32},
        {"32 bits top-down", comtest::buildDib(3, -2, 32, {}, topDown32), 32},
        {"32 bits masks", comtest::buildDib(3, 2, 32, {}, bitfields32, 3, {0xFF, 0xFF00, 0xFF0000}), 32},
        {"8 bits run-length", comtest::buildDib(3, 2, 8, palette, {1, 3, 1, 4, 1, 0, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1}, 1), 8},
        {"4 bits run-length", comtest::buildDib(3, 2, 4, palette, {0, 3, 0x34, 0x00, 0, 0, 2, 0x01, 1, 0x22, 0, 1}, 2), 4},
    };
    for (const auto& c : cases) {
        auto bitmap = DibDecoder::decode(c.dib);
        ASSERT_TRUE(bitmap) << c.what << ": " << bitmap.message();
        EXPECT_EQ(bitmap->width, 3) << c.what;
        EXPECT_EQ(bitmap->height, 2) << c.what;
        EXPECT_EQ(bitmap->bitsPerPixel, c.bits) << c.what;
        if (std::string(c.what) == "core header, 1 bit")
            EXPECT_EQ(bitmap->pixels, (std::vector<uint32_t>{B, W, B, W, B, W})) << c.what;
        else
            EXPECT_EQ(bitmap->pixels, kExpected) << c.what;
    }
}

TEST(DibDecoder, RejectsDamagedHeadersAndData)
{
    const Bytes good = comtest::buildDib(3, 2, 8, {0xFF0000}, {0, 0, 0, 0, 0, 0, 0, 0});
    const auto with = [&](size_t at, uint32_t value, bool wide = true) {
        Bytes b = good;
        wide ? comtest::put32(b, at, value) : comtest::put16(b, at, value);
        return b;
    };
    const struct {
        const char* what;
        Bytes dib;
    } cases[] = {
        {"empty", {}},
        {"header size 20", with(0, 20)},
        {"header longer than the data", with(0, 4000)},
        {"zero width", with(4, 0)},
        {"negative width", with(4, uint32_t(-3))},
        {"zero height", with(8, 0)},
        {"most negative height", with(8, 0x80000000)},
        {"huge", with(4, 30000)},
        {"too many pixels", [&] { Bytes b = with(4, 30000); comtest::put32(b, 8, 30000); return b; }()},
        {"two planes", with(12, 2, false)},
        {"7 bits", with(14, 7, false)},
        {"unknown compression", with(16, 9)},
        {"jpeg compression", with(16, 4)},
        {"run-length on 24 bits", [&] { Bytes b = with(14, 24, false); comtest::put32(b, 16, 1); return b; }()},
        {"masks on 8 bits", with(16, 3)},
        {"palette past the end", with(32, 0xFFFFFFFF)},
        {"rows truncated", Bytes(good.begin(), good.end() - 1)},
        {"top-down run-length", [&] { Bytes b = with(16, 1); comtest::put32(b, 8, uint32_t(-2)); return b; }()},
        {"run-length without end", comtest::buildDib(3, 2, 8, {0}, {2, 0}, 1)},
        {"run-length literal truncated", comtest::buildDib(3, 2, 8, {0}, {0, 9, 1, 2}, 1)},
        {"run-length too short for its area", comtest::buildDib(3000, 3000, 8, {0}, {0, 1}, 1)},
    };
    for (const auto& c : cases) {
        auto bitmap = DibDecoder::decode(c.dib);
        ASSERT_FALSE(bitmap) << c.what;
        EXPECT_EQ(bitmap.code(), ERROR_INVALID_DATA) << c.what;
        EXPECT_NE(bitmap.message().find("Damaged bitmap"), std::string::npos) << bitmap.message();
    }
}

} // namespace
