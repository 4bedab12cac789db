// Measures how long a press takes from its arrival at the driver (written
// to the local channel or to the network receiver's socket) until tovdrv
// calls the callback on the user-interface thread. Prints the figures.
#include <windows.h>
#include <winsock2.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "core/Settings.h"
#include "receiver/LocalProtocol.h"
#include "receiver/win/LocalChannel.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/WinTestSupport.h"

namespace {

constexpr int kPresses = 300;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Presses one button at a time from another thread through write(), and
// times each until the callback has it.
std::vector<double> Measure(const std::function<bool(int)>& write) {
    Recorder recorder;
    std::vector<double> sentAt(kPresses), latencies;
    HANDLE received = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    recorder.duringCall = [&](const std::string&) {
        latencies.push_back(Now() - sentAt[latencies.size()]);
        SetEvent(received);
    };
    std::thread sender([&] {
        for (int i = 0; i < kPresses; ++i) {
            sentAt[i] = Now();
            if (!write(i) || WaitForSingleObject(received, 5000) != WAIT_OBJECT_0) return;
            Sleep(2);  // the next press after the host is idle again
        }
    });
    PumpUntil([&] { return latencies.size() == kPresses; }, std::chrono::milliseconds(60000));
    sender.join();
    CloseHandle(received);
    return latencies;
}

void Print(const char* receiver, std::vector<double> latencies) {
    if (latencies.size() < kPresses) {
        std::printf("%-8s only %zu of %d presses arrived\n", receiver, latencies.size(), kPresses);
        return;
    }
    std::sort(latencies.begin(), latencies.end());
    auto at = [&](double share) {
        return latencies[static_cast<std::size_t>(share * (latencies.size() - 1))];
    };
    std::printf("%-8s %d presses: min %.3f ms, median %.3f ms, 95%% %.3f ms, max %.3f ms\n", receiver,
                kPresses, at(0), at(0.5), at(0.95), at(1));
}

bool Start() {
    if (!DRV_Init() || !DRV_Activate()) return false;
    DRV_SetPause(false);
    return true;
}

void MeasureLocal() {
    SettingOverride driver(setting::Driver, "");
    if (!Start()) return std::puts("local: the receiver did not start"), void();
    HANDLE pipe = CreateFileA(LocalPipeName().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Print("local", Measure([&](int i) {
              const std::string line = FormatLocalPress({"P" + std::to_string(i), 0});
              DWORD written;
              return WriteFile(pipe, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) != 0;
          }));
    CloseHandle(pipe);
    DRV_Close();
}

void MeasureNetwork() {
    unsigned short listening = 0;
    const SOCKET listener = ListenOnLoopback(listening);
    SettingOverride driver(setting::Driver, "tovnet.dll");
    SettingOverride host(setting::NetworkHost, "127.0.0.1");
    SettingOverride port(setting::NetworkPort, listening);
    if (!Start()) return std::puts("network: the receiver did not start"), void();
    SOCKET server = accept(listener, nullptr, nullptr);
    Print("network", Measure([&](int i) {
              const std::string line = "0000000000000001 00 P" + std::to_string(i) + " remote\n";
              return send(server, line.data(), static_cast<int>(line.size()), 0) ==
                     static_cast<int>(line.size());
          }));
    DRV_Close();
    closesocket(server);
    closesocket(listener);
    WSACleanup();
}

}  // namespace

int main() {
    SetCurrentDirectoryA(TestProgramFolder().c_str());
    SettingOverride skip(setting::Skip, 0);
    SettingOverride pressDelay(setting::PressDelay, 0);
    MeasureLocal();
    MeasureNetwork();
    return 0;
}
