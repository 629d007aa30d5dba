// What one generated-line edit costs: on disk (read, edit, safe write) and through an open
// document of the studio (caret moves and a replaced selection).

#include "ide/IdeAutomation.h"
#include "ide/SourceTextService.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/ideapi/IdeDocument.h"
#include "studio/core/Studio.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

namespace {

// A source file of about `lines` lines of 40 characters.
std::string SourceText(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "\tm_TextBox" + std::to_string(i) + ".Create(this, IDC_TEXTBOX, IDS_PROP);\r\n";
    return text;
}

struct Setup {
    TempFolder folder;
    platform::FileSystem files;
    platform::MessageService messages;
    studio::Studio studio{files, messages};
    morva::IdeAutomation ide{&studio, files};
    morva::SourceTextService source{ide, files, messages};
    std::string path;

    explicit Setup(int lines)
    {
        folder.write("form1.cpp", SourceText(lines));
        path = files.toWindowsPath(folder.host("form1.cpp"));
    }
};

void InsertOnDisk(benchmark::State& state)
{
    Setup setup(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(setup.source.InsertTextInFile(setup.path, 100, "x"));
}
BENCHMARK(InsertOnDisk)->Arg(100)->Arg(2500)->Unit(benchmark::kMicrosecond);

void ReplaceInOpenDocument(benchmark::State& state)
{
    Setup setup(static_cast<int>(state.range(0)));
    setup.ide.OpenDocument(setup.path);
    const int line = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(setup.source.ReplaceRangeAt(setup.path, line, 2, line, 5, "m_T"));
}
BENCHMARK(ReplaceInOpenDocument)->Arg(100)->Arg(2500)->Unit(benchmark::kMicrosecond);

} // namespace
