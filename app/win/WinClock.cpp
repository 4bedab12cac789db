#include "app/win/WinClock.h"

#include <windows.h>

#include "core/win/PendingMessages.h"

uint32_t WinClock::TickCount() { return GetTickCount(); }

void WinClock::Wait(uint32_t milliseconds, bool processMessages) {
    const DWORD start = GetTickCount();
    if (!processMessages) {
        // Sleep may end a tick early as the tick counter sees it: at least
        // the whole time is what a pause promises.
        for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start)
            Sleep(milliseconds - elapsed);
        return;
    }
    for (;;) {
        if (!ProcessPendingMessages()) return;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return;
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
