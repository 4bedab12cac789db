// A driver library written for version 1 of the driver interface, whose host
// ends before status: it reads only context and press. It reports one press
// when started. Without getDriverName, so no driver list shows it.
#include <windows.h>

#include "receiver/win/ReceiverDriver.h"

namespace {

struct Version1Host {
    void* context;
    void (*press)(void* context, const char* command, int repeatCount);
};

Version1Host host;

void* Open(const TovReceiverHost* offered) {
    host = Version1Host{offered->context, offered->press};
    return &host;
}
void Close(void*) {}
bool Start(void*) {
    host.press(host.context, "old.KEY_OK", 0);
    return true;
}
void Stop(void*) {}
void Settings(HWND) {}

const TovReceiverDriver kFunctions{&Open, &Close, &Start, &Stop, nullptr, &Settings};

}  // namespace

extern "C" __declspec(dllexport) const TovReceiverDriver* tovReceiverDriver(unsigned version) {
    return version == 1 ? &kFunctions : nullptr;
}
