// Symbol lookups and the next string identifier over a resource.h and a script with thousands
// of entries.
#include "codegen/ResourceText.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct ResourceTexts {
    std::string header;
    std::string script;
};

ResourceTexts MakeTexts(int entries)
{
    ResourceTexts texts;
    texts.header = "//{{NO_DEPENDENCIES}}\r\n// Generated include file.\r\n//\r\n";
    texts.script = "// script\r\n#include \"resource.h\"\r\n\r\nSTRINGTABLE DISCARDABLE\r\nBEGIN\r\n";
    for (int i = 0; i < entries; ++i) {
        const std::string n = std::to_string(i);
        texts.header += "#define IDC_CONTROL" + n + "                  " + std::to_string(5000 + i) + "\r\n";
        texts.header += "#define IDS_CONTROL" + n + "                  " + std::to_string(20000 + i) + "\r\n";
        texts.script += "    IDS_CONTROL" + n + "          \"1,2,3,Text" + n + ",\"\"quoted\"\",0\"\r\n";
    }
    texts.header += "\r\n#ifdef APSTUDIO_INVOKED\r\n#define _APS_NEXT_CONTROL_VALUE 9000\r\n#endif\r\n";
    texts.script += "END\r\n";
    return texts;
}

void BM_SymbolValueOfLastSymbol(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    const ResourceTexts texts = MakeTexts(entries);
    const std::string symbol = "IDS_CONTROL" + std::to_string(entries - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(morva::SymbolValue(texts.header, symbol));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * texts.header.size()));
}
BENCHMARK(BM_SymbolValueOfLastSymbol)->Arg(1000)->Arg(4000);

void BM_NextStringId(benchmark::State& state)
{
    const ResourceTexts texts = MakeTexts(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(morva::NextStringId(texts.script, texts.header));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NextStringId)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace
