// tovhid.dll, the Windows remotes (HID) receiver: a hidden message-only
// window on the receiver's own thread takes raw input in the background,
// with user rights only, from every device's consumer control, Media Center
// and system control collections and from the keyboards the user chose.
#include <windows.h>

#include <map>
#include <vector>

#include "core/Settings.h"
#include "core/win/Window.h"
#include "receiver/HidDeviceChoice.h"
#include "receiver/win/DriverBase.h"
#include "receiver/win/HidInput.h"
#include "receiver/win/TdlgHid.h"

namespace {

constexpr char kClassName[] = "TovanixHidReceiver";

// Sleep and resume reach a message-only window only when it asks
// (Windows 8 and later); before, nothing is told and nothing is lost.
using RegisterSuspendResume = HPOWERNOTIFY(WINAPI*)(HANDLE, DWORD);
using UnregisterSuspendResume = BOOL(WINAPI*)(HPOWERNOTIFY);

class RawInputWindow final : public TWindow {
  public:
    RawInputWindow(const HostReporter& reporter, bool remotes, std::set<std::string> keyboards)
        : reporter_(reporter),
          remotes_(remotes),
          chooseKeyboards_(!keyboards.empty()),
          keyboards_(keyboards),
          input_(reporter, remotes, std::move(keyboards)) {}
    ~RawInputWindow() override {
        Unregister();
        if (powerNotify_) Power<UnregisterSuspendResume>("UnregisterSuspendResumeNotification")(powerNotify_);
    }

    bool Open() {
        TWindowClass windowClass;
        windowClass.name = kClassName;
        if (!Create(windowClass, 0, "", 0, 0, 0, 0, 0, HWND_MESSAGE)) return false;
        if (auto subscribe = Power<RegisterSuspendResume>("RegisterSuspendResumeNotification"))
            powerNotify_ = subscribe(Handle(), DEVICE_NOTIFY_WINDOW_HANDLE);
        for (const HidDevice& device : PresentDevices())
            if (Wanted(device)) known_[device.handle] = device.label;
        TellOnce(ReceivingText(!known_.empty()));
        Register();
        return true;
    }

    // The wait until the next repeat, after the one due now.
    DWORD Tick() { return input_.Tick(HidInput::Clock::now()); }

  private:
    // A state is told when it begins, not again at each start (the host
    // restarts a receiver that was silent for a while).
    void TellOnce(const std::string& text) {
        static std::string told;
        if (text == told) return;
        told = text;
        reporter_.Status(text);
    }

    template <typename Function>
    static Function Power(const char* name) {
        return reinterpret_cast<Function>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
    }

    std::vector<RAWINPUTDEVICE> Collections(DWORD flags, HWND target) const {
        std::vector<RAWINPUTDEVICE> devices;
        if (remotes_)
            for (const HidUsage& c : kRemoteCollections) devices.push_back({c.page, c.usage, flags, target});
        if (chooseKeyboards_)
            devices.push_back({kKeyboardCollection.page, kKeyboardCollection.usage, flags, target});
        return devices;
    }

    // Each collection on its own, so that one Windows refuses costs no other.
    void Register() {
        for (RAWINPUTDEVICE& device : Collections(RIDEV_INPUTSINK | RIDEV_DEVNOTIFY, Handle()))
            RegisterRawInputDevices(&device, 1, sizeof device);
    }
    void Unregister() {
        for (RAWINPUTDEVICE& device : Collections(RIDEV_REMOVE, nullptr))
            RegisterRawInputDevices(&device, 1, sizeof device);
    }

    bool Wanted(const HidDevice& device) const {
        if (device.collection == HidCollection::kKeyboard) return IsChosenKeyboard(keyboards_, device.name);
        return remotes_ && device.collection != HidCollection::kOther;
    }

    // One remote is several collections with the same label: told once.
    bool LabelKnown(const std::string& label) const {
        for (const auto& [handle, known] : known_)
            if (known == label) return true;
        return false;
    }

    void DeviceChanged(WPARAM change, HANDLE handle) {
        if (change == GIDC_ARRIVAL) {
            // Registering tells of every device present, which are known already.
            if (known_.count(handle)) return;
            const std::optional<HidDevice> device = DescribeDevice(handle);
            if (!device || !Wanted(*device)) return;
            if (!LabelKnown(device->label)) reporter_.Status(DeviceAddedText(device->label));
            known_[handle] = device->label;
            return;
        }
        input_.Forget(handle);
        const auto found = known_.find(handle);
        if (found == known_.end()) return;
        const std::string label = found->second;
        known_.erase(found);
        if (!LabelKnown(label)) reporter_.Status(DeviceRemovedText(label));
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_INPUT: {
                UINT size = 0;
                const auto raw = reinterpret_cast<HRAWINPUT>(lParam);
                GetRawInputData(raw, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER));
                std::vector<BYTE> data(size);
                if (size &&
                    GetRawInputData(raw, RID_INPUT, data.data(), &size, sizeof(RAWINPUTHEADER)) == size)
                    input_.Handle(*reinterpret_cast<const RAWINPUT*>(data.data()), HidInput::Clock::now());
                break;  // the default procedure frees the input
            }
            case WM_INPUT_DEVICE_CHANGE:
                DeviceChanged(wParam, reinterpret_cast<HANDLE>(lParam));
                return 0;
            case WM_POWERBROADCAST:
                if (wParam == PBT_APMRESUMEAUTOMATIC) {
                    // A release during sleep never came; devices may have been re-enumerated.
                    input_.ForgetAll();
                    Register();
                }
                return TRUE;
        }
        return TWindow::HandleMessage(message, wParam, lParam);
    }

    const HostReporter reporter_;
    const bool remotes_;
    const bool chooseKeyboards_;
    const std::set<std::string> keyboards_;
    HidInput input_;
    std::map<HANDLE, std::string> known_;
    HPOWERNOTIFY powerNotify_ = nullptr;
};

class HidListener : public Listener {
  public:
    HidListener(bool remotes, std::set<std::string> keyboards)
        : remotes_(remotes), keyboards_(std::move(keyboards)) {}

    void Listen(HANDLE stop, const HostReporter& reporter) override {
        RawInputWindow window(reporter, remotes_, keyboards_);
        if (!window.Open()) return;
        for (DWORD wait = INFINITE;; wait = window.Tick()) {
            if (MsgWaitForMultipleObjects(1, &stop, FALSE, wait, QS_ALLINPUT) == WAIT_OBJECT_0) return;
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        }
    }

  private:
    const bool remotes_;
    const std::set<std::string> keyboards_;
};

std::unique_ptr<Listener> Begin() {
    return std::make_unique<HidListener>(ReadSetting(setting::HidRemotes) != 0,
                                         ChosenKeyboards(ReadSetting(setting::HidKeyboards)));
}

}  // namespace

const DriverDefinition kDriver{"Windows remotes (HID)", &Begin, &ShowHidSettings};
