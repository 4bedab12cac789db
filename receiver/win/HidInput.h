// What the raw input window does with each WM_INPUT once Windows has handed
// over its data: the remote collections' reports and the chosen keyboards'
// keys become presses, and held buttons repeat until their release.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "receiver/HeldButtons.h"
#include "receiver/win/DriverBase.h"
#include "receiver/win/HidDevices.h"

class HidInput {
  public:
    using Clock = HeldButtons::Clock;
    using Describe = std::function<std::optional<HidDevice>(HANDLE)>;

    // keyboards: the chosen keyboards (ChosenKeyboards of HidKeyboards).
    HidInput(const HostReporter& reporter, bool remotes, std::set<std::string> keyboards,
             Describe describe = &DescribeDevice);

    // One RAWINPUT as GetRawInputData gives it.
    void Handle(const RAWINPUT& input, Clock::time_point now);
    // Reports the repeat due by now; the milliseconds until the next one
    // (INFINITE while no button is held).
    DWORD Tick(Clock::time_point now);
    // A device went away or the computer slept: its buttons are up.
    void Forget(HANDLE device);
    void ForgetAll();

  private:
    const HidDevice* Device(HANDLE handle);
    void Report(const HidDevice& device, const std::set<std::string>& down, Clock::time_point now);

    const HostReporter reporter_;
    const bool remotes_;
    const std::set<std::string> keyboards_;
    const Describe describe_;
    std::map<HANDLE, std::optional<HidDevice>> devices_;
    std::map<HANDLE, std::set<std::string>> keysDown_;
    HeldButtons buttons_;
};
