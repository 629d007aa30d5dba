#include "platform/gfx/PngReader.h"
#include "platform/gfx/PngWriter.h"

#include <gtest/gtest.h>
#include <png.h>

using namespace platform;

namespace {

Bitmap testCard()
{
    Bitmap b({7, 5});
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 7; ++x)
            b.setPixel(x, y, Color::rgb(uint8_t(x * 37), uint8_t(y * 51), uint8_t(x * y * 9), uint8_t(255 - x * 20)));
    return b;
}

// Reads PNG bytes with libpng itself, as 8-bit RGBA.
std::vector<uint8_t> readWithLibpng(const std::vector<uint8_t>& bytes, png_uint_32& w, png_uint_32& h)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    EXPECT_TRUE(png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) << image.message;
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) << image.message;
    w = image.width;
    h = image.height;
    return pixels;
}

} // namespace

TEST(Png, ExportReadsBackWithTheSamePixels)
{
    const Bitmap card = testCard();
    for (PngChannels channels : {PngChannels::Rgb, PngChannels::Rgba}) {
        auto bytes = encodePng(card, channels);
        ASSERT_TRUE(bytes.isOk()) << bytes.message();
        png_uint_32 w = 0, h = 0;
        const std::vector<uint8_t> rgba = readWithLibpng(bytes.value(), w, h);
        ASSERT_EQ(w, 7u);
        ASSERT_EQ(h, 5u);
        for (int32_t y = 0; y < 5; ++y)
            for (int32_t x = 0; x < 7; ++x) {
                const Color c = card.pixel(x, y);
                const uint8_t* p = &rgba[(size_t(y) * 7 + size_t(x)) * 4];
                EXPECT_EQ(Color::rgb(p[0], p[1], p[2], p[3]),
                          channels == PngChannels::Rgba ? c : c.opaque()) << x << "," << y;
            }
        auto again = decodePng(bytes.value());
        ASSERT_TRUE(again.isOk());
        EXPECT_EQ(again.value(), channels == PngChannels::Rgba ? card : [&] {
            Bitmap o = card;
            for (uint32_t& px : o.pixels())
                px |= 0xFF000000;
            return o;
        }());
    }
    EXPECT_EQ(encodePng(card).value(), encodePng(card).value()) << "the same bitmap gives the same bytes";
}

TEST(Png, SinksAndFailures)
{
    EXPECT_FALSE(encodePng(Bitmap()).isOk());
    EXPECT_FALSE(encodePng(Bitmap({0, 3})).isOk());

    std::vector<uint8_t> received;
    const Status ok = writePng(testCard(), [&](std::span<const uint8_t> bytes) {
        received.assign(bytes.begin(), bytes.end());
        return Status::ok();
    });
    EXPECT_TRUE(ok.isOk());
    EXPECT_EQ(received, encodePng(testCard()).value());
    const Status refused = writePng(testCard(), [](std::span<const uint8_t>) { return Status::failure("disk full"); });
    EXPECT_EQ(refused.message(), "disk full");

    const std::vector<uint8_t> garbage = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 1, 2, 3};
    EXPECT_FALSE(decodePng(garbage).isOk());
    EXPECT_FALSE(decodePng(std::vector<uint8_t>{1, 2, 3}).isOk());
    auto big = encodePng(Bitmap({64, 64}, colors::white));
    ASSERT_TRUE(big.isOk());
    EXPECT_FALSE(decodePng(big.value(), ImageLimits{1000}).isOk()) << "the pixel limit holds for PNG too";
}
