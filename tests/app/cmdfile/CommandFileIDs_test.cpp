// Loading a hand-edited command file at start: IDs that are malformed or
// held twice change, and the links to them follow, so that no macro moves
// to another group and no group loses its start macro.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/cmdfile/CommandFile.h"
#include "tests/app/cmdfile/CommandFileTestItems.h"

namespace {

using Items = std::vector<std::string>;

std::string G(const std::string& id, const std::string& name, const std::string& startMacro = "") {
    return "ID:" + id + "\r\nNAME:" + name + "\r\nMACROID:" + startMacro + "\r\n";
}

std::string M(const std::string& id, const std::string& name, const std::string& group = "") {
    return "ID:" + id + "\r\nNAME:" + name + "\r\nAPPID:" + group + "\r\n";
}

class LoadAtStart : public CommandFileTestStore {
  public:
    explicit LoadAtStart(const std::string& text) : report(LoadItemsText(access, text, false)) {}

    // Store order: groups as "ID Name >start macro", then macros as "ID Name @group".
    Items Stored() const {
        Items items;
        int position = -1;
        while (const TBGroupRecord* group = store.getNextBGroup(position))
            items.push_back(std::string(FieldText(group->ID)) + " " + std::string(FieldText(group->Name)) +
                            " >" + std::string(FieldText(group->MacroID)));
        position = -1;
        while (const TMacroRecord* macro = store.getNextMacro(position, "", true))
            items.push_back(std::string(FieldText(macro->ID)) + " " + std::string(FieldText(macro->Name)) +
                            " @" + std::string(FieldText(macro->AppID)));
        return items;
    }

    // The reported changes as "from>to", "!" marking an ID held by an earlier item.
    Items Changes() const {
        Items changes;
        for (const IDChange& change : report.changedIDs)
            changes.push_back(change.from + ">" + change.to + (change.taken ? "!" : ""));
        return changes;
    }

