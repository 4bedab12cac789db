// The Windows remotes (HID) receiver under Wine: what it registers for raw
// input, its Configure dialog, and recorded reports fed through the same
// code as each WM_INPUT (Wine presents no remote collections of its own).
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <vector>

#include "core/Settings.h"
#include "receiver/HidDeviceChoice.h"
#include "receiver/tovdrv.h"
#include "receiver/win/HidInput.h"
#include "receiver/win/TdlgHidRes.h"
#include "tests/support/DialogSteps.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/WinTestSupport.h"

namespace {

using Registered = std::set<std::pair<USHORT, USHORT>>;

// What this process has registered for raw input, with a target window and
// in the background.
Registered RegisteredCollections() {
    UINT count = 0;
    GetRegisteredRawInputDevices(nullptr, &count, sizeof(RAWINPUTDEVICE));
    std::vector<RAWINPUTDEVICE> devices(count);
    if (count) count = GetRegisteredRawInputDevices(devices.data(), &count, sizeof(RAWINPUTDEVICE));
    Registered registered;
    for (UINT i = 0; i < count && count != static_cast<UINT>(-1); ++i)
        if (devices[i].hwndTarget && (devices[i].dwFlags & RIDEV_INPUTSINK))
            registered.insert({devices[i].usUsagePage, devices[i].usUsage});
    return registered;
}

// Wine's keyboard, as Configure lists it.
std::string WineKeyboard() {
    for (const HidDevice& device : PresentDevices())
        if (device.collection == HidCollection::kKeyboard) return device.name;
    return {};
}

class HidReceiverTest : public testing::Test {
  protected:
    void SetUp() override { SetCurrentDirectoryA(TestProgramFolder().c_str()); }
    void TearDown() override { DRV_Close(); }
    SettingOverride driver{setting::Driver, "tovhid.dll"};
    SettingOverride remotes{setting::HidRemotes, 1};
    SettingOverride keyboards{setting::HidKeyboards, ""};
};

TEST_F(HidReceiverTest, ActivatingRegistersTheCollectionsAndDeactivatingRemovesThem) {
    struct Case {
        std::string keyboards;
        Registered registered;
        std::string status;
    } cases[] = {{"", {{0x0C, 0x01}, {0xFFBC, 0x88}, {0x01, 0x80}}, "Tovanix finds no remote (HID)"},
                 {WineKeyboard(),
                  {{0x0C, 0x01}, {0xFFBC, 0x88}, {0x01, 0x80}, {0x01, 0x06}},
                  "Tovanix is receiving the buttons of Windows remotes (HID)."}};
    for (const Case& c : cases) {
        SettingOverride chosen(setting::HidKeyboards, c.keyboards);
        Recorder status;  // status texts come like commands
        ASSERT_TRUE(DRV_Init());
        DRV_SetStatusProc({status.proc().Proc, status.proc().Context});
        ASSERT_TRUE(DRV_Activate());
        EXPECT_TRUE(PumpUntil([&] { return RegisteredCollections().size() == c.registered.size(); }, 5s));
        EXPECT_EQ(RegisteredCollections(), c.registered) << c.keyboards;
        ASSERT_TRUE(status.WaitFor(1));
        EXPECT_EQ(status.commands[0].rfind(c.status, 0), 0u) << status.commands[0];
        DRV_Deactivate();
        EXPECT_EQ(RegisteredCollections(), Registered{});
        DRV_Close();
    }
}

TEST_F(HidReceiverTest, ConfigureListsWinesKeyboardAndStoresItsTick) {
    const std::string keyboard = WineKeyboard();
    ASSERT_NE(keyboard, "");
    std::vector<std::string> listed;
    bool allRemotes = false;
    DialogSteps steps({[&](HWND dialog) {
        allRemotes = IsDlgButtonChecked(dialog, IDC_HID_ALLREMOTES) == BST_CHECKED;
        HWND list = GetDlgItem(dialog, IDC_HID_DEVICES);
        for (int i = 0; i < ListView_GetItemCount(list); ++i) {
            char text[300] = "";
            ListView_GetItemText(list, i, 0, text, sizeof text);
            listed.push_back(text);
            ListView_SetCheckState(list, i, TRUE);  // refused for all but keyboards
        }
        CheckDlgButton(dialog, IDC_HID_ALLREMOTES, BST_UNCHECKED);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }});
    DRV_Settings();
    EXPECT_EQ(steps.done(), 1u);
    EXPECT_TRUE(allRemotes);
    ASSERT_FALSE(listed.empty());
    EXPECT_NE(listed[0].find("(VID 845E, PID 000"), std::string::npos) << listed[0];
    EXPECT_EQ(ReadSetting(setting::HidKeyboards), keyboard);
    EXPECT_EQ(ReadSetting(setting::HidRemotes), 0);
}

// Recorded reports through the code that each WM_INPUT runs, with devices
// described as a Media Center receiver and two keyboards present them.
class HidInputTest : public testing::Test {
  protected:
    // The devices' handles; none for keys that a program injects.
    enum Device : std::size_t {
        kInjected,
        kConsumer,
        kConsumer2,
        kMediaCenter,
        kRemoteKeyboard,
        kOtherKeyboard
    };

