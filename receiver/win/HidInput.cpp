#include "receiver/win/HidInput.h"

#include <utility>

#include "receiver/HidDeviceChoice.h"
#include "receiver/HidUsageNames.h"

namespace {

// A key that only accompanies another one (an escape code), not a key.
constexpr USHORT kFakeKey = 0xFF;

}  // namespace

HidInput::HidInput(const HostReporter& reporter, bool remotes, std::set<std::string> keyboards,
                   Describe describe)
    : reporter_(reporter),
      remotes_(remotes),
      keyboards_(std::move(keyboards)),
      describe_(std::move(describe)) {}

const HidDevice* HidInput::Device(HANDLE handle) {
    auto found = devices_.find(handle);
    if (found == devices_.end()) found = devices_.emplace(handle, describe_(handle)).first;
    return found->second ? &*found->second : nullptr;
}

void HidInput::Report(const HidDevice& device, const std::set<std::string>& down, Clock::time_point now) {
    for (const HidPress& press : buttons_.Report(device.name, down, now)) reporter_.Press(press.command, 0);
}

void HidInput::Handle(const RAWINPUT& input, Clock::time_point now) {
    const HidDevice* device = Device(input.header.hDevice);
    if (!device) return;
    if (input.header.dwType == RIM_TYPEKEYBOARD) {
        const RAWKEYBOARD& key = input.data.keyboard;
        if (!IsChosenKeyboard(keyboards_, device->name) || key.VKey == kFakeKey) return;
        std::set<std::string>& down = keysDown_[device->handle];
        if (key.Flags & RI_KEY_BREAK)
            down.erase(KeyboardCommand(key.VKey));
        else
            down.insert(KeyboardCommand(key.VKey));
        Report(*device, down, now);
        return;
    }
    if (input.header.dwType != RIM_TYPEHID || !remotes_) return;
    const RAWHID& hid = input.data.hid;
    for (DWORD i = 0; i < hid.dwCount; ++i) {
        const auto down = ButtonsDown(device->collection, hid.bRawData + i * hid.dwSizeHid, hid.dwSizeHid);
        if (!down) continue;
        std::set<std::string> commands;
        for (const HidUsage& usage : *down) commands.insert(HidButtonCommand(usage.page, usage.usage));
        Report(*device, commands, now);
    }
}

DWORD HidInput::Tick(Clock::time_point now) {
    if (std::optional<HidPress> repeat = buttons_.Due(now))
        reporter_.Press(repeat->command, repeat->repeatCount);
    const std::optional<Clock::time_point> next = buttons_.NextDue();
    if (!next) return INFINITE;
    // Rounded up, so that the wait does not end just before the repeat is due.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - now).count();
    return wait > 0 ? static_cast<DWORD>(wait) : 0;
}

void HidInput::Forget(HANDLE device) {
    const auto found = devices_.find(device);
    if (found != devices_.end() && found->second) buttons_.Report(found->second->name, {}, Clock::now());
    devices_.erase(device);
    keysDown_.erase(device);
}

void HidInput::ForgetAll() {
    devices_.clear();
    keysDown_.clear();
    buttons_.Clear();
}
