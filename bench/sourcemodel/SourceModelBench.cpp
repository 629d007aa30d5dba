// Class parser throughput: a freshly generated project read from disk, and synthetic form
// headers and sources of growing size (the cost should grow linearly with the text).

#include "codegen/GenerateProject.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// One form class per block: members, inline functions, generated blocks and comments.
std::string SyntheticHeader(int classes)
{
    std::string text;
    for (int i = 0; i < classes; ++i) {
        const std::string name = "CForm" + std::to_string(i);
        text += "/////////////////////////////////////////////\r\n// " + name + " form { not code }\r\n";
        text += "class " + name + " : public CXForm\r\n{\r\n\tDECLARE_DYNCREATE(" + name + ")\r\npublic:\r\n";
        text += "\t" + name + "();\r\n\t~" + name + "();\r\n\t//{{AFX_TFX_CTRL_DECLR_START\r\n";
        for (int m = 0; m < 8; ++m)
            text += "\tCXTextBox m_Text" + std::to_string(m) + ";\r\n\tCXButtonArray m_Command" + std::to_string(m) + ";\r\n";
        text += "\t//}}AFX_TFX_CTRL_DECLR_END\r\n\tint Count() const { return m_n; }\r\n";
        text += "\tconst char* Name() { return \"}{ /* \"; }\r\n";
        text += "\t//{{AFX_VIRTUAL(" + name + ")\r\n\t//}}AFX_VIRTUAL\r\nprotected:\r\n\tint m_n;\r\n";
        text += "\tvirtual void CreateTFXControls();\r\n\t//{{AFX_MSG(" + name + ")\r\n\tafx_msg void OnPaint();\r\n";
        text += "\t//}}AFX_MSG\r\n\tDECLARE_MESSAGE_MAP()\r\n};\r\n\r\n";
    }
    return text;
}

std::string SyntheticSource(int classes)
{
    std::string text;
    for (int i = 0; i < classes; ++i) {
        const std::string name = "CForm" + std::to_string(i);
        text += name + "::" + name + "()\r\n{\r\n\t//{{AFX_TFX_FORM_DATA_START\r\n\tm_nPropStringID = IDS_PROP_" +
                std::to_string(i) + ";\r\n\t//}}AFX_TFX_FORM_DATA_END\r\n}\r\n";
        text += "BEGIN_MESSAGE_MAP(" + name + ", CXForm)\r\n\t//{{AFX_MSG_MAP(" + name +
                ")\r\n\tON_WM_PAINT()\r\n\t//}}AFX_MSG_MAP\r\nEND_MESSAGE_MAP()\r\n";
        text += "void " + name + "::CreateTFXControls()\r\n{\r\n\t//{{AFX_TFX_CTRL_IMPL_START\r\n";
        for (int m = 0; m < 8; ++m)
            text += "\tm_Text" + std::to_string(m) + ".Create(this, IDC_TEXT" + std::to_string(m) + ", IDS_PROP_TEXT" +
                    std::to_string(m) + ");\r\n";
        text += "\t//}}AFX_TFX_CTRL_IMPL_END\r\n}\r\n";
        text += "void " + name + "::OnPaint()\r\n{\r\n\tif (m_n) { CXForm::OnPaint(); }\r\n\tDrawTFXGraphicalCtrls();\r\n}\r\n";
    }
    return text;
}

void BM_ParseHeader(benchmark::State& state)
{
    const std::string header = SyntheticHeader(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        platform::FileSystem files;
        platform::MessageService messages;
        morva::CProject project(files, messages);
        morva::CClassParser parser(project, files, messages);
        parser.ParseText("Z:\\forms.h", header);
        benchmark::DoNotOptimize(project.GetClasses().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * header.size()));
    state.counters["lines"] = static_cast<double>(std::count(header.begin(), header.end(), '\n'));
}
BENCHMARK(BM_ParseHeader)->Arg(25)->Arg(100)->Arg(400);

void BM_ParseHeaderAndSource(benchmark::State& state)
{
    const int classes = static_cast<int>(state.range(0));
    const std::string header = SyntheticHeader(classes);
    const std::string source = SyntheticSource(classes);
    for (auto _ : state) {
        platform::FileSystem files;
        platform::MessageService messages;
        morva::CProject project(files, messages);
        morva::CClassParser parser(project, files, messages);
        parser.ParseText("Z:\\forms.h", header);
        parser.ParseText("Z:\\forms.cpp", source);
        benchmark::DoNotOptimize(project.GetClasses().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * (header.size() + source.size())));
}
BENCHMARK(BM_ParseHeaderAndSource)->Arg(25)->Arg(100);

