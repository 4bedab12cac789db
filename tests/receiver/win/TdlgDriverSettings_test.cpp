// Each driver's own settings dialog, shown through DRV_Settings and driven
// as a user would: fields filled in, OK pressed.
#include <windows.h>
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "receiver/tovdrv.h"
#include "receiver/win/NetworkResource.h"
#include "receiver/win/SerialResource.h"
#include "tests/support/DialogSteps.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/WinTestSupport.h"

namespace {

std::string Text(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void Press(HWND dialog, int button) { PostMessageA(dialog, WM_COMMAND, button, 0); }

class DriverSettingsTest : public testing::Test {
  protected:
    void SetUp() override { SetCurrentDirectoryA(TestProgramFolder().c_str()); }
    SettingOverride host{setting::NetworkHost, "127.0.0.1"};
    SettingOverride port{setting::NetworkPort, 8765};
    SettingOverride serial{setting::SerialPort, "COM1"};
};

TEST_F(DriverSettingsTest, TheNetworkDialogShowsAndStoresServerAndPort) {
    SettingOverride driver(setting::Driver, "tovnet.dll");
    std::string shownHost, shownPort;
    DialogSteps steps({[&](HWND dialog) {
        shownHost = Text(GetDlgItem(dialog, IDC_NETWORK_HOST));
        shownPort = Text(GetDlgItem(dialog, IDC_NETWORK_PORT));
        SetDlgItemTextA(dialog, IDC_NETWORK_HOST, "mediapc.local");
        SetDlgItemTextA(dialog, IDC_NETWORK_PORT, "9000");
        Press(dialog, IDOK);
    }});
    DRV_Settings();
    EXPECT_EQ(steps.done(), 1u);
    EXPECT_EQ(shownHost, "127.0.0.1");
    EXPECT_EQ(shownPort, "8765");
    EXPECT_EQ(ReadSetting(setting::NetworkHost), "mediapc.local");
    EXPECT_EQ(ReadSetting(setting::NetworkPort), 9000);
}

TEST_F(DriverSettingsTest, APortOutOfRangeIsRefusedAndTheDialogStaysOpen) {
    SettingOverride driver(setting::Driver, "tovnet.dll");
    std::string message;
    HWND settings = nullptr;
    DialogSteps steps({[&](HWND dialog) {
                           settings = dialog;
                           SetDlgItemTextA(dialog, IDC_NETWORK_HOST, "other");
                           SetDlgItemTextA(dialog, IDC_NETWORK_PORT, "70000");
                           Press(dialog, IDOK);
                       },
                       [&](HWND box) {
                           message = Text(GetDlgItem(box, 0xFFFF));
                           Press(box, IDOK);
                           // Back in the settings dialog, which is still open.
                           SetDlgItemTextA(settings, IDC_NETWORK_PORT, "8766");
                           Press(settings, IDOK);
                       }});
    DRV_Settings();
    EXPECT_EQ(steps.done(), 2u);
    EXPECT_EQ(message, "Enter a number from 1 to 65535.");
    EXPECT_EQ(ReadSetting(setting::NetworkHost), "other");
    EXPECT_EQ(ReadSetting(setting::NetworkPort), 8766);
}

TEST_F(DriverSettingsTest, CancelStoresNothing) {
    SettingOverride driver(setting::Driver, "tovnet.dll");
    DialogSteps steps({[&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_NETWORK_HOST, "other");
        Press(dialog, IDCANCEL);
    }});
    DRV_Settings();
    EXPECT_EQ(steps.done(), 1u);
    EXPECT_EQ(ReadSetting(setting::NetworkHost), "127.0.0.1");
}

TEST_F(DriverSettingsTest, TheSerialDialogStoresTheComPort) {
    SettingOverride driver(setting::Driver, "tovirman.dll");
    std::string shown;
    DialogSteps steps({[&](HWND dialog) {
        shown = Text(GetDlgItem(dialog, IDC_SERIAL_PORT));
        SetDlgItemTextA(dialog, IDC_SERIAL_PORT, "COM4");
        Press(dialog, IDOK);
    }});
    DRV_Settings();
    EXPECT_EQ(steps.done(), 1u);
    EXPECT_EQ(shown, "COM1");
    EXPECT_EQ(ReadSetting(setting::SerialPort), "COM4");
}

TEST_F(DriverSettingsTest, TheLocalReceiverExplainsTheSenderTool) {
    SettingOverride driver(setting::Driver, "");
    std::string message;
    DialogSteps steps({[&](HWND box) {
        message = Text(GetDlgItem(box, 0xFFFF));
        Press(box, IDOK);
    }});
    DRV_Settings();
    EXPECT_EQ(steps.done(), 1u);
    EXPECT_NE(message.find("tovsend KEY_UP"), std::string::npos) << message;
}

TEST_F(DriverSettingsTest, AMissingDriverShowsNothing) {
    SettingOverride driver(setting::Driver, "nosuch.dll");
    DialogSteps steps({[&](HWND dialog) { Press(dialog, IDCANCEL); }});
    DRV_Settings();
    EXPECT_EQ(steps.done(), 0u);
}

}  // namespace
