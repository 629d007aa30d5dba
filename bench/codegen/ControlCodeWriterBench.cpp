// Placing controls on a form whose files are on disk (every add edits resource.h, the script,
// the header and the source and parses the form again), and rebuilding the controls of a large
// form from its files as opening the project does.
#include "catalogue/ControlTypes.h"
#include "codegen/CodeWriterServices.h"
#include "codegen/ControlCodeWriter.h"
#include "codegen/GenerateProject.h"
#include "codegen/ISourceText.h"
#include "codegen/NewProjectSettings.h"
#include "codegen/RetrieveControls.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

// Files on disk only: no document is ever open.
class DiskSourceText : public morva::ISourceText {
public:
    explicit DiskSourceText(platform::FileSystem& fs) : m_fs(fs) {}
    bool IsSourceOpen(const std::string&) const override { return false; }
    bool InsertTextAt(const std::string&, int, int, const std::string&) override { return false; }
    bool ReplaceRangeAt(const std::string&, int, int, int, int, const std::string&) override { return false; }
    bool DeleteLinesAt(const std::string&, int, int) override { return false; }
    bool InsertTextInFile(const std::string&, int64_t, const std::string&) override { return false; }
    bool ReplaceRangeInFile(const std::string&, int64_t, int64_t, const std::string&) override { return false; }
    bool DeleteRangeInFile(const std::string&, int64_t, int64_t) override { return false; }
    bool WriteWholeFile(const std::string& path, const std::string& text) override
    {
        return m_fs.writeWholeFile(path, text).isOk();
    }
    bool SaveSource(const std::string&) override { return false; }
    void OpenSourceAtLine(const std::string&, int) override {}

private:
    platform::FileSystem& m_fs;
};

// A new project "bench" in a fresh temporary folder, parsed.
struct BenchProject {
    std::string host;
    platform::FileSystem fs;
    platform::MessageService messages;
    morva::CodegenContext context{fs, messages};
    DiskSourceText sources{fs};
    morva::CProject project{fs, messages};
    morva::CClassParser parser{project, fs, messages};
    morva::CodeWriterServices services{context, sources, project, parser};

    BenchProject()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "morva-bench-XXXXXX").string();
        host = mkdtemp(pattern.data()) ? pattern : std::string();
        const std::string root = fs.toWindowsPath(host);
        morva::NewProjectSettings s;
        s.location = root + "\\bench";
        s.projectName = "bench";
        s.className = "CForm1";
        s.headerFile = "form1.h";
        s.implFile = "form1.cpp";
        s.ideVersion = "6.0";
        (void)morva::GenerateProject(s, context);
        (void)project.OpenProjectFile(root + "\\bench\\bench.dsp");
        for (const std::string& file : project.GetFiles())
            if (file.ends_with(".h") || file.ends_with(".cpp"))
                (void)parser.ParseFile(file);
        parser.ResolveBaseClasses();
    }
    ~BenchProject()
    {
        std::error_code ec;
        std::filesystem::remove_all(host, ec);
    }
    morva::CClassItem& Form() { return *project.FindClass("CForm1"); }
};

void BM_AddControlsOnDisk(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto bench = std::make_unique<BenchProject>();
        state.ResumeTiming();
        long counter = 1000;
        for (int i = 0; i < count; ++i) {
            morva::NewControl control;
            control.typeCode = morva::kTypeTextBox + i % 3;
            control.rect = {i, i, i + 50, i + 20};
            const auto added = morva::AddControl(bench->services, bench->Form(), control, counter);
            counter = added ? added->controlCounter : counter;
        }
        benchmark::DoNotOptimize(counter);
        state.PauseTiming();
        if (counter != 1000 + count)
            state.SkipWithError("a control was not added");
        bench.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AddControlsOnDisk)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ParseAndRetrieveControls(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    BenchProject bench;
    morva::CClassItem& form = bench.Form();
    std::string header = bench.fs.readWholeFile(form.m_strHeaderFile).value();
    const std::string sourcePath = form.FindFunction("CreateTFXControls")->m_strFile;
    std::string source = bench.fs.readWholeFile(sourcePath).value();
    std::string declarations, creations, resourceHeader, script = "STRINGTABLE DISCARDABLE\r\nBEGIN\r\n";
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        declarations += "\tCXTextBox\tm_TextBox" + n + ";\r\n";
        creations += "\tm_TextBox" + n + ".Create(this, IDC_TEXTBOX" + n + ", IDS_PROP_TEXTBOX" + n + ");\r\n";
        resourceHeader += "#define\tIDC_TEXTBOX" + n + "\t\t\t\t" + std::to_string(1000 + i) + "\r\n";
        script += "\tIDS_PROP_TEXTBOX" + n + "\t\t\t\"0,12632256,1,MS Sans Serif,0,0,14,0,0,0," + n + ",0,Text" + n +
                  ",\"\r\n";
    }
    script += "END\r\n";
    header.insert(header.find("\t//}}AFX_TFX_CTRL_DECLR_END"), declarations);
    source.insert(source.find("\t//}}AFX_TFX_CTRL_IMPL_END"), creations);
    for (auto _ : state) {
        bench.parser.ReparseText(form.m_strHeaderFile, header);
        bench.parser.ReparseText(sourcePath, source);
        morva::RetrieveControls(bench.project, {script, resourceHeader, {}, bench.messages});
        benchmark::DoNotOptimize(form.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseAndRetrieveControls)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace
