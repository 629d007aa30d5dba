// Template expansion and project generation.
#include "codegen/CodegenContext.h"
#include "codegen/GenerateProject.h"
#include "codegen/ReplaceAll.h"
#include "codegen/TemplateIds.h"
#include "codegen/TemplateTable.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// The resource script template repeated to about `bytes`, as a large wrapper template would be.
std::string LargeTemplate(size_t bytes)
{
    const std::string piece = morva::JoinTemplates({morva::tpl::kRcIncludes, morva::tpl::kRcLanguage,
                                                    morva::tpl::kRcIcons, morva::tpl::kRcBitmapsCursorsMenus,
                                                    morva::tpl::kRcVersion, morva::tpl::kRcStringTable,
                                                    morva::tpl::kRcTextInclude3});
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes)
        text += piece;
    return text;
}

void BM_ReplaceAll(benchmark::State& state)
{
    const std::string text = LargeTemplate(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        std::string out = morva::ReplaceAll(text, "$ProjectName$", "MyLongProjectName");
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReplaceAll)->Arg(64 << 10)->Arg(1 << 20)->Arg(16 << 20);

void BM_CrLfConversion(benchmark::State& state)
{
    std::string text = LargeTemplate(1 << 20);
    text = morva::ReplaceAll(text, "\r\n", "\n");
    for (auto _ : state) {
        std::string out = morva::ReplaceAll(text, "\n", "\r\n");
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_CrLfConversion);

// One whole new project per iteration, each into a fresh folder of a temporary tree.
void BM_GenerateProject(benchmark::State& state)
{
    char pattern[] = "/tmp/morva-bench-codegen-XXXXXX";
    if (!mkdtemp(pattern))
        std::abort();
    platform::FileSystem fs;
    platform::MessageService messages;
    const morva::CodegenContext context{fs, messages};
    const std::string root = fs.toWindowsPath(pattern);
    morva::NewProjectSettings settings;
    settings.projectName = "test";
    settings.className = "CForm1";
    settings.headerFile = "form1.h";
    settings.implFile = "form1.cpp";
    settings.ideVersion = "6.0";
    int n = 0;
    for (auto _ : state) {
        settings.location = root + "\\p" + std::to_string(n++);
        if (!morva::GenerateProject(settings, context))
            state.SkipWithError("generation failed");
    }
    state.SetItemsProcessed(state.iterations());
    std::filesystem::remove_all(pattern);
}
BENCHMARK(BM_GenerateProject)->Unit(benchmark::kMicrosecond);

} // namespace
