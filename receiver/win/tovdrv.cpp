// tovdrv.dll: the DRV_* exports over the selected receiver driver library.
// The driver reports presses from its own thread; Delivery queues them and
// the delivery window hands them to the callback on the host's thread.
#include "receiver/tovdrv.h"

#include <windows.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <optional>

#include "core/Guarded.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "receiver/Delivery.h"
#include "receiver/IRCommandText.h"
#include "receiver/win/DeliveryWindow.h"
#include "receiver/win/DriverLibrary.h"

namespace {

unsigned DeliverNext();

// Made on first use, never while the library is merely loaded.
struct State {
    Delivery delivery{[this] { window.Wake(); }};
    DeliveryWindow window{&DeliverNext};
    std::unique_ptr<DriverLibrary> library;
    void* receiver = nullptr;
    bool active = false;
};

State& TheState() {
    // Never destroyed: at process exit nothing is undone behind the host's back.
    static State* state = new State;
    return *state;
}

// How long one wake-up goes on handing over what waits before the host's
// other messages have their turn: one screen frame.
constexpr std::chrono::milliseconds kWakeTurn{16};

// Also watches for the release of a held button; the wait until the next look.
unsigned DeliverNext() {
    Delivery& delivery = TheState().delivery;
    const Delivery::Clock::time_point now = Delivery::Clock::now();
    const std::optional<Delivery::Clock::time_point> next = delivery.CheckRelease(now);
    delivery.DeliverNext([now] { return Delivery::Clock::now() - now < kWakeTurn; });
    if (!next) return INFINITE;
    return static_cast<unsigned>(std::chrono::ceil<std::chrono::milliseconds>(*next - now).count());
}

void Press(void*, const char* command, int repeatCount) {
    try {
        TheState().delivery.Arrive(command, repeatCount, Delivery::Clock::now());
    } catch (...) {
        // Out of memory: the press is lost.
    }
}

void Status(void*, const char* text) {
    try {
        TheState().delivery.ArriveStatus(text);
    } catch (...) {
        // Out of memory: the text is lost.
    }
}

const TovReceiverHost kHost{nullptr, &Press, &Status};

// A callback runs on the thread that sets it: the delivery window moves
// there. No callback when the window cannot be made.
template <typename Callback>
Callback OnThisThread(State& state, Callback callback) {
    return !callback.Proc || state.window.MoveToCurrentThread() ? callback : Callback{nullptr, nullptr};
}

bool Deactivate(State& state) {
    if (state.active) state.library->functions().stop(state.receiver);
    state.active = false;
    state.delivery.Clear();
    return true;
}

void Unload(State& state) {
    Deactivate(state);
    if (state.receiver) state.library->functions().close(state.receiver);
    state.receiver = nullptr;
    state.library.reset();
}

void Close(State& state) {
    Unload(state);
    state.delivery.SetCallback({nullptr, nullptr});
    state.delivery.SetStatusCallback({nullptr, nullptr});
    state.window.Close();
}

}  // namespace

bool DRV_Init() {
    return Guarded([] {
        State& state = TheState();
        Unload(state);
        state.library = DriverLibrary::LoadSelected();
        if (state.library) state.receiver = state.library->functions().open(&kHost);
        if (!state.receiver) state.library.reset();
        return state.receiver != nullptr;
    });
}

void DRV_Close() {
    Guarded([] { Close(TheState()); });
}

bool DRV_Activate() {
    return Guarded([] {
        State& state = TheState();
        if (!state.receiver) return false;
        if (state.active) return true;
        // Read at each activation, so a changed setting takes effect then.
        state.delivery.SetFirstRepeatDelay(
            {ReadSetting(setting::Skip), std::chrono::milliseconds(ReadSetting(setting::PressDelay))});
        state.delivery.SetHoldTime(std::chrono::milliseconds(ReadSetting(setting::HoldTime)));
        state.active = state.library->functions().start(state.receiver);
        return state.active;
    });
}

bool DRV_Deactivate() {
    return Guarded([] { return Deactivate(TheState()); });
}

bool DRV_IsActivated() {
    return Guarded([] { return TheState().active; });
}

void DRV_SetPause(bool paused) {
    Guarded([paused] { TheState().delivery.SetPause(paused); });
}

void DRV_SetRepeat(bool on) {
    Guarded([on] { TheState().delivery.SetRepeat(on); });
}

void DRV_SetHoldReports(bool on) {
    Guarded([on] { TheState().delivery.SetHoldReports(on); });
}

void DRV_SetIRCommandProc(TIRCommandProc proc) {
    Guarded([proc] {
        State& state = TheState();
        state.delivery.SetCallback(OnThisThread(state, proc));
        // Commands that waited for a window now closed go to the new one.
        state.window.Wake();
    });
}

TIRCommandProc DRV_GetIRCommandProc() {
    return Guarded(TIRCommandProc{nullptr, nullptr}, [] { return TheState().delivery.Callback(); });
}

void DRV_SetWatchProc(TWatchProc proc) {
    Guarded([proc] { TheState().delivery.SetWatchCallback(OnThisThread(TheState(), proc)); });
}

void DRV_SetStatusProc(TStatusProc proc) {
    Guarded([proc] {
        State& state = TheState();
        state.delivery.SetStatusCallback(OnThisThread(state, proc));
        // Texts that waited for a callback go to this one.
        state.window.Wake();
    });
}

bool DRV_LearnAvailable() {
    return Guarded([] {
        const State& state = TheState();
        return state.receiver && state.library->functions().learn != nullptr;
    });
}

void DRV_Learn(char* command) {
    command[0] = '\0';
    Guarded([command] {
        const State& state = TheState();
        if (!DRV_LearnAvailable()) return;
        TIRCommand learnt = "";
        state.library->functions().learn(state.receiver, learnt);
        learnt[sizeof learnt - 1] = '\0';
        const std::string text = MakeIRCommand(learnt);
        CopyFixedText(command, sizeof(TIRCommand), text);
    });
}

void DRV_Settings() {
    Guarded([] {
        std::unique_ptr<DriverLibrary> library = DriverLibrary::LoadSelected();
        if (library) library->functions().settings(GetActiveWindow());
    });
}
