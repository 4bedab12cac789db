// Which group the program in front selects.
#include "ForegroundGroup.h"

#include <gtest/gtest.h>

#include "AppFakes.h"

namespace {

TEST(ForegroundGroup, ProgramSelectsTheGroupOfItsStartMacro) {
    StoreItems items;
    const auto group = [&](const std::string& name, const std::string& target, const std::string& commands) {
        const std::string macro = items.AddMacro(name + " start", commands);
        CopyText(items.getMacro(macro.c_str())->TargetFile, target);
        return items.AddGroup(name, "", macro);
    };
    const std::string player = group("Player", "C:\\Media\\Player.exe", "P");
    const std::string viewer = group("Viewer", "", "TYPE:v,LAUNCH:I:D:\\Pictures\\viewer.exe /full,F11");
    const std::string radio = group("Radio", "radio.exe", "LAUNCH:tuner.exe");
    group("Notes", "", "LAUNCH:C:\\Notes\\today.txt");
    group("Second player", "player.exe", "");
    items.AddGroup("Empty", "");
    const std::string off = group("Off", "off.exe", "");
    items.getBGroup(off.c_str())->Disabled = 1;

    const struct {
        const char* rule;
        const char* program;
        std::string group;
    } cases[] = {
        {"the start macro's target program, by file name and letter case aside", "D:\\Other\\PLAYER.EXE",
         player},
        {"else the program of its first LAUNCH, options and parameters aside", "d:\\pictures\\viewer.exe",
         viewer},
        {"the target program comes before the launched one", "C:\\tuner.exe", ""},
        {"a launched document stands for no program", "C:\\Windows\\notepad.exe", ""},
        {"a disabled group selects nothing", "off.exe", ""},
        {"an unknown program selects nothing", "", ""},
        {"the first of two groups of one program", "player.exe", player},
        {"a bare file name", "radio.exe", radio},
    };
    for (const auto& c : cases) EXPECT_EQ(GroupOfProgram(items, c.program), c.group) << c.rule;
}

}  // namespace
