// Prints how long a command file of 10,000 items takes to load (at start
// and as an import) and to save, with the portable store.
#include <benchmark/benchmark.h>

#include <string>

#include "CommandFile.h"
#include "ItemStore.h"
#include "StoreAccess.h"

namespace {

constexpr int kGroups = 1000;
constexpr int kMacrosPerGroup = 9;  // with the groups, 10,000 items

// A store full of items with texts of typical lengths.
void Fill(ItemStore& store) {
    for (int g = 1; g <= kGroups; ++g) {
        TBGroupRecord group = FreshBGroupRecord();
        CopyText(group.ID, "A" + std::to_string(g));
        CopyText(group.Name, "Application " + std::to_string(g));
        CopyText(group.IRCommand, "KEY_G" + std::to_string(g));
        CopyText(group.MacroID, "M" + std::to_string((g - 1) * kMacrosPerGroup + 1));
        store.addBGroup(group);
        for (int m = 1; m <= kMacrosPerGroup; ++m) {
            const int number = (g - 1) * kMacrosPerGroup + m;
            TMacroRecord macro = FreshMacroRecord();
            CopyText(macro.ID, "M" + std::to_string(number));
            CopyText(macro.Name, "Macro " + std::to_string(number));
            CopyText(macro.AppID, group.ID);
            CopyText(macro.IRCommand, "KEY_" + std::to_string(m) + ";KEY_OK");
            CopyText(macro.Commands, "CTRL+C,PAUSE:200,TYPE:Hello world,ALT+TAB,CTRL+V,ENTER");
            CopyText(macro.TargetFile, "application" + std::to_string(g) + ".exe");
            CopyText(macro.TargetCaption, "Application");
            macro.OSD = 1;
            store.addMacro(macro);
        }
    }
}

const std::string& FileText() {
    static const std::string text = [] {
        ItemStore store;
        Fill(store);
        StoreAccess access(store);
        return AllItemsText(access);
    }();
    return text;
}

void LoadAtStart(benchmark::State& state) {
    for (auto _ : state) {
        ItemStore store;
        StoreAccess access(store);
        LoadItemsText(access, FileText(), false);
        benchmark::DoNotOptimize(store.getNewMacroID());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(FileText().size()));
}

void Import(benchmark::State& state) {
    for (auto _ : state) {
        ItemStore store;
        StoreAccess access(store);
        LoadItemsText(access, FileText(), true);
        benchmark::DoNotOptimize(store.getNewMacroID());
    }
}

void Save(benchmark::State& state) {
    ItemStore store;
    Fill(store);
    StoreAccess access(store);
    for (auto _ : state) benchmark::DoNotOptimize(AllItemsText(access));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(FileText().size()));
}

BENCHMARK(LoadAtStart)->Unit(benchmark::kMillisecond);
BENCHMARK(Import)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
