// Prints two figures of the real executor, clock and item store: how long a
// received button takes to reach its first key event with 10,000 items in
// the store, and the processor time that a macro's PAUSE:2000 costs.
#include <windows.h>

#include <cstdio>

#include "app/logic/Dispatcher.h"
#include "app/logic/MacroExecutor.h"
#include "app/win/TovdataItems.h"
#include "app/win/WinClock.h"
#include "app/win/WinDesktop.h"
#include "core/win/SystemKeyboardLayout.h"
#include "store/tovdata.h"
#include "tests/app/win/RecordingHooks.h"
#include "tests/support/TargetProgram.h"
#include "tests/support/TestWindow.h"

namespace {
double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return Seconds(kernel) + Seconds(user);
}
}  // namespace

// Counts the key events and remembers when the first one went out.
class TimingDesktop : public WinDesktop {
  public:
    void KeyEvent(uint8_t virtualKey, bool up) override {
        if (!first.QuadPart) QueryPerformanceCounter(&first);
        WinDesktop::KeyEvent(virtualKey, up);
    }
    LARGE_INTEGER first{};
};

void CallbackToFirstKey() {
    // Half groups, half macros: each kind holds at most 9999.
    for (int i = 0; i < 5000; ++i) {
        TBGroupRecord group = FreshBGroupRecord();
        CopyText(group.ID, getNewBGroupID());
        CopyText(group.IRCommand, "remote.group" + std::to_string(i));
        addBGroup(&group);
    }
    for (int i = 0; i < 5000; ++i) {
        TMacroRecord macro = FreshMacroRecord();
        CopyText(macro.ID, getNewMacroID());
        CopyText(macro.Commands, "TAB");
        CopyText(macro.IRCommand, "remote.button" + std::to_string(i));
        macro.CurrentWindow = 1;
        addMacro(&macro);
    }
    TovdataItems items;
    TimingDesktop desktop;
    WinClock clock;
    RecordingHooks hooks;
    NoTimers timers;
    MacroExecutor executor(items, desktop, clock, hooks, CurrentKeyboardLayout());
    Dispatcher dispatcher(items, desktop, timers, hooks, executor);
    TargetProgram window("Figures");
    LARGE_INTEGER frequency, start;
    QueryPerformanceFrequency(&frequency);
    double total = 0;
    const int presses = 100;
    for (int i = 0; i < presses; ++i) {
        desktop.first.QuadPart = 0;
        QueryPerformanceCounter(&start);
        dispatcher.ReceiveIRCommand(("remote.button" + std::to_string(i * 47)).c_str());
        total += static_cast<double>(desktop.first.QuadPart - start.QuadPart) / frequency.QuadPart;
        PumpMessages(1);
    }
    std::printf(
        "A received button reached its first key event in %.1f us on average (10,000 items, %d presses)\n",
        total / presses * 1e6, presses);
}

int main() {
    CallbackToFirstKey();
    TovdataItems items;
    WinDesktop desktop;
    WinClock clock;
    RecordingHooks hooks;
    MacroExecutor executor(items, desktop, clock, hooks, CurrentKeyboardLayout());
    TMacroRecord record = FreshMacroRecord();
    CopyText(record.ID, getNewMacroID());
    CopyText(record.Commands, "PAUSE:2000");
    record.CurrentWindow = 1;
    addMacro(&record);

    const double processorBefore = ProcessorSeconds();
    const DWORD start = GetTickCount();
    executor.ExecuteMacro(record.ID, false, -1);
    const DWORD waited = GetTickCount() - start;
    const double processor = ProcessorSeconds() - processorBefore;
    std::printf("PAUSE:2000 waited %lu ms and used %.1f ms of processor time\n",
                static_cast<unsigned long>(waited), processor * 1000);
    return 0;
}
