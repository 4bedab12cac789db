#include "editing/ButtonGrpModel.h"

#include <gtest/gtest.h>

#include "tests/support/EditStoreOverItemStore.h"
#include "tests/support/StoreTestItems.h"

namespace {

using Names = std::vector<std::string>;

class ButtonGroupModelTest : public ::testing::Test {
  protected:
    Names EntryNames(const ButtonGrpModel& model) {
        Names names;
        for (const StartMacroEntry& entry : model.Entries())
            names.push_back(entry.name + (entry.number ? "#" + std::to_string(*entry.number) : ""));
        return names;
    }
    std::string StartMacro(const std::string& groupID) {
        return std::string(FieldText(items.getBGroup(groupID.c_str())->MacroID));
    }
    int GroupCount() {
        int count = 0;
        int position = -1;
        while (items.getNextBGroup(position)) ++count;
        return count;
    }

    ItemStore items;
    EditStoreOverItemStore store{items};
};

TEST_F(ButtonGroupModelTest, EditingListsTheGroupsMacrosWithTheirNumbers) {
    const struct {
        const char* startMacro;
        int selected;
        bool editEnabled;
        const char* toEdit;  // the macro that "&Edit..." would open
    } cases[] = {
        {"M12", 2, true, "M12"}, {"M3", 1, true, "M3"},
        {"", 0, false, ""},       // the empty entry: no start macro
        {"M7", -1, false, "M7"},  // a macro of another group
        {"M99", -1, false, ""},
    };
    for (const auto& c : cases) {
        TBGroupRecord group = GroupRecord("A1", "", "Player");
        CopyText(group.MacroID, c.startMacro);
        ASSERT_TRUE(items.addBGroup(group));
        ASSERT_TRUE(items.addMacro(MacroRecord("M3", "A1", "", "Play")));
        ASSERT_TRUE(items.addMacro(MacroRecord("M7", "", "", "General")));
        ASSERT_TRUE(items.addMacro(MacroRecord("M12", "A1", "", "Stop")));

        std::optional<ButtonGrpModel> model = ButtonGrpModel::ForEdit(store, "A1");
        ASSERT_TRUE(model);
        EXPECT_EQ(model->Caption(), "Edit button group Player");
        EXPECT_EQ(model->name, "Player");
        EXPECT_EQ(EntryNames(*model), (Names{"", "Play#3", "Stop#12"}));
        EXPECT_EQ(model->Selected(), c.selected) << c.startMacro;
        EXPECT_EQ(model->EditEnabled(), c.editEnabled) << c.startMacro;
        EXPECT_EQ(model->StartMacroToEdit(), c.toEdit) << c.startMacro;
        items.deleteItem("A1");
        items.deleteItem("M7");
    }
    EXPECT_FALSE(ButtonGrpModel::ForEdit(store, "A1"));
}

TEST_F(ButtonGroupModelTest, ChoosingAnEntryChangesTheStartMacroAtOnce) {
    ASSERT_TRUE(items.addBGroup(GroupRecord("A1", "", "Player")));
    ASSERT_TRUE(items.addMacro(MacroRecord("M3", "A1", "", "Play")));
    ButtonGrpModel model = *ButtonGrpModel::ForEdit(store, "A1");
    model.Choose(1);
    EXPECT_EQ(StartMacro("A1"), "M3");
    EXPECT_TRUE(model.EditEnabled());
    model.Choose(0);
    EXPECT_EQ(StartMacro("A1"), "");
    EXPECT_FALSE(model.EditEnabled());
    EXPECT_EQ(model.Selected(), 0);
}

// After "&New..." and "&Edit..." the macro is found by its ID, also when
// another macro has the same name.
TEST_F(ButtonGroupModelTest, TheSavedMacroBecomesTheStartMacro) {
    ASSERT_TRUE(items.addBGroup(GroupRecord("A1", "", "Player")));
    ASSERT_TRUE(items.addMacro(MacroRecord("M3", "A1", "", "Play")));
    ButtonGrpModel model = *ButtonGrpModel::ForEdit(store, "A1");
    ASSERT_TRUE(items.addMacro(MacroRecord("M4", "A1", "", "Play")));
    model.MacroSaved("M4");
    EXPECT_EQ(EntryNames(model), (Names{"", "Play#3", "Play#4"}));
    EXPECT_EQ(model.Selected(), 2);
    EXPECT_EQ(StartMacro("A1"), "M4");
    EXPECT_TRUE(model.EditEnabled());
}

TEST_F(ButtonGroupModelTest, AddingCreatesTheGroupAtItsFirstNeed) {
    const struct {
        const char* name;
        const char* steps;  // e EnsureGroup (New..., Learn...), o OK
        int groups;
        const char* storedName;
    } cases[] = {
        {"OK creates it", "o", 1, "Player"},
        {"New... creates it, OK names it", "eo", 1, "Player"},
        {"New... alone leaves it", "e", 1, "Player"},
        {"nothing", "", 0, ""},
    };
    for (const auto& c : cases) {
        ButtonGrpModel model = ButtonGrpModel::ForAdd(store);
        EXPECT_EQ(model.Caption(), "Add button group");
        EXPECT_FALSE(model.EditEnabled());
        EXPECT_TRUE(model.Entries().empty());
        model.name = "Player";
        for (const char* step = c.steps; *step; ++step) {
            if (*step == 'e') {
                EXPECT_FALSE(model.EnsureGroup());
            }
            if (*step == 'o') {
                EXPECT_FALSE(model.Accept()) << c.name;
            }
        }
        EXPECT_EQ(GroupCount(), c.groups) << c.name;
        if (c.groups) {
            const TBGroupRecord* group = items.getBGroup(model.GroupID().c_str());
            ASSERT_NE(group, nullptr) << c.name;
            EXPECT_EQ(FieldText(group->Name), c.storedName) << c.name;
            EXPECT_EQ(FieldText(group->MacroID), "") << c.name;
            items.deleteItem(model.GroupID().c_str());
        }
    }

    // "&New..." in a new group: the macro made in it becomes its start macro.
    ButtonGrpModel model = ButtonGrpModel::ForAdd(store);
    model.name = "Slides";
    model.EnsureGroup();
    ASSERT_TRUE(items.addMacro(MacroRecord("M1", model.GroupID(), "", "Next")));
    model.MacroSaved("M1");
    EXPECT_EQ(StartMacro(model.GroupID()), "M1");
    EXPECT_TRUE(model.EditEnabled());
    EXPECT_EQ(model.StartMacroToEdit(), "M1");
}

// Nothing is stored without a name (New... and Learn... too) or at 9,999 groups.
TEST_F(ButtonGroupModelTest, ANewGroupNeedsANameAndRoom) {
    ButtonGrpModel model = ButtonGrpModel::ForAdd(store);
    model.name = " , ";
    EXPECT_EQ(model.EnsureGroup(), kSpecifyGroupName);
    for (int i = 1; i <= 9999; ++i)
        ASSERT_TRUE(items.addBGroup(GroupRecord("A" + std::to_string(i), "", "G")));
    model.name = "Late";
    EXPECT_EQ(model.EnsureGroup(), kNoRoomForGroup);
    EXPECT_EQ(model.Accept(), kNoRoomForGroup);
    EXPECT_EQ(model.GroupID(), "");
}

TEST_F(ButtonGroupModelTest, OkNeedsANameThatIsNotBlank) {
    ASSERT_TRUE(items.addBGroup(GroupRecord("A1", "", "Player")));
    ButtonGrpModel model = *ButtonGrpModel::ForEdit(store, "A1");
    const struct {
        const char* typed;
        bool accepted;
        const char* stored;
    } cases[] = {
        {"   ", false, "Player"},
        {"", false, "Player"},
        {" , ", false, "Player"},
        {"Music, video", true, "Music  video"},
        {"A name longer than thirty characters", true, "A name longer than thirty char"},
    };
    for (const auto& c : cases) {
        model.name = c.typed;
        const auto refusal = model.Accept();
        EXPECT_EQ(!refusal, c.accepted) << c.typed;
        if (refusal) {
            EXPECT_EQ(*refusal, kSpecifyGroupName);
        }
        EXPECT_EQ(FieldText(items.getBGroup("A1")->Name), c.stored) << c.typed;
    }
    EXPECT_EQ(GroupCount(), 1);
}

}  // namespace
