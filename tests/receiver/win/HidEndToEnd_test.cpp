// A keyboard chosen as a remote, end to end with the real Tovanix.exe: keys
// typed on the X display into a focused Wine window reach the HID receiver
// as raw input from Wine's keyboard, and the key's macro runs. F12 stands
// for a programmable receiver's F13 (docs/development.md tells why).
#include <windows.h>
#include <gtest/gtest.h>

#include "receiver/win/HidDevices.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ProgramItems.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/TargetProgram.h"

namespace {

class HidEndToEnd : public ProgramTest {
  protected:
    // Starts Tovanix with the HID receiver switched on and a macro learnt as
    // F12 of a chosen keyboard, which types into the window in front.
    void StartWithKeyboards(const std::string& keyboards) {
        WriteSetting(setting::Driver, "tovhid.dll");
        WriteSetting(setting::HidKeyboards, keyboards);
        WriteStartSetting(true);
        program = std::make_unique<TovanixProgram>(folder);
        program->WriteCommandFile(Macro("M1", "Remote F12", "TYPE:ran", "", "KBD.F12"));
        ASSERT_TRUE(program->Start());
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(program->MainWindow()) != FALSE; }, 20000));
        ASSERT_TRUE(WaitFor([&] { return program->Caption() == "Tovanix - receiving"; }, 10000))
            << program->Caption();
    }

    // Types F12 into the target window from the X display; what the window
    // holds once it shows "ran" or after five seconds.
    std::string TypeF12() {
        TargetProgram target("HidTarget");
        Peers peers;
        EXPECT_TRUE(peers.ready());
        EXPECT_EQ(peers.Command("keys HidTarget F12"), "ok");
        WaitFor([&] { return target.EditText() == "ran"; }, 5000);
        return target.EditText();
    }
};

TEST_F(HidEndToEnd, F12OfAChosenKeyboardRunsItsMacroAndOfAnotherNothing) {
    std::string wineKeyboard;
    for (const HidDevice& device : PresentDevices())
        if (device.collection == HidCollection::kKeyboard) wineKeyboard = device.name;
    ASSERT_NE(wineKeyboard, "");
    StartWithKeyboards(wineKeyboard);
    EXPECT_EQ(TypeF12(), "ran");
    program.reset();
    StartWithKeyboards("");
    EXPECT_EQ(TypeF12(), "");
}

}  // namespace
