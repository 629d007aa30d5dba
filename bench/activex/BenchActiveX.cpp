// The dispatch-model walk of real type libraries, and the project data file.

#include "activex/CArchive.h"
#include "activex/COCXInfo.h"
#include "platform/base/FileSystem.h"
#include "platform/com/FolderTypeLibraryResolver.h"
#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

const std::string kWineFolder = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/";

struct Setup {
    platform::FileSystem fs;
    std::shared_ptr<const platform::TypeLibraryResolver> resolver;
    Setup()
    {
        fs.mapDrive('D', MORVA_COM_FIXTURES);
        fs.mapDrive('W', kWineFolder);
        resolver = std::make_shared<platform::FolderTypeLibraryResolver>(fs, std::vector<std::string>{"W:\\"});
    }
};

// Every coclass of the library walked in full, as adding each of its controls would.
void WalkAllCoclasses(benchmark::State& state, const std::string& server)
{
    Setup setup;
    auto library = platform::TypeLibrary::loadFile(setup.fs, server, setup.resolver);
    if (!library) {
        state.SkipWithError("library not installed");
        return;
    }
    std::vector<std::string> clsids;
    for (uint32_t i = 0; i < (*library)->typeInfoCount(); ++i)
        if (*(*library)->typeInfoType(i) == platform::TypeKind::Coclass)
            clsids.push_back((*(*library)->typeInfo(i))->typeAttributes().guid.toRegistryString());
    size_t members = 0;
    for (auto _ : state) {
        members = 0;
        for (const std::string& clsid : clsids) {
            morva::CToolControlEntry entry;
            entry.m_strServerPath = server;
            entry.m_strClsid = clsid;
            benchmark::DoNotOptimize(entry.ReadTypeLibrary(setup.fs, setup.resolver, true));
            for (const auto& dispInterface : entry.m_interfaces)
                members += dispInterface->m_properties.size() + dispInterface->m_methods.size() +
                           dispInterface->m_events.size();
        }
    }
    state.counters["coclasses"] = double(clsids.size());
    state.counters["members"] = double(members);
}

void BM_ReadTypeLibrary_Controls(benchmark::State& state) { WalkAllCoclasses(state, "D:\\controls.tlb"); }
void BM_ReadTypeLibrary_WineMshtml(benchmark::State& state) { WalkAllCoclasses(state, "W:\\mshtml.tlb"); }
void BM_ReadTypeLibrary_WineHhctrl(benchmark::State& state) { WalkAllCoclasses(state, "W:\\hhctrl.ocx"); }

// A project list of controls read from controls.tlb, written and read back.
std::string DataFileBytes(int controls)
{
    Setup setup;
    morva::CArchiveWriter archive;
    archive.WriteU32(uint32_t(controls));
    for (int i = 0; i < controls; ++i) {
        morva::CToolControlEntry entry;
        entry.m_strName = "Gauge " + std::to_string(i);
        entry.m_strServerPath = "D:\\gauge.dll";
        entry.m_strClsid = "{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}";
        (void)entry.ReadTypeLibrary(setup.fs, setup.resolver, true);
        platform::ModuleBitmap bitmap;
        bitmap.width = 16;
        bitmap.height = 15;
        bitmap.pixels.assign(16 * 15, 0xFF808080);
        entry.m_bitmap = bitmap;
        entry.Serialize(archive);
    }
    return archive.Bytes();
}

void BM_DataFileRead(benchmark::State& state)
{
    const std::string bytes = DataFileBytes(int(state.range(0)));
    for (auto _ : state) {
        std::vector<std::unique_ptr<morva::CToolControlEntry>> entries;
        benchmark::DoNotOptimize(morva::COCXInfo::Deserialize(bytes, entries));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

void BM_DataFileWrite(benchmark::State& state)
{
    const std::string bytes = DataFileBytes(int(state.range(0)));
    std::vector<std::unique_ptr<morva::CToolControlEntry>> entries;
    (void)morva::COCXInfo::Deserialize(bytes, entries);
    for (auto _ : state) {
        morva::CArchiveWriter archive;
        archive.WriteU32(uint32_t(entries.size()));
        for (const auto& entry : entries)
            entry->Serialize(archive);
        benchmark::DoNotOptimize(archive.Bytes().data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

} // namespace

BENCHMARK(BM_ReadTypeLibrary_Controls)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadTypeLibrary_WineHhctrl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTypeLibrary_WineMshtml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DataFileRead)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DataFileWrite)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);
