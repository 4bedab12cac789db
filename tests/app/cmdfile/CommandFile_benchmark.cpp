// Prints how long command files of 10,000 and 100,000 items take to load
// (at start and as an import) and to save, with the portable store. Of the
// 100,000 items, numbered on past the IDs' range, 19,998 fit the store.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "app/cmdfile/CommandFile.h"
#include "app/cmdfile/CommandFileWriter.h"
#include "store/ItemStore.h"
#include "tests/app/cmdfile/StoreAccess.h"

namespace {

constexpr int kMacrosPerGroup = 9;  // with its group, 10 items

// The text of a file of groups with their macros, texts of typical lengths.
std::string MakeFileText(int items) {
    std::string text;
    for (int g = 1; g <= items / (kMacrosPerGroup + 1); ++g) {
        TBGroupRecord group = FreshBGroupRecord();
        CopyText(group.ID, "A" + std::to_string(g));
        CopyText(group.Name, "Application " + std::to_string(g));
        CopyText(group.IRCommand, "KEY_G" + std::to_string(g));
        CopyText(group.MacroID, "M" + std::to_string((g - 1) * kMacrosPerGroup + 1));
        AppendGroupLines(text, group);
        for (int m = 1; m <= kMacrosPerGroup; ++m) {
            const int number = (g - 1) * kMacrosPerGroup + m;
            TMacroRecord macro = FreshMacroRecord();
            // Written directly: IDs beyond M9999 do not fit the ID field.
            CopyText(macro.Name, "Macro " + std::to_string(number));
            CopyText(macro.AppID, group.ID);
            CopyText(macro.IRCommand, "KEY_" + std::to_string(m) + ";KEY_OK");
            CopyText(macro.Commands, "CTRL+C,PAUSE:200,TYPE:Hello world,ALT+TAB,CTRL+V,ENTER");
            CopyText(macro.TargetFile, "application" + std::to_string(g) + ".exe");
            CopyText(macro.TargetCaption, "Application");
            macro.OSD = 1;
            std::string lines;
            AppendMacroLines(lines, macro);
            text += "ID:M" + std::to_string(number) + lines.substr(lines.find("\r\n"));
        }
    }
    return text;
}

const std::string& FileText(int items) {
    static std::map<int, std::string> texts;
    auto found = texts.find(items);
    if (found == texts.end()) found = texts.emplace(items, MakeFileText(items)).first;
    return found->second;
}

void Load(benchmark::State& state, bool fromUser) {
    const std::string& text = FileText(int(state.range(0)));
    for (auto _ : state) {
        ItemStore store;
        StoreAccess access(store);
        benchmark::DoNotOptimize(LoadItemsText(access, text, fromUser));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void LoadAtStart(benchmark::State& state) { Load(state, false); }
void Import(benchmark::State& state) { Load(state, true); }

void Save(benchmark::State& state) {
    ItemStore store;
    StoreAccess access(store);
    LoadItemsText(access, FileText(int(state.range(0))), false);
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string text = AllItemsText(access);
        size = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
}

BENCHMARK(LoadAtStart)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Import)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
