// Look-up time of findItemByCommand for stores of 100, 1,000 and 10,000
// items and received sequences of 1 to 4 buttons.
//
// The store is laid out like a real one, only bigger: groups of 48 macros on
// the buttons of a 48-button remote whose codes come in two variants (a toggle
// bit), group commands that begin with a MENU button, and general macros on
// an FN button. The look-up finds a macro of the active group.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "store/ItemStore.h"
#include "tests/support/StoreTestItems.h"

namespace {

constexpr int kButtons = 48;
constexpr int kGroupSize = 1 + kButtons;

std::string ButtonCode(int button, bool toggled) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%03X", (button % kButtons) + (toggled ? 0x900 : 0x100));
    return code;
}

std::string Learnt(int button) { return ButtonCode(button, false) + ',' + ButtonCode(button, true); }

// Macro k of a group: 12 macros each of 1, 2, 3 and 4 buttons, each on its own first button.
int ButtonOf(int macro, int position) { return position == 0 ? macro : (macro * 7 + position) % kButtons; }
int LengthOf(int macro) { return 1 + macro / (kButtons / 4); }

void FillStore(ItemStore& store, int items) {
    const int groups = items / kGroupSize;
    for (int g = 0; g < groups; ++g) {
        const std::string groupID = "A" + std::to_string(g + 1);
        store.addBGroup(GroupRecord(groupID, "MENU;" + Learnt(g) + ';' + Learnt(g / kButtons)));
        for (int k = 0; k < kButtons; ++k) {
            std::string command;
            for (int position = 0; position < LengthOf(k); ++position) {
                command += (position == 0 ? "" : ";") + Learnt(ButtonOf(k, position));
            }
            store.addMacro(MacroRecord(store.getNewMacroID(), groupID, command));
        }
    }
    for (int m = groups * kGroupSize; m < items; ++m) {
        store.addMacro(MacroRecord(store.getNewMacroID(), "", "FN;" + Learnt(m)));
    }
}

void BM_FindItemByCommand(benchmark::State& state) {
    const int items = int(state.range(0));
    const int buttons = int(state.range(1));
    ItemStore store;
    FillStore(store, items);
    const int active = items / kGroupSize / 2 + 1;
    store.activateBGroup(("A" + std::to_string(active)).c_str());

    const int macro = (buttons - 1) * (kButtons / 4) + 5;
    std::string sequence;
    for (int position = 0; position < buttons; ++position) {
        sequence += (position == 0 ? "" : ";") + ButtonCode(ButtonOf(macro, position), position % 2 == 1);
    }
    const std::string expected = "M" + std::to_string((active - 1) * kButtons + macro + 1);
    if (store.findItemByCommand(sequence.c_str(), false).id != expected) {
        state.SkipWithError("the sequence did not select its macro");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(store.findItemByCommand(sequence.c_str(), false));
}

BENCHMARK(BM_FindItemByCommand)
    ->ArgsProduct({{100, 1000, 10000}, {1, 2, 3, 4}})
    ->ArgNames({"items", "buttons"});

}  // namespace

BENCHMARK_MAIN();
