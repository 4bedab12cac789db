// The command chooser gives the receiver's callback back only while it still
// holds it: a dialog that took it meanwhile (learning) keeps it.
#include <windows.h>
#include <gtest/gtest.h>

#include "core/Text.h"
#include "display/tovshow.h"
#include "tests/display/win/DisplayTestSupport.h"

namespace {

void Ignore(void*, const char*) {}

TEST(ChooserReceiver, AWindowThatTookTheReceiverMeanwhileKeepsIt) {
    CleanSettings settings;
    WriteSetting(setting::CmdTime, 250);
    TMacroRecord macro{};
    CopyText(macro.Commands, "TYPE:a,TYPE:b");
    int owner = 0, learning = 0;
    chooseAndExecuteCommand(&macro, {nullptr, nullptr}, {&Ignore, &owner});
    DRV_SetIRCommandProc({&Ignore, &learning});
    ASSERT_GE(MillisecondsUntilGone(FindWindowA("TdlgChoose", nullptr), 5000), 0);
    EXPECT_EQ(DRV_GetIRCommandProc().Context, &learning);
    DRV_SetIRCommandProc({nullptr, nullptr});
}

}  // namespace
