// Prints the time from the receiver's callback to the first synthesized key
// event, with thousands of items in the store.
#include <benchmark/benchmark.h>

#include "app/logic/Dispatcher.h"
#include "app/logic/MacroExecutor.h"
#include "core/MemorySettings.h"
#include "core/Settings.h"
#include "tests/app/AppFakes.h"
#include "tests/support/UsKeyboardLayout.h"

namespace {

// Stops at the first key event: what is measured ends there.
class FirstKeyDesktop : public FakeDesktop {
  public:
    void KeyEvent(uint8_t, bool) override { ++keys; }
    int keys = 0;
};

void CallbackToFirstKey(benchmark::State& state) {
    MemorySettings settings;
    UseSettingsBackend(&settings);
    StoreItems items;
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; i < count / 2; ++i)
        items.AddGroup("Group " + std::to_string(i), "remote.group" + std::to_string(i));
    for (int i = count / 2; i < count; ++i)
        items.AddMacro("Macro " + std::to_string(i), "ENTER", "remote.button" + std::to_string(i));
    const std::string button = "remote.button" + std::to_string(count - 1);

    FirstKeyDesktop desktop;
    desktop.AddWindow(100, FakeWindow{"Target", "C:\\target.exe"});
    desktop.foreground = 100;
    FakeClock clock;
    FakeHooks hooks;
    FakeTimers timers;
    UsKeyboardLayout layout;
    MacroExecutor executor(items, desktop, clock, hooks, layout);
    Dispatcher dispatcher(items, desktop, timers, hooks, executor);
    for (auto _ : state) {
        dispatcher.ReceiveIRCommand(button.c_str());
        hooks.calls.clear();
        desktop.events.clear();
    }
    if (desktop.keys != 2 * static_cast<int>(state.iterations())) state.SkipWithError("no key was pressed");
    UseSettingsBackend(nullptr);
}
BENCHMARK(CallbackToFirstKey)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
