// What the user is told after a load and before saving over an incomplete file.
#include "app/cmdfile/CommandFileMessages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kPath = "C:\\Tovanix\\TOVANIX.CMD";

LoadReport Report(std::size_t inFile, std::size_t notLoaded, std::vector<IDChange> changes = {},
                  std::vector<MacroMadeGeneral> madeGeneral = {}) {
    LoadReport report;
    report.itemsInFile = inFile;
    report.itemsNotLoaded = notLoaded;
    report.changedIDs = std::move(changes);
    report.madeGeneral = std::move(madeGeneral);
    return report;
}

LoadReport Unreadable() {
    LoadReport report;
    report.unreadable = true;
    return report;
}

const std::vector<IDChange> kChanges = {
    {true, "Player", "A01", "A1", false},
    {true, "Editor", "A1", "A3", true},
    {false, "", "", "M9", false},
    {false, "Stop", "M123456789012345", "M10", false},
};

TEST(CommandFileMessagesTest, LoadMessages) {
    const struct {
        const char* what;
        LoadReport report;
        bool fromUser;
        std::string message;
    } cases[] = {
        {"nothing to tell", Report(5, 0), false, ""},
        {"an import renumbers without a word", Report(5, 0, kChanges), true, ""},
        {"changed IDs", Report(4, 0, kChanges), false,
         "Some IDs in \"C:\\Tovanix\\TOVANIX.CMD\" were changed so that every item has an ID of its own:\n\n"
         "Button group \"Player\": A01 is now A1\n"
         "Button group \"Editor\": A1 is now A3 (A1 belongs to an earlier item)\n"
         "Macro without a name: (no ID) is now M9\n"
         "Macro \"Stop\": M12345678901... is now M10\n\n"
         "Every macro stays in its group and every group keeps its start macro. "
         "The file is saved with the new IDs at the next change."},
        {"items not loaded, with changed IDs", Report(100000, 80002, {kChanges[0]}), false,
         "\"C:\\Tovanix\\TOVANIX.CMD\" holds 100,000 items, more than Tovanix can keep (at most 9,999 button "
         "groups and 9,999 macros). 80,002 items were not loaded.\n\n"
         "Tovanix does not save your changes over this file unless you allow it, so that these items are not "
         "lost.\n\n"
         "Some IDs in \"C:\\Tovanix\\TOVANIX.CMD\" were changed so that every item has an ID of its own:\n\n"
         "Button group \"Player\": A01 is now A1\n\n"
         "Every macro stays in its group and every group keeps its start macro."},
        {"macros made general", Report(3, 0, {}, {{"Lost", "M4", "A9"}, {"", "M5", "A9"}}), false,
         "These macros belong to a button group that \"C:\\Tovanix\\TOVANIX.CMD\" does not hold. "
         "They are now general macros, which you can move or delete:\n\n"
         "Macro \"Lost\" (M4): group A9\nMacro without a name (M5): group A9\n\n"
         "The file is saved with them as general macros at the next change."},
        {"unreadable at start", Unreadable(), false,
         "\"C:\\Tovanix\\TOVANIX.CMD\" could not be read; another program may be holding it open. Tovanix "
         "starts without its items.\n\nTovanix does not save your changes over this file unless you allow "
         "it, "
         "so that its items are not lost."},
        {"unreadable import", Unreadable(), true,
         "\"C:\\Tovanix\\TOVANIX.CMD\" could not be read: nothing was imported."},
        {"items not imported", Report(30, 12), true,
         "12 of the 30 items in \"C:\\Tovanix\\TOVANIX.CMD\" could not be imported: Tovanix keeps at most "
         "9,999 "
         "button groups and 9,999 macros."},
    };
    for (const auto& c : cases) EXPECT_EQ(LoadMessage(c.report, kPath, c.fromUser), c.message) << c.what;
}

TEST(CommandFileMessagesTest, AZeroByteInAnIDShowsAndDoesNotEndTheMessage) {
    const std::string message =
        LoadMessage(Report(2, 0, {{false, "Stop", std::string("M1\0x", 4), "M2", true}}), kPath, false);
    EXPECT_NE(message.find("Macro \"Stop\": M1?x is now M2 (M1?x belongs to an earlier item)\n"),
              std::string::npos)
        << message;
}

TEST(CommandFileMessagesTest, ALongListOfChangesIsCut) {
    std::vector<IDChange> changes(kListedIDChanges + 5, IDChange{false, "Copy", "M1", "M2", true});
    const std::string message = LoadMessage(Report(30, 0, changes), kPath, false);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = message.find("Macro \"Copy\"", at)) != std::string::npos; ++at) ++lines;
    EXPECT_EQ(lines, kListedIDChanges);
    EXPECT_NE(message.find("\n... and 5 more.\n"), std::string::npos) << message;
}

TEST(CommandFileMessagesTest, OverwriteQuestion) {
    const std::string choices =
        "\n\nSave anyway?\n"
        "Yes: the file then holds only the items that Tovanix has loaded.\n"
        "No: the file stays as it is; your changes last until Tovanix ends.";
    EXPECT_EQ(
        OverwriteQuestion(Report(2000, 1234), kPath),
        "\"C:\\Tovanix\\TOVANIX.CMD\" holds 1,234 items that Tovanix could not load. Saving your changes "
        "would remove them from the file." +
            choices);
    EXPECT_EQ(
        OverwriteQuestion(Unreadable(), kPath),
        "\"C:\\Tovanix\\TOVANIX.CMD\" could not be read when Tovanix started. Saving your changes would "
        "replace the items in it." +
            choices);
    EXPECT_EQ(OverwriteQuestion(Report(20, 0, kChanges), kPath), "");  // complete: no question
}

}  // namespace
