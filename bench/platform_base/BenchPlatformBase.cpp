// Path resolution with case-insensitive lookup, safe writes and whole-file reads.
#include "platform/base/FileSystem.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using platform::FileSystem;

namespace {

// A project folder of a few hundred sources, mapped to P:.
class ProjectFolder {
public:
    explicit ProjectFolder(int files)
    {
        char pattern[] = "/tmp/morva-bench-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        m_path = pattern;
        std::filesystem::create_directory(m_path + "/Res");
        for (int i = 0; i < files; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "/form%03d.cpp", i);
            std::ofstream(m_path + name) << "x";
            std::ofstream(m_path + "/Res" + name) << "x";
        }
        m_fs.mapDrive('P', m_path);
    }
    ~ProjectFolder() { std::filesystem::remove_all(m_path); }

    const FileSystem& fs() const { return m_fs; }

private:
    std::string m_path;
    FileSystem m_fs;
};

void resolve(benchmark::State& state, const char* path)
{
    const ProjectFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto host = folder.fs().toHostPath(path);
        benchmark::DoNotOptimize(host);
    }
}

void BM_ResolveExactCase(benchmark::State& state)
{
    resolve(state, "P:\\Res\\form150.cpp");
}
BENCHMARK(BM_ResolveExactCase)->Arg(300);

// Both components need a listing of their folder.
void BM_ResolveWrongCase(benchmark::State& state)
{
    resolve(state, "P:\\RES\\FORM150.CPP");
}
BENCHMARK(BM_ResolveWrongCase)->Arg(300);

void BM_ResolveMissing(benchmark::State& state)
{
    resolve(state, "P:\\res\\New.cpp");
}
BENCHMARK(BM_ResolveMissing)->Arg(300);

void BM_SafeWrite(benchmark::State& state)
{
    const ProjectFolder folder(0);
    const std::string text(static_cast<size_t>(state.range(0)), 'w');
    for (auto _ : state) {
        if (!folder.fs().writeWholeFile("P:\\form1.cpp", text))
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_SafeWrite)->Arg(100 * 1024)->UseRealTime();

void BM_ReadWholeFile(benchmark::State& state)
{
    const ProjectFolder folder(0);
    if (!folder.fs().writeWholeFile("P:\\form1.cpp", std::string(static_cast<size_t>(state.range(0)), 'r')))
        std::abort();
    for (auto _ : state) {
        auto text = folder.fs().readWholeFile("P:\\form1.cpp");
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ReadWholeFile)->Arg(100 * 1024);

} // namespace
