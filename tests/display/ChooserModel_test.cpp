#include "display/ChooserModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const std::vector<ChooserEntry>& entries) {
    std::vector<std::string> texts;
    for (const ChooserEntry& entry : entries) texts.push_back(entry.text);
    return texts;
}
std::vector<int> Commands(const std::vector<ChooserEntry>& entries) {
    std::vector<int> commands;
    for (const ChooserEntry& entry : entries) commands.push_back(entry.command);
    return commands;
}

TEST(ChooserModel, EntriesOfACommandList) {
    const struct {
        const char* commands;
        std::vector<std::string> texts;
        std::vector<int> commandIndexes;
    } cases[] = {
        {"REPEAT,TYPE:hello,LAUNCH:I:C:\\Tools\\edit.exe notes.txt,MACRO:Next song,EXIT",
         {"Type: hello", "Launch: edit.exe", "Next song", "Exit Windows"},
         {0, 1, 2, 3}},
        {"\"\", ,ENTER", {",", "Space", "ENTER"}, {0, 1, 2}},
        {"GROUP:Player,LAUNCH:notes.txt,LAUNCH:D:\\Media\\play.bat -f",
         {"Player", "Launch: notes.txt", "Launch: play.bat"},
         {0, 1, 2}},
        // Empty commands and REPEAT inside the list get no entry; the
        // entries still run their own command.
        {"TYPE:a,,REPEAT,TYPE:b", {"Type: a", "Type: b"}, {0, 3}},
        {"", {}, {}},
        {"REPEAT", {}, {}},
        {",,", {}, {}},
        // Prefixes count letter case and need no colon; each rule works on
        // what the ones before left.
        {"type:x,TYPEx,MACRO:EXIT now,MACRO:REPEAT,EXITS",
         {"type:x", "Type: ", "Exit Windows", "Exit Windows"},
         {0, 1, 2, 4}},
    };
    for (const auto& c : cases) {
        const std::vector<ChooserEntry> entries = ChooserEntries(c.commands);
        EXPECT_EQ(Texts(entries), c.texts) << c.commands;
        EXPECT_EQ(Commands(entries), c.commandIndexes) << c.commands;
    }
}

TEST(ChooserModel, LimitInTicksWithHalvesToEven) {
    const struct {
        int32_t time;
        int limit;
    } cases[] = {
        {1000, 10}, {250, 2}, {350, 4}, {1050, 10}, {1150, 12}, {1049, 10},   {1051, 11},
        {0, 0},     {49, 0},  {50, 0},  {51, 1},    {150, 2},   {10000, 100}, {-150, -2},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooserLimit(c.time), c.limit) << c.time;
}

// The ticks until Execute, with presses after some ticks: the selection and
// the tick that runs it.
TEST(ChooserModel, SelectionAndTheTickThatRuns) {
    const struct {
        const char* name;
        std::size_t entries;
        int limit;
        std::vector<int> pressesBeforeTick;  // presses that arrive before tick n (1-based), per tick
        int selected;
        int executeTick;
        std::vector<int> redrawTicks;
    } cases[] = {
        {"no press: the first entry after limit + 1 ticks", 3, 10, {}, 0, 11, {1}},
        {"four presses with three entries wrap to the second", 3, 10, {0, 4}, 1, 12, {1, 2}},
        {"250 ms: the third tick after the last press", 3, 2, {0, 0, 1}, 1, 5, {1, 3}},
        {"no entries: index 0", 0, 1, {0, 2}, 0, 3, {1, 2}},
        {"limit 0 runs on the first tick", 2, 0, {}, 0, 1, {}},
    };
    for (const auto& c : cases) {
        ChooserState state(c.entries, c.limit);
        int tick = 0;
        std::vector<int> redraws;
        for (;;) {
            ++tick;
            if (tick - 1 < static_cast<int>(c.pressesBeforeTick.size()))
                for (int i = 0; i < c.pressesBeforeTick[tick - 1]; ++i) state.Received();
            const ChooserStep step = state.Tick();
            if (step == ChooserStep::Execute) break;
            if (step == ChooserStep::Redraw) redraws.push_back(tick);
            ASSERT_LT(tick, 200) << c.name;
        }
        EXPECT_EQ(state.Selected(), c.selected) << c.name;
        EXPECT_EQ(tick, c.executeTick) << c.name;
        EXPECT_EQ(redraws, c.redrawTicks) << c.name;
    }
}

}  // namespace
