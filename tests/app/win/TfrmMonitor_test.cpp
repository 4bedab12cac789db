// The receiver monitor on the real Tovanix.exe: presses sent with the sender
// tool show with what Tovanix did with them.
#include <windows.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/win/resource.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ProgramItems.h"
#include "tests/support/TestWindow.h"
#include "tests/support/TovanixProgram.h"
#include "tests/support/WinTestSupport.h"

namespace {

// The lines without their times, which change from run to run.
std::string WithoutTimes(const std::string& text) {
    return std::regex_replace(text, std::regex(R"(\d\d:\d\d:\d\d\.\d{3}\t|\r)"), "");
}

TEST_F(ProgramTest, MonitorShowsPressesAndTheirOutcomes) {
    TestWindow witness("Press witness");
    WriteStartSetting(true);
    TovanixProgram& tovanix =
        Start(Macro("M1", "Witness", "SENDMESSAGE:1031:1:2", "", "KEY_OK", "Press witness"));
    ASSERT_TRUE(WaitFor([&] { return tovanix.Caption() == "Tovanix - receiving"; }, 9000));
    tovanix.Command(IDM_MONITOR);
    const HWND monitor = tovanix.MonitorWindow();
    ASSERT_NE(monitor, nullptr);
    const HWND list = GetDlgItem(monitor, IDC_MONITOR_LIST);
    const auto lines = [&] { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); };
    const auto copy = [&](int index) {
        SendMessageA(list, LB_SETSEL, FALSE, -1);
        SendMessageA(list, LB_SETSEL, TRUE, index);
        SendMessageA(GetDlgItem(monitor, IDC_MONITOR_COPY), BM_CLICK, 0, 0);
        return WithoutTimes(ClipboardText());
    };

    EXPECT_EQ(RunProgram(tovanix.Folder() + "tovsend.exe", "KEY_OK"), 0);
    EXPECT_EQ(RunProgram(tovanix.Folder() + "tovsend.exe", "KEY_NOTHING"), 0);
    ASSERT_TRUE(WaitFor([&] { return lines() == 2; }, 3000));
    EXPECT_EQ(copy(-1), "KEY_OK\t0\tran macro Witness\nKEY_NOTHING\t0\tno item\n");
    EXPECT_EQ(copy(1), "KEY_NOTHING\t0\tno item\n");
    SendMessageA(GetDlgItem(monitor, IDC_MONITOR_CLEAR), BM_CLICK, 0, 0);
    EXPECT_EQ(lines(), 0);

    // Held: the press runs the macro, which does not repeat, so the receiver drops the repeats.
    EXPECT_EQ(RunProgram(tovanix.Folder() + "tovsend.exe", "--hold 700 KEY_OK"), 0);
    ASSERT_TRUE(WaitFor([&] { return lines() >= 3; }, 3000));
    const std::string held =
        "KEY_OK\t1\tran macro Witness\nKEY_OK\t1\tskipped: repeat\nKEY_OK\t2\tskipped: repeat\n";
    EXPECT_EQ(copy(-1).substr(0, held.size()), held);

    // Closed, it is gone; the tray menu opens it again.
    PostMessageA(monitor, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(monitor); }, 3000));
    ASSERT_TRUE(tovanix.ChooseFromTrayMenu('R'));
    EXPECT_TRUE(WaitFor([&] { return tovanix.MonitorWindow() != nullptr; }, 3000));
}

}  // namespace
