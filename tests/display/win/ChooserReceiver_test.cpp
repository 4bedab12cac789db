// The command chooser lends the receiver's callback: it gives it back only
// while it still holds it, so that a dialog that took it meanwhile keeps it.
#include <windows.h>
#include <gtest/gtest.h>

#include "DisplayTestSupport.h"
#include "Text.h"
#include "tovshow.h"

namespace {

void Ignore(void*, const char*) {}

TEST(ChooserReceiver, AWindowThatTookTheReceiverMeanwhileKeepsIt) {
    CleanSettings settings;
    WriteSetting(setting::CmdTime, 250);
    TMacroRecord macro{};
    CopyText(macro.ID, "M1");
    CopyText(macro.Commands, "TYPE:a,TYPE:b");
    int owner = 0, learning = 0;
    for (const bool taken : {false, true}) {
        DRV_SetIRCommandProc({&Ignore, &owner});
        chooseAndExecuteCommand(&macro, {nullptr, nullptr}, {&Ignore, &owner});
        const HWND chooser = FindWindowA("TdlgChoose", nullptr);
        ASSERT_NE(chooser, nullptr);
        if (taken) DRV_SetIRCommandProc({&Ignore, &learning});
        ASSERT_GE(MillisecondsUntilGone(chooser, 5000), 0);
        EXPECT_EQ(DRV_GetIRCommandProc().Context, taken ? &learning : &owner) << taken;
    }
    DRV_SetIRCommandProc({nullptr, nullptr});
}

}  // namespace
