// Speed of the painter on a window-sized bitmap, of bitmap decoding and of text measurement.
#include "platform/gfx/BmpDecoder.h"
#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

using namespace platform;

namespace {

// The dialog font; it outlives the library that made it.
std::shared_ptr<const Font> dialogFont()
{
    LogFont lf;
    lf.faceName = "MS Sans Serif";
    lf.height = -11;
    return FontLibrary::create().value().font(lf).value();
}

std::vector<uint8_t> bmp24(int32_t w, int32_t h)
{
    const uint32_t stride = uint32_t((w * 3 + 3) & ~3), size = stride * uint32_t(h);
    std::vector<uint8_t> f(54 + size);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&f[at], &v, 4); };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, uint32_t(f.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(w));
    put32(22, uint32_t(h));
    f[26] = 1;
    f[28] = 24;
    for (size_t i = 54; i < f.size(); ++i)
        f[i] = uint8_t(i * 7);
    return f;
}

} // namespace

static void BM_FillRect800x600(benchmark::State& state)
{
    Bitmap b({800, 600});
    Painter p(b);
    for (auto _ : state) {
        p.fillRect({0, 0, 800, 600}, colors::lightGrey);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_FillRect800x600);

static void BM_HatchFill800x600(benchmark::State& state)
{
    Bitmap b({800, 600});
    Painter p(b);
    for (auto _ : state) {
        p.fillRect({0, 0, 800, 600}, Brush::hatched(HatchStyle::DiagonalCross, colors::navy));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_HatchFill800x600);

static void BM_Lines(benchmark::State& state)
{
    Bitmap b({800, 600}, colors::white);
    Painter p(b);
    p.setPen(Pen{PenStyle(state.range(0)), int32_t(state.range(1)), colors::black});
    for (auto _ : state) {
        for (int32_t i = 0; i < 100; ++i)
            p.drawLine({i * 8, 0}, {799 - i * 8, 599});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_Lines)->Args({int(PenStyle::Solid), 1})->Args({int(PenStyle::Dot), 1})->Args({int(PenStyle::Solid), 3});

static void BM_Controls(benchmark::State& state)
{
    // A form's worth of design-time pictures: edges, buttons, check boxes, ellipses.
    Bitmap b({800, 600}, colors::lightGrey);
    Painter p(b);
    for (auto _ : state) {
        for (int32_t i = 0; i < 100; ++i) {
            const Rect r = Rect::fromPointAndSize({(i % 10) * 80, (i / 10) * 60}, {75, 23});
            p.drawFrameControl(r, frameControl::Button, frameControl::ButtonPush);
            p.drawEdge(r.inflatedBy(-2, -2), edge::Sunken, border::Rect);
            p.drawFrameControl(Rect::fromPointAndSize(r.topLeft(), {13, 13}), frameControl::Button, frameControl::ButtonCheck);
            p.ellipse(r.offsetBy(0, 30));
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_Controls);

static void BM_DrawText(benchmark::State& state)
{
    Bitmap b({800, 600}, colors::white);
    Painter p(b);
    p.setFont(dialogFont());
    for (auto _ : state) {
        for (int32_t i = 0; i < 40; ++i) {
            Rect r{4, i * 15, 796, i * 15 + 15};
            p.drawText("The quick brown fox jumps over the lazy dog &1234567890", r, textFormat::SingleLine | textFormat::VCenter);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 40);
}
BENCHMARK(BM_DrawText);

static void BM_MeasureText(benchmark::State& state)
{
    auto font = dialogFont();
    const char* words = "Label1 Command1 Check1 Option1 Frame1 Text1 List1 Combo1";
    for (auto _ : state)
        benchmark::DoNotOptimize(font->textWidth(words));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MeasureText);

static void BM_WrapText(benchmark::State& state)
{
    Bitmap b({1, 1});
    Painter p(b);
    p.setFont(dialogFont());
    const char* text = "A label whose caption is long enough to wrap onto several lines inside its rectangle";
    for (auto _ : state) {
        Rect r{0, 0, 120, 0};
        benchmark::DoNotOptimize(p.drawText(text, r, textFormat::WordBreak | textFormat::CalcRect));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WrapText);

static void BM_DecodeBmp256x256x24(benchmark::State& state)
{
    const std::vector<uint8_t> file = bmp24(256, 256);
    for (auto _ : state) {
        auto bitmap = decodeBmp(file);
        benchmark::DoNotOptimize(bitmap);
    }
    state.SetBytesProcessed(state.iterations() * int64_t(file.size()));
}
BENCHMARK(BM_DecodeBmp256x256x24);
