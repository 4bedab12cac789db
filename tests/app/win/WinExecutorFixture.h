// The dispatch and the executor over the real desktop, the real item store
// (tovdata.dll) and the system keyboard layout, with a window of another program in front.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/logic/Dispatcher.h"
#include "app/logic/MacroExecutor.h"
#include "app/win/TovdataItems.h"
#include "app/win/WinClock.h"
#include "app/win/WinDesktop.h"
#include "core/win/SystemKeyboardLayout.h"
#include "store/tovdata.h"
#include "tests/app/win/RecordingHooks.h"
#include "tests/support/TargetProgram.h"
#include "tests/support/TestWindow.h"
#include "tests/support/TovanixProgram.h"

class WinExecutorFixture : public ::testing::Test {
  protected:
    // Adds a macro to the real store; it runs in the foreground window
    // unless a target is given.
    std::string AddMacro(const std::string& commands, const std::string& targetFile = "",
                         const std::string& targetCaption = "", const std::string& ir = "") {
        TMacroRecord record = FreshMacroRecord();
        const std::string id = getNewMacroID();
        CopyText(record.ID, id);
        CopyText(record.Name, "Test " + id);
        CopyText(record.Commands, commands);
        CopyText(record.IRCommand, ir);
        CopyText(record.TargetFile, targetFile);
        CopyText(record.TargetCaption, targetCaption);
        record.CurrentWindow = targetFile.empty() && targetCaption.empty();
        EXPECT_TRUE(addMacro(&record));
        return id;
    }

    void Execute(const std::string& id) {
        executor.ExecuteMacro(id.c_str(), true, -1);
        PumpMessages(100);
    }

    // Keys reach the target only in the program that owns it: never in this one.
    void ExpectTargetText(const std::string& text) {
        EXPECT_TRUE(WaitFor([&] { return target.EditText() == text; }, 2000)) << target.EditText();
    }

    TargetProgram target{"Tovanix test target"};
    TovdataItems items;
    WinDesktop desktop;
    WinClock clock;
    RecordingHooks hooks;
    MacroExecutor executor{items, desktop, clock, hooks, CurrentKeyboardLayout()};
    NoTimers timers;
    Dispatcher dispatcher{items, desktop, timers, hooks, executor};
};
