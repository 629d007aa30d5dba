// Adding a form to a project whose resource script already holds many strings, and the edit
// of an open document that carries the new lines.
#include "codegen/CodegenContext.h"
#include "codegen/GenerateForm.h"
#include "codegen/GenerateProject.h"
#include "codegen/ISourceText.h"
#include "codegen/NewProjectSettings.h"
#include "codegen/SourceTextChange.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CProject.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Files on disk only; an "open document" keeps its text in memory and takes line-and-column
// replacements.
class BenchSourceText : public morva::ISourceText {
public:
    explicit BenchSourceText(platform::FileSystem& fs) : m_fs(fs) {}
    bool IsSourceOpen(const std::string&) const override { return m_open; }
    bool InsertTextAt(const std::string&, int, int, const std::string&) override { return false; }
    bool ReplaceRangeAt(const std::string&, int firstLine, int firstColumn, int lastLine, int lastColumn,
                        const std::string& text) override
    {
        const size_t first = offsetOf(firstLine, firstColumn);
        const size_t last = offsetOf(lastLine, lastColumn);
        m_document.replace(first, last - first, text);
        return true;
    }
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

    bool m_open = false;
    std::string m_document;

private:
    size_t offsetOf(int line, int column) const
    {
        size_t at = 0;
        for (int l = 1; l < line; ++l)
            at = m_document.find('\n', at) + 1;
        return at + static_cast<size_t>(column - 1);
    }
    platform::FileSystem& m_fs;
};

// A new project whose script's string table and resource.h hold `strings` extra entries.
struct BenchProject {
    std::string host;
    platform::FileSystem fs;
    platform::MessageService messages;
    morva::CodegenContext context{fs, messages};
    std::string folder;
    std::string header;
    std::string script;

    explicit BenchProject(int strings)
    {
        char pattern[] = "/tmp/morva-bench-newform-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        host = pattern;
        folder = fs.toWindowsPath(host) + "\\demo";
        morva::NewProjectSettings s;
        s.location = folder;
        s.projectName = "demo";
        s.className = "CForm1";
        s.headerFile = "form1.h";
        s.implFile = "form1.cpp";
        s.ideVersion = "6.0";
        if (!morva::GenerateProject(s, context))
            std::abort();
        header = fs.readWholeFile(folder + "\\resource.h").value();
        script = fs.readWholeFile(folder + "\\demo.rc").value();
        std::string defines;
        std::string entries;
        for (int i = 0; i < strings; ++i) {
            const std::string symbol = "IDS_PROP_TEXTBOX" + std::to_string(i);
            defines += "#define " + symbol + "\t\t\t\t" + std::to_string(20000 + i) + "\r\n";
            entries += "\t" + symbol + "\t\t\t\"1,0,0,0,120,24,Text" + std::to_string(i) + ",\"\r\n";
        }
        header.insert(header.find("#define IDS_PROP_FORM1"), defines);
        script.insert(script.find("\tIDS_PROP_FORM1"), entries);
        restore();
    }
    ~BenchProject() { std::filesystem::remove_all(host); }

    void restore()
    {
        (void)fs.writeWholeFile(folder + "\\resource.h", header);
        (void)fs.writeWholeFile(folder + "\\demo.rc", script);
        (void)fs.removeFile(folder + "\\form2.h");
        (void)fs.removeFile(folder + "\\form2.cpp");
    }
};

void BM_GenerateForm(benchmark::State& state)
{
    BenchProject project(static_cast<int>(state.range(0)));
    morva::CProject opened(project.fs, project.messages);
    if (!opened.OpenProjectFile(project.folder + "\\demo.dsp"))
        std::abort();
    BenchSourceText sources(project.fs);
    const morva::NewFormSettings settings{project.folder, "CForm2", "form2.h", "form2.cpp", false};
    for (auto _ : state) {
        state.PauseTiming();
        project.restore();
        int counter = 1000;
        std::vector<std::string> pending;
        state.ResumeTiming();
        if (!morva::GenerateForm(settings, project.context, {opened, sources, counter, pending}))
            state.SkipWithError("generation failed");
    }
}
BENCHMARK(BM_GenerateForm)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The resource header of a 10000-string project, open in the editor, gets its two edited lines.
void BM_OpenDocumentChange(benchmark::State& state)
{
    BenchProject project(10000);
    BenchSourceText sources(project.fs);
    sources.m_open = true;
    std::string edited = project.header;
    edited.insert(edited.find("#ifdef APSTUDIO_INVOKED"), "#define\tIDS_PROP_FORM2\t\t\t\t30000\r\n");
    for (auto _ : state) {
        state.PauseTiming();
        sources.m_document = project.header;
        state.ResumeTiming();
        morva::ApplySourceTextChange(sources, "resource.h", project.header, edited);
    }
    if (sources.m_document != edited)
        state.SkipWithError("the document did not get the edit");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(project.header.size()));
}
BENCHMARK(BM_OpenDocumentChange);

} // namespace