void BM_ParseGeneratedProject(benchmark::State& state)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "morva-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    platform::FileSystem files;
    platform::MessageService messages;
    morva::NewProjectSettings settings;
    settings.location = files.toWindowsPath(pattern + "/test");
    settings.projectName = "test";
    settings.className = "CForm1";
    settings.headerFile = "form1.h";
    settings.implFile = "form1.cpp";
    settings.ideVersion = "6.0";
    if (!morva::GenerateProject(settings, morva::CodegenContext{files, messages})) {
        state.SkipWithError("project not generated");
        return;
    }
    int64_t bytes = 0;
    for (auto _ : state) {
        morva::CProject project(files, messages);
        project.OpenProjectFile(settings.location + "\\test.dsp");
        morva::CClassParser parser(project, files, messages);
        for (const std::string& file : project.GetFiles()) {
            parser.ParseFile(file);
            const auto text = files.readWholeFile(file);
            bytes += text ? static_cast<int64_t>(text.value().size()) : 0;
        }
        parser.ResolveBaseClasses();
        benchmark::DoNotOptimize(project.GetClasses().size());
    }
    state.SetBytesProcessed(bytes);
    std::filesystem::remove_all(pattern);
}
BENCHMARK(BM_ParseGeneratedProject);

// The same corpus on disk, parsed from its files and, for comparison, tagged by Universal
// Ctags in the same run when it is installed.
class Corpus {
public:
    Corpus()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "morva-corpus-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        m_folder = pattern;
        // About 6.5 MB in 40 files: large enough that start-up costs of either tool do not count.
        const std::string header = SyntheticHeader(200);
        const std::string source = SyntheticSource(200);
        std::ofstream list(m_folder + "/list");
        for (int i = 0; i < 20; ++i) {
            std::string stem = "f";
            stem += std::to_string(i);
            for (const auto& [name, text] : {std::pair{stem + ".h", &header}, std::pair{stem + ".cpp", &source}}) {
                std::ofstream(m_folder + "/" + name, std::ios::binary) << *text;
                m_paths.push_back(m_folder + "/" + name);
                list << m_folder << "/" << name << "\n";
                m_bytes += static_cast<int64_t>(text->size());
            }
        }
    }
    ~Corpus()
    {
        if (!m_folder.empty())
            std::filesystem::remove_all(m_folder);
    }
    std::string m_folder;
    std::vector<std::string> m_paths;
    int64_t m_bytes = 0;
};

Corpus& TheCorpus()
{
    static Corpus corpus;
    return corpus;
}

void BM_ParseCorpusFiles(benchmark::State& state)
{
    Corpus& corpus = TheCorpus();
    platform::FileSystem files;
    for (auto _ : state) {
        platform::MessageService messages;
        morva::CProject project(files, messages);
        morva::CClassParser parser(project, files, messages);
        for (const std::string& path : corpus.m_paths)
            parser.ParseFile(files.toWindowsPath(path));
        benchmark::DoNotOptimize(project.GetClasses().size());
    }
    state.SetBytesProcessed(state.iterations() * corpus.m_bytes);
}
BENCHMARK(BM_ParseCorpusFiles)->Unit(benchmark::kMillisecond);

void BM_UniversalCtagsSameCorpus(benchmark::State& state)
{
    Corpus& corpus = TheCorpus();
    if (std::system("ctags --version > /dev/null 2>&1") != 0) {
        state.SkipWithError("ctags is not installed");
        return;
    }
    const std::string command = "ctags --languages=C++ -f - -L " + corpus.m_folder + "/list > /dev/null";
    // The processor time ctags itself spends (user and system, from the finished child), so
    // that both tools are measured the same way even on a busy machine.
    auto childSeconds = [] {
        rusage usage {};
        getrusage(RUSAGE_CHILDREN, &usage);
        const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
        return seconds(usage.ru_utime) + seconds(usage.ru_stime);
    };
    for (auto _ : state) {
        const double before = childSeconds();
        benchmark::DoNotOptimize(std::system(command.c_str()));
        state.SetIterationTime(childSeconds() - before);
    }
    state.SetBytesProcessed(state.iterations() * corpus.m_bytes);
}
BENCHMARK(BM_UniversalCtagsSameCorpus)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace
