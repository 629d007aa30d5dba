// How fast items are made and their property value strings written and read: every control
// placed or loaded goes through these.

#include "model/CControlItem.h"
#include "model/CFormModel.h"

#include <benchmark/benchmark.h>

using namespace morva;

namespace {

void BuildPropertyAndEventLists(benchmark::State& state)
{
    const int32_t typeCode = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        CControlItem item(kKindIntrinsic, typeCode);
        item.BuildPropertyList();
        item.BuildEventList();
        benchmark::DoNotOptimize(item.GetProperties().data());
    }
}
BENCHMARK(BuildPropertyAndEventLists)->Arg(kTypePictureBox)->Arg(kTypeTextBox)->Arg(kTypeTimer);

void BuildFormItem(benchmark::State& state)
{
    for (auto _ : state) {
        CFormModel form;
        form.m_strBaseClass = "CXForm";
        auto item = std::make_unique<CControlItem>(kKindForm, kTypeNone);
        item->m_bIsFormItem = true;
        form.AppendItem(std::move(item)).BuildPropertyList();
        benchmark::DoNotOptimize(form.GetFormItem());
    }
}
BENCHMARK(BuildFormItem);

void WritePropertyString(benchmark::State& state)
{
    CControlItem item(kKindIntrinsic, kTypePictureBox);
    item.BuildPropertyList();
    for (auto _ : state)
        benchmark::DoNotOptimize(item.BuildPropertyValueString({}));
}
BENCHMARK(WritePropertyString);

void ReadPropertyString(benchmark::State& state)
{
    CControlItem item(kKindIntrinsic, kTypePictureBox);
    item.BuildPropertyList();
    const std::string text = item.BuildPropertyValueString({});
    for (auto _ : state)
        benchmark::DoNotOptimize(item.ParsePropertyValueString(text, {}));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(ReadPropertyString);

// A form with many controls: the geometry of every control, as a repaint asks for it.
void RectsOfAHundredControls(benchmark::State& state)
{
    CFormModel form;
    CControlItem& frame = form.AppendItem(std::make_unique<CControlItem>(kKindIntrinsic, kTypeFrame));
    frame.BuildPropertyList();
    for (int i = 0; i < 100; ++i) {
        CControlItem& item = form.AppendItem(std::make_unique<CControlItem>(kKindIntrinsic, kTypeTextBox));
        item.m_pContainer = i % 2 ? &frame : nullptr;
        item.BuildPropertyList();
    }
    for (auto _ : state)
        for (const auto& item : form.GetItems())
            benchmark::DoNotOptimize(item->GetRect());
}
BENCHMARK(RectsOfAHundredControls);

} // namespace
