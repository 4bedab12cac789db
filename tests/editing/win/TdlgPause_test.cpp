// The pause dialog as the user meets it: typed and stepped milliseconds.
#include "editing/win/TdlgPause.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/win/TdlgPauseRes.h"
#include "tests/editing/win/DialogTestSteps.h"

namespace {

using namespace steps;

TEST(CommandDialogs, Pause) {
    const int pause = IDC_PAUSE_TXTPAUSE;
    const TokenCase cases[] = {
        {"500 at first, the up arrow steps by 100 without thousands separators",
         {ExpectText(pause, "500"), ExpectLimit(pause, 5), Type(pause, "900"), Key(pause, VK_UP),
          ExpectText(pause, "1000"), ok},
         "PAUSE:1000"},
        {"stepping stops at 30000",
         {Type(pause, "29950"), Key(pause, VK_UP), Key(pause, VK_UP), ExpectText(pause, "30000"), ok},
         "PAUSE:30000"},
        {"out of range closes without a command", {Type(pause, "30001"), ok}, ""},
        {"cancelled", {cancel}, ""},
    };
    ExpectTokens(cases, [](const char*) { return getPauseCommand(nullptr); });
}

}  // namespace
