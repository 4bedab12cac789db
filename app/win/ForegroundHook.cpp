#include "app/win/ForegroundHook.h"

#include <utility>

namespace {
// The event procedure has no context of its own.
ForegroundHook* current = nullptr;
}  // namespace

ForegroundHook::ForegroundHook(std::function<void(HWND)> changed) : changed_(std::move(changed)) {
    current = this;
    // Tovanix's own windows (its dialogs, the display) belong to no group.
    hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, Event, 0, 0,
                            WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

ForegroundHook::~ForegroundHook() {
    if (hook_) UnhookWinEvent(hook_);
    if (current == this) current = nullptr;
}

void CALLBACK ForegroundHook::Event(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                                    DWORD) {
    if (event == EVENT_SYSTEM_FOREGROUND && object == OBJID_WINDOW && child == CHILDID_SELF && current)
        current->changed_(window);
}
