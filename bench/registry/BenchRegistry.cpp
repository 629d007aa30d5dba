// Registry speed: loading and saving a .reg file of about 10,000 keys, and the installed-control
// walk (open CLSID, enumerate, open each class, read its subkeys' default values) over it.
#include "platform/base/FileSystem.h"
#include "platform/registry/Registry.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace platform;

constexpr int kClasses = 2000; // five keys each: 10,000 keys

std::string classId(int i)
{
    char text[48];
    std::snprintf(text, sizeof text, "{%08X-0000-0000-C000-%012X}", 0x1000 + i * 7919, i);
    return text;
}

void fillClsidTree(Registry& registry)
{
    auto clsid = *registry.createKey(registry.root(RegistryRoot::ClassesRoot), "CLSID");
    for (int i = 0; i < kClasses; ++i) {
        std::string id = classId(i);
        (void)registry.setDefault(clsid, id, "Sample Control " + std::to_string(i));
        (void)registry.setDefault(clsid, id + "\\InprocServer32", "C:\\WINDOWS\\SYSTEM\\CTL" + std::to_string(i) + ".OCX");
        auto server = *registry.openKey(clsid, id + "\\InprocServer32");
        (void)registry.setValue(server, "ThreadingModel", RegistryValue::fromString("Apartment"));
        (void)registry.setDefault(clsid, id + "\\ProgID", "Sample.Control." + std::to_string(i));
        (void)registry.setDefault(clsid, id + "\\TypeLib", "{00000000-0000-0000-0000-000000000001}");
        if (i % 2 == 0)
            (void)registry.createKey(clsid, id + "\\Control");
        else
            (void)registry.setValue(*registry.openKey(clsid, id), "Flags", RegistryValue::fromDword(i));
    }
}

const std::string& sampleText()
{
    static const std::string text = [] {
        Registry registry;
        fillClsidTree(registry);
        return registry.toRegText();
    }();
    return text;
}

void BM_LoadRegText(benchmark::State& state)
{
    const std::string& text = sampleText();
    for (auto _ : state) {
        Registry registry;
        if (!registry.loadRegText(text, "bench.reg"))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(registry);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LoadRegText)->Unit(benchmark::kMillisecond);

void BM_SaveRegText(benchmark::State& state)
{
    Registry registry;
    (void)registry.loadRegText(sampleText(), "bench.reg");
    for (auto _ : state) {
        std::string text = registry.toRegText();
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sampleText().size()));
}
BENCHMARK(BM_SaveRegText)->Unit(benchmark::kMillisecond);

// The whole round through the file layer: save (safe replace) and load back.
void BM_SaveAndLoadFile(benchmark::State& state)
{
    std::string folder = (std::filesystem::temp_directory_path() / "morva-bench-registry-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    FileSystem files;
    const std::string path = files.toWindowsPath(folder + "/bench.reg");
    Registry registry;
    (void)registry.loadRegText(sampleText(), "bench.reg");
    for (auto _ : state) {
        if (!registry.saveRegFile(files, path))
            state.SkipWithError("save failed");
        Registry loaded;
        if (!loaded.loadRegFile(files, path))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveAndLoadFile)->Unit(benchmark::kMillisecond);

// The installed-control walk with the callers' buffer sizes.
void BM_ControlWalk(benchmark::State& state)
{
    Registry registry;
    fillClsidTree(registry);
    int64_t controls = 0;
    for (auto _ : state) {
        auto clsid = registry.openKey(registry.root(RegistryRoot::ClassesRoot), "CLSID");
        for (uint32_t index = 0;; ++index) {
            auto name = registry.enumKey(*clsid, index, 261);
            if (!name)
                break;
            auto classKey = registry.openKey(*clsid, *name);
            if (!classKey || !registry.openKey(*classKey, "Control"))
                continue;
            auto server = registry.queryDefault(*classKey, "InprocServer32", 520);
            auto progId = registry.queryDefault(*classKey, "ProgID", 520);
            auto typeLib = registry.queryDefault(*classKey, "TypeLib", 520);
            auto title = registry.queryDefault(*classKey, "", 520);
            benchmark::DoNotOptimize(server);
            benchmark::DoNotOptimize(progId);
            benchmark::DoNotOptimize(typeLib);
            benchmark::DoNotOptimize(title);
            ++controls;
        }
    }
    state.counters["controls"] = static_cast<double>(controls) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ControlWalk)->Unit(benchmark::kMillisecond);

} // namespace
