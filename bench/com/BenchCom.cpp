// Loading a type library and walking every member; looking resources up in a module.
#include "platform/com/Module.h"
#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

using namespace platform;

namespace {

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string fixture(const char* name)
{
    const char* source = std::getenv("MORVA_SOURCE_DIR");
    return std::string(source ? source : ".") + "/tests/platform/com/fixtures/" + name;
}

// Loads and reads every function, variable, name and documentation entry; gives the count.
size_t loadAndWalk(const std::vector<uint8_t>& bytes)
{
    auto lib = TypeLibrary::load(bytes);
    if (!lib)
        return 0;
    size_t members = 0;
    for (uint32_t i = 0; i < (*lib)->typeInfoCount(); ++i) {
        auto info = (*lib)->typeInfo(i);
        if (!info)
            continue;
        const TypeAttributes& a = (*info)->typeAttributes();
        for (uint32_t f = 0; f < a.funcCount; ++f) {
            auto d = (*info)->funcDesc(f);
            benchmark::DoNotOptimize((*info)->names(d->memberId, d->paramCount() + 1));
            benchmark::DoNotOptimize((*info)->documentation(d->memberId));
            ++members;
        }
        for (uint32_t v = 0; v < a.varCount; ++v) {
            auto d = (*info)->varDesc(v);
            benchmark::DoNotOptimize((*info)->names(d->memberId, 1));
            ++members;
        }
    }
    return members;
}

void walkLibrary(benchmark::State& state, const std::string& path)
{
    const std::vector<uint8_t> bytes = readFile(path);
    if (bytes.empty()) {
        state.SkipWithError(("missing " + path).c_str());
        return;
    }
    size_t members = 0;
    for (auto _ : state)
        members = loadAndWalk(bytes);
    state.counters["members"] = double(members);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

void BM_WalkControlsFixture(benchmark::State& state)
{
    walkLibrary(state, fixture("controls.tlb"));
}
BENCHMARK(BM_WalkControlsFixture);

// Wine's mshtml.tlb: thousands of types and tens of thousands of members (package libwine).
void BM_WalkLargeLibrary(benchmark::State& state)
{
    walkLibrary(state, "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/mshtml.tlb");
}
BENCHMARK(BM_WalkLargeLibrary)->Unit(benchmark::kMillisecond);

void BM_ResourceLookup(benchmark::State& state)
{
    auto module = Module::fromBytes(readFile(fixture("gauge.dll")));
    if (!module) {
        state.SkipWithError("missing gauge.dll");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(module->resource(ResourceId::named("TYPELIB"), ResourceId::number(1)));
        benchmark::DoNotOptimize(module->loadBitmap(3));
    }
}
BENCHMARK(BM_ResourceLookup);

} // namespace
