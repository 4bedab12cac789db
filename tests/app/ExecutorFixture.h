// An executor over the fakes, the real item store and a US keyboard layout,
// with a foreground window 100 that macros run in by default.
#pragma once

#include <gtest/gtest.h>

#include "app/logic/MacroExecutor.h"
#include "core/MemorySettings.h"
#include "core/Settings.h"
#include "tests/app/AppFakes.h"
#include "tests/support/UsKeyboardLayout.h"

class ExecutorFixture : public ::testing::Test {
  protected:
    static constexpr WindowHandle kTarget = 100;

    ExecutorFixture() {
        UseSettingsBackend(&settings);
        desktop.AddWindow(kTarget, FakeWindow{"Untitled - Notepad", "C:\\Windows\\notepad.exe"});
        desktop.foreground = kTarget;
    }
    ~ExecutorFixture() override { UseSettingsBackend(nullptr); }

    // Runs a macro (in the foreground window) with these commands and
    // returns what happened on the desktop.
    std::vector<std::string> Run(const std::string& commands) {
        const std::string id = items.AddMacro("Test", commands);
        executor.ExecuteMacro(id.c_str(), true, -1);
        return desktop.events;
    }

    TMacroRecord& Macro(const std::string& id) { return *items.getMacro(id.c_str()); }

    MemorySettings settings;
    StoreItems items;
    FakeDesktop desktop;
    FakeClock clock;
    FakeHooks hooks;
    UsKeyboardLayout layout;
    MacroExecutor executor{items, desktop, clock, hooks, layout};
};

using Events = std::vector<std::string>;