    LoadReport report;
};

struct Case {
    const char* rule;
    std::string file;
    Items stored;
    Items changes;
};

void ExpectLoads(const Case& c) {
    SCOPED_TRACE(c.rule);
    LoadAtStart loaded(c.file);
    EXPECT_EQ(loaded.Stored(), c.stored);
    EXPECT_EQ(loaded.Changes(), c.changes);
    EXPECT_EQ(loaded.report.itemsInFile, c.stored.size());
    EXPECT_EQ(loaded.report.itemsNotLoaded, 0u);
    // Saved and loaded again, nothing changes any more.
    const std::string saved = AllItemsText(loaded.access);
    LoadAtStart again(saved);
    EXPECT_EQ(again.Changes(), Items{});
    EXPECT_EQ(AllItemsText(again.access), saved);
}

TEST(CommandFileIDsTest, WellFormedUniqueIDsStayAsTheyAre) {
    for (const Case& c : {
             Case{"a group with its start macro and a general macro",
                  G("A7", "Player", "M3") + M("M3", "Start", "A7") + M("M9", "Mute"),
                  {"A7 Player >M3", "M3 Start @A7", "M9 Mute @"},
                  {}},
             Case{"a start macro the file does not hold stays named; macros of a group it does not hold "
                  "become general macros",
                  G("A1", "Player", "M5") + M("M1", "Lost", "A2") + M("M2", "Odd", "A02"),
                  {"A1 Player >M5", "M1 Lost @", "M2 Odd @"},
                  {}},
         })
        ExpectLoads(c);
}

TEST(CommandFileIDsTest, LeadingZerosAreDroppedAndTheLinksFollow) {
    for (const Case& c : {
             Case{"group, its macros and its start macro",
                  G("A01", "Player", "M07") + M("M07", "Start", "A01") + M("M2", "Stop", "A01"),
                  {"A1 Player >M7", "M7 Start @A1", "M2 Stop @A1"},
                  {"A01>A1", "M07>M7"}},
             Case{"links written with zeros name the same items",
                  G("A3", "Player", "M004") + M("M4", "Start", "A003") + M("M5", "Stop", "A0003"),
                  {"A3 Player >M4", "M4 Start @A3", "M5 Stop @A3"},
                  {}},
             Case{"a macro laid out before its group",
                  M("M1", "Early", "A02") + G("A02", "Player", "M01") + M("M01", "Start", "A02"),
                  {"A2 Player >M2", "M1 Early @A2", "M2 Start @A2"},
                  {"A02>A2", "M01>M2!"}},
         })
        ExpectLoads(c);
}

TEST(CommandFileIDsTest, ADuplicateGroupGetsANewIDWithTheMacrosThatFollowIt) {
    for (const Case& c : {
             Case{"two groups A1, each with its macros",
                  G("A1", "Player") + M("M1", "Play", "A1") + G("A1", "Editor") + M("M2", "Type", "A1") +
                      M("M3", "Save", "A1"),
                  {"A1 Player >", "A2 Editor >", "M1 Play @A1", "M2 Type @A2", "M3 Save @A2"},
                  {"A1>A2!"}},
             Case{"a copied block: group, start macro and macro IDs all twice",
                  G("A1", "Player", "M1") + M("M1", "Start", "A1") + M("M2", "Stop", "A1") +
                      G("A1", "Player copy", "M1") + M("M1", "Start copy", "A1") + M("M2", "Stop copy", "A1"),
                  {"A1 Player >M1", "A2 Player copy >M3", "M1 Start @A1", "M2 Stop @A1", "M3 Start copy @A2",
                   "M4 Stop copy @A2"},
                  {"A1>A2!", "M1>M3!", "M2>M4!"}},
             Case{"three groups A5; new IDs go above the highest",
                  G("A5", "One") + M("M1", "In one", "A5") + G("A5", "Two") + M("M2", "In two", "A5") +
                      G("A05", "Three") + M("M3", "In three", "A05") + G("A9", "Nine"),
                  {"A5 One >", "A10 Two >", "A11 Three >", "A9 Nine >", "M1 In one @A5", "M2 In two @A10",
                   "M3 In three @A11"},
                  {"A5>A10!", "A05>A11!"}},
             Case{"a macro laid out under another group names the first group with the ID",
                  G("A1", "Player") + G("A1", "Editor") + G("A2", "Viewer") + M("M1", "Play", "A1") +
                      M("M2", "View", "A2"),
                  {"A1 Player >", "A3 Editor >", "A2 Viewer >", "M1 Play @A1", "M2 View @A2"},
                  {"A1>A3!"}},
             Case{"a start macro outside the group's macros is the first with its ID",
                  M("M1", "General start") + G("A1", "Player", "M1") + M("M2", "Play", "A1") +
                      M("M1", "Second M1"),
                  {"A1 Player >M1", "M1 General start @", "M2 Play @A1", "M3 Second M1 @"},
                  {"M1>M3!"}},
         })
        ExpectLoads(c);
}

TEST(CommandFileIDsTest, AMalformedIDGetsANewOneAndItsLinksFollow) {
    for (const Case& c : {
             Case{"links name malformed IDs by their exact text",
                  G("Axyz", "Player", "M 1") + M("M 1", "Start", "Axyz") + M("Q7", "Stop", "Axyz"),
                  {"A1 Player >M1", "M1 Start @A1", "M2 Stop @A1"},
                  {"Axyz>A1", "M 1>M1", "Q7>M2"}},
             Case{"empty, zero, too large, trailing blank and lower case",
                  G("A", "Empty") + G("A0", "Zero") + G("A10000", "Large") + M("M5 ", "Blank", "A10000") +
                      M("", "No ID") + M("m6", "Lower"),
                  {"A1 Empty >", "A2 Zero >", "A3 Large >", "M1 Blank @A3", "M2 No ID @", "M3 Lower @"},
                  {"A>A1", "A0>A2", "A10000>A3", "M5 >M1", ">M2", "m6>M3"}},
             // A new ID never takes a number that a link of the file names:
             // the link would come to name the renumbered item.
             Case{"numbers named by links to missing items stay free",
                  G("A1", "Player", "M1") + G("Ax", "Other") + M("Mx", "Loose", "A1"),
                  {"A1 Player >M1", "A2 Other >", "M2 Loose @A1"},
                  {"Ax>A2", "Mx>M2"}},
         })
        ExpectLoads(c);
}

TEST(CommandFileIDsTest, IDsHeldInTheStoreCountAsTaken) {
    LoadAtStart loaded(G("A1", "Existing"));
    loaded.report = LoadItemsText(loaded.access, G("A1", "Player", "M1") + M("M1", "Start", "A1"), false);
    EXPECT_EQ(loaded.Stored(), (Items{"A1 Existing >", "A2 Player >M1", "M1 Start @A2"}));
    EXPECT_EQ(loaded.Changes(), Items{"A1>A2!"});
}

TEST(CommandFileIDsTest, MacrosMadeGeneralAreToldWithTheGroupTheyNamed) {
    const LoadAtStart loaded(G("A1", "Player") + M("M01", "Lost", "A02") + M("M2", "Play", "A1"));
    ASSERT_EQ(loaded.report.madeGeneral.size(), 1u);
    EXPECT_EQ(loaded.report.madeGeneral[0].name, "Lost");
    EXPECT_EQ(loaded.report.madeGeneral[0].id, "M1");
    EXPECT_EQ(loaded.report.madeGeneral[0].group, "A02");
}

TEST(CommandFileIDsTest, ChangesNameTheirItems) {
    const LoadAtStart loaded(G("A01", "Player") + M("M1", "") + M("M1", "Copy"));
    ASSERT_EQ(loaded.report.changedIDs.size(), 2u);
    EXPECT_TRUE(loaded.report.changedIDs[0].group);
    EXPECT_EQ(loaded.report.changedIDs[0].name, "Player");
    EXPECT_FALSE(loaded.report.changedIDs[1].group);
    EXPECT_EQ(loaded.report.changedIDs[1].name, "Copy");
}

}  // namespace
