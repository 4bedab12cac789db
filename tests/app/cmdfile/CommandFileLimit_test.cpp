// Files with more items than the IDs of a kind can number: what is left
// out is counted, never dropped in silence, and never lands in another group.
#include <gtest/gtest.h>

#include <string>

#include "app/cmdfile/CommandFile.h"
#include "store/ItemIDs.h"
#include "tests/app/cmdfile/CommandFileTestItems.h"

namespace {

std::string G(const std::string& id, const std::string& name = "", const std::string& startMacro = "") {
    return "ID:" + id + "\r\nNAME:" + name + "\r\nMACROID:" + startMacro + "\r\n";
}

std::string M(const std::string& id, const std::string& name = "", const std::string& group = "") {
    return "ID:" + id + "\r\nNAME:" + name + "\r\nAPPID:" + group + "\r\n";
}

// Items of one kind numbered from..to.
std::string Numbered(char letter, int from, int to) {
    std::string text;
    for (int n = from; n <= to; ++n) text += "ID:" + MakeID(letter, n) + "\r\n";
    return text;
}

std::size_t Count(const ItemStore& store, bool groups) {
    std::size_t count = 0;
    int position = -1;
    if (groups) {
        while (store.getNextBGroup(position)) ++count;
    } else {
        while (store.getNextMacro(position, "", true)) ++count;
    }
    return count;
}

TEST(CommandFileLimitTest, AtStartItemsBeyondTheIDsAreCountedAndLeftOut) {
    const struct {
        const char* rule;
        std::string file;
        std::size_t groups, macros, notLoaded;
        const char* check;  // a macro's name: it must not be stored
    } cases[] = {
        {"more macros than numbers", Numbered('M', 1, 10001), 0, 9999, 2, ""},
        {"a duplicate when every number is held", Numbered('M', 1, 9999) + M("M5", "Twice"), 0, 9999, 1,
         "Twice"},
        {"a group left out takes its macros along, a general macro stays",
         Numbered('A', 1, 9999) + G("Ax", "Extra") + M("M1", "In extra", "Ax") + M("M2", "General"), 9999, 1,
         2, "In extra"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        CommandFileTestStore loaded;
        const LoadReport report = LoadItemsText(loaded.access, c.file, false);
        EXPECT_EQ(Count(loaded.store, true), c.groups);
        EXPECT_EQ(Count(loaded.store, false), c.macros);
        EXPECT_EQ(report.itemsNotLoaded, c.notLoaded);
        EXPECT_EQ(report.itemsInFile, c.groups + c.macros + c.notLoaded);
        if (*c.check) {
            EXPECT_EQ(loaded.store.findMacroByName(c.check), nullptr);
        }
    }
}

TEST(CommandFileLimitTest, AStartMacroLeftOutLeavesItsGroupWithoutOne) {
    CommandFileTestStore loaded;
    const LoadReport report = LoadItemsText(
        loaded.access, Numbered('M', 1, 9999) + G("A1", "Player", "M1") + M("M1", "Start", "A1"), false);
    EXPECT_EQ(report.itemsNotLoaded, 1u);
    EXPECT_EQ(FieldText(loaded.store.getBGroup("A1")->MacroID), "");
}

// 1,000 groups of 9 macros each, numbered on past the IDs' range: 9,999
// groups and 9,999 macros fit, 80,002 items do not.
TEST(CommandFileLimitTest, AHundredThousandItems) {
    std::string file;
    for (int g = 1; g <= 10000; ++g) {
        file += G("A" + std::to_string(g), "Group", "M" + std::to_string((g - 1) * 9 + 1));
        for (int m = 1; m <= 9; ++m)
            file += M("M" + std::to_string((g - 1) * 9 + m), "Macro", "A" + std::to_string(g));
    }
    CommandFileTestStore loaded;
    const LoadReport report = LoadItemsText(loaded.access, file, false);
    EXPECT_EQ(report.itemsInFile, 100000u);
    EXPECT_EQ(report.itemsNotLoaded, 80002u);
    EXPECT_EQ(Count(loaded.store, true) + Count(loaded.store, false), 19998u);
    EXPECT_EQ(report.changedIDs.size(), 0u);
}

TEST(CommandFileLimitTest, ImportCountsWhatItCannotAdd) {
    const std::string group = G("A1", "Player", "M1") + M("M1", "Start", "A1") + M("M2", "Stop", "A1");
    const struct {
        const char* rule;
        char full;  // the kind of which the store holds every number
        std::string file;
        std::size_t notLoaded;
        const char* added;  // the name of an item that is added
    } cases[] = {
        {"no macro ID left", 'M', group, 2, "Player"},
        {"no group ID left: the group's macros stay out with it", 'A', group + M("M3", "General"), 3,
         "General"},
        {"room for everything", ' ', group, 0, "Stop"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        CommandFileTestStore target;
        if (c.full != ' ') LoadItemsText(target.access, Numbered(c.full, 1, kMaxItemNumber), false);
        const LoadReport report = LoadItemsText(target.access, c.file, true);
        EXPECT_EQ(report.itemsNotLoaded, c.notLoaded);
        EXPECT_TRUE(target.store.findMacroByName(c.added) || target.store.findBGroupByName(c.added));
        EXPECT_EQ(target.store.findMacroByName("Start") != nullptr, c.full == ' ');
    }
}

}  // namespace