    static std::optional<HidDevice> Describe(HANDLE handle) {
        const std::pair<HidCollection, const char*> devices[] = {
            {HidCollection::kConsumer, "\\\\?\\HID#VID_0471&PID_0815&Col01"},
            {HidCollection::kConsumer, "\\\\?\\HID#VID_0471&PID_0815&Col04"},
            {HidCollection::kMediaCenter, "\\\\?\\HID#VID_0471&PID_0815&Col02"},
            {HidCollection::kKeyboard, "\\\\?\\HID#VID_1784&PID_0008&MI_00"},
            {HidCollection::kKeyboard, "\\\\?\\HID#VID_046D&PID_C31C&MI_00"}};
        const auto index = reinterpret_cast<std::size_t>(handle) - 1;
        if (index >= std::size(devices)) return std::nullopt;
        return HidDevice{handle, devices[index].first, devices[index].second, "label"};
    }

    static void Press(void* context, const char* command, int repeatCount) {
        static_cast<HidInputTest*>(context)->got.push_back(command + std::string(" ") +
                                                           std::to_string(repeatCount));
    }

    void Report(Device device, std::vector<BYTE> report) {
        std::vector<BYTE> buffer(
            std::max(sizeof(RAWINPUT), offsetof(RAWINPUT, data.hid.bRawData) + report.size()));
        auto& input = *reinterpret_cast<RAWINPUT*>(buffer.data());
        input.header = {RIM_TYPEHID, static_cast<DWORD>(buffer.size()), reinterpret_cast<HANDLE>(device), 0};
        input.data.hid.dwSizeHid = static_cast<DWORD>(report.size());
        input.data.hid.dwCount = 1;
        std::copy(report.begin(), report.end(), input.data.hid.bRawData);
        hid.Handle(input, now);
    }
    void Key(Device device, USHORT virtualKey, bool down) {
        RAWINPUT input{};
        input.header = {RIM_TYPEKEYBOARD, sizeof input, reinterpret_cast<HANDLE>(device), 0};
        input.data.keyboard.VKey = virtualKey;
        input.data.keyboard.Flags = down ? RI_KEY_MAKE : RI_KEY_BREAK;
        hid.Handle(input, now);
    }

    const TovReceiverHost host{this, &Press, nullptr};
    HidInput hid{HostReporter(host), true, ChosenKeyboards("\\\\?\\hid#vid_1784&pid_0008&mi_00"), &Describe};
    HidInput::Clock::time_point now{};
    std::vector<std::string> got;
};

TEST_F(HidInputTest, RemoteReportsAndChosenKeysBecomeCommands) {
    Report(kConsumer, {1, 0xCD, 0x00});
    Report(kConsumer2, {1, 0xCD, 0x00});  // the same press from the receiver's second collection
    Report(kConsumer, {1, 0, 0});
    Report(kConsumer2, {1, 0, 0});
    Report(kMediaCenter, {2, 0x26});
    EXPECT_EQ(hid.Tick(now), 400u) << "the wait for the first repeat";
    Report(kMediaCenter, {2, 0});
    EXPECT_EQ(hid.Tick(now + 1s), INFINITE);
    Key(kRemoteKeyboard, VK_F13, true);
    Key(kRemoteKeyboard, VK_F13, true);  // the keyboard's own repeat
    Key(kRemoteKeyboard, VK_F13, false);
    Key(kOtherKeyboard, VK_F13, true);
    Key(kInjected, VK_F14, true);
    EXPECT_EQ(got, (std::vector<std::string>{"HID.PLAY_PAUSE 0", "MCE.GUIDE 0", "KBD.F13 0"}));
}

}  // namespace
