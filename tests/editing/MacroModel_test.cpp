#include "editing/MacroModel.h"

#include <gtest/gtest.h>

#include "core/MemorySettings.h"
#include "core/Settings.h"
#include "tests/support/EditStoreOverItemStore.h"
#include "tests/support/StoreTestItems.h"

namespace {

using Rows = std::vector<std::string>;

class MacroModelTest : public ::testing::Test {
  protected:
    MacroModelTest() { UseSettingsBackend(&settings); }
    ~MacroModelTest() override { UseSettingsBackend(nullptr); }

    // A macro in the store with that command list and flags.
    TMacroRecord* AddMacro(const char* id, const char* commands, const char* appID = "") {
        TMacroRecord macro = MacroRecord(id, appID, "", "Macro");
        CopyText(macro.Commands, commands);
        EXPECT_TRUE(items.addMacro(macro));
        return items.getMacro(id);
    }
    MacroModel WithRows(const Rows& rows) {
        MacroModel model = MacroModel::ForAdd(store, "");
        for (const std::string& row : rows) EXPECT_FALSE(model.AddToken(row)) << row;
        return model;
    }

    MemorySettings settings;
    ItemStore items;
    EditStoreOverItemStore store{items};
};

// The enabled boxes Ctrl, Alt, Shift as "CAS", a disabled one as "-".
std::string EnabledBoxes(const MacroModel& model) {
    std::string boxes;
    boxes += model.ModifierEnabled(Modifier::Ctrl) ? 'C' : '-';
    boxes += model.ModifierEnabled(Modifier::Alt) ? 'A' : '-';
    boxes += model.ModifierEnabled(Modifier::Shift) ? 'S' : '-';
    return boxes;
}

TEST_F(MacroModelTest, AddAndModifiersFollowTheSelectedNode) {
    settings.WriteStr("Plugins", "Media keys:mediakeys.dll");
    const struct {
        const char* node;
        TreeLevel level;
        const char* ticks;  // "C", "A", "S" tick a box, lower case unticks it
        bool add;
        const char* enabled;
        const char* token;  // of the request, "" when it has none
    } cases[] = {
        {"", TreeLevel::None, "", false, "---", ""},
        {"Keys", TreeLevel::Category, "", false, "---", ""},
        {"Mouse", TreeLevel::Category, "C", false, "---", ""},
        {"ENTER", TreeLevel::Command, "", true, "CAS", "ENTER"},
        {"DELETE", TreeLevel::Command, "CA", true, "CA-", "CTRL+ALT+DELETE"},
        {"DELETE", TreeLevel::Command, "SAC", true, "-AS", "ALT+SHIFT+DELETE"},  // a third box stays unticked
        {"DELETE", TreeLevel::Command, "CAaS", true, "C-S", "CTRL+SHIFT+DELETE"},
        {"LBUTTON-CLICK", TreeLevel::Command, "S", true, "CAS", "SHIFT+LBUTTON-CLICK"},
        {"MBUTTON-DBLCLICK", TreeLevel::Command, "A", true, "CAS", "ALT+MBUTTON-DBLCLICK"},
        {"MOUSE-UP", TreeLevel::Command, "C", true, "---", "MOUSE-UP"},
        {"Volume up", TreeLevel::Command, "", true, "---", "Volume up"},
        {"Custom key/text...", TreeLevel::Command, "", true, "---", ""},
        {"Pause...", TreeLevel::Command, "", true, "---", ""},
        {"Media keys", TreeLevel::Command, "", true, "---", ""},
    };
    for (const auto& c : cases) {
        MacroModel model = MacroModel::ForAdd(store, "");
        model.SelectNode("ENTER", TreeLevel::Command);
        for (const char* tick = c.ticks; *tick; ++tick) {
            const char upper = static_cast<char>(std::toupper(*tick));
            const Modifier modifier = upper == 'C'   ? Modifier::Ctrl
                                      : upper == 'A' ? Modifier::Alt
                                                     : Modifier::Shift;
            model.SetModifier(modifier, upper == *tick);
        }
        model.SelectNode(c.node, c.level);
        EXPECT_EQ(model.AddEnabled(), c.add) << c.node << " " << c.ticks;
        EXPECT_EQ(EnabledBoxes(model), c.enabled) << c.node << " " << c.ticks;
        const std::optional<AddRequest> request = model.PrepareAdd();
        EXPECT_EQ(request.has_value(), c.add) << c.node;
        if (request) {
            EXPECT_EQ(request->token, c.token) << c.node << " " << c.ticks;
        }
    }
}

TEST_F(MacroModelTest, AddingAppendsAndUnticksTheModifiers) {
    MacroModel model = MacroModel::ForAdd(store, "");
    model.SelectNode("TAB", TreeLevel::Command);
    model.SetModifier(Modifier::Alt, true);
    EXPECT_FALSE(model.AddToken(model.PrepareAdd()->token));
    EXPECT_FALSE(model.ModifierTicked(Modifier::Alt));
    EXPECT_FALSE(model.AddToken(""));  // a cancelled parameter dialog adds nothing
    EXPECT_FALSE(model.AddToken("PAUSE:500"));
    EXPECT_EQ(model.Rows(), (Rows{"ALT+TAB", "PAUSE:500"}));

    // A comma would split the command when the list is read.
    model.SetModifier(Modifier::Ctrl, true);
    EXPECT_EQ(model.AddToken("player:a,b"), kCommaInCommand);
    EXPECT_TRUE(model.ModifierTicked(Modifier::Ctrl));
    EXPECT_EQ(model.Rows().size(), 2u);
}

// The stored list, "REPEAT," included, never exceeds 254 characters.
TEST_F(MacroModelTest, TheListNeverOutgrowsItsField) {
    const std::string row100(100, 'x');
    const struct {
        const char* name;
        Rows rows;
        ExecType exec;
        std::size_t tokenLength;
        bool added;
    } cases[] = {
        {"an empty list takes a whole field", {}, ExecType::Normal, 254, true},
        {"one more is too many", {}, ExecType::Normal, 255, false},
        {"the comma counts", {row100}, ExecType::Normal, 153, true},
        {"the comma counts, over", {row100}, ExecType::Normal, 154, false},
        {"the repeat marker counts", {row100}, ExecType::Repeat, 146, true},
        {"the repeat marker counts, over", {row100}, ExecType::Repeat, 147, false},
        {"the comma key counts as stored", {row100, ","}, ExecType::Normal, 150, true},
        {"the comma key counts as stored, over", {row100, ","}, ExecType::Normal, 151, false},
    };
    for (const auto& c : cases) {
        // Rows of a single comma come from a loaded list.
        std::string commands;
        for (const std::string& row : c.rows)
            commands += (commands.empty() ? "" : ",") + (row == "," ? "\"\"" : row);
        AddMacro("M9", commands.c_str());
        MacroModel model = MacroModel::ForEdit(store, "M9");
        ASSERT_FALSE(model.SetExec(c.exec)) << c.name;
        const auto refusal = model.AddToken(std::string(c.tokenLength, 'y'));
        EXPECT_EQ(!refusal, c.added) << c.name;
        if (refusal) {
            EXPECT_EQ(*refusal, kNoMoreSpace) << c.name;
        }
        EXPECT_EQ(model.Rows().size(), c.rows.size() + (c.added ? 1 : 0)) << c.name;
        items.deleteItem("M9");
    }

    // Choosing the repeat type checks the length again.
    MacroModel model = WithRows({std::string(250, 'z')});
    EXPECT_EQ(model.SetExec(ExecType::Repeat), kNoSpaceForRepeat);
    EXPECT_EQ(model.Exec(), ExecType::Normal);
    model = WithRows({std::string(247, 'z')});
    EXPECT_FALSE(model.SetExec(ExecType::Repeat));
    EXPECT_EQ(model.Exec(), ExecType::Repeat);
}

TEST_F(MacroModelTest, DeleteUpAndDownAtTheEdges) {
    const struct {
        Rows rows;
        int selected;
        char action;  // 'd' delete, 'u' up, 'n' down
        Rows after;
        int selectedAfter;
        bool deleteEnabled;  // before the action
        bool moveEnabled;
    } cases[] = {
        {{"A", "B", "C"}, 0, 'u', {"A", "B", "C"}, 0, true, true},
        {{"A", "B", "C"}, 1, 'u', {"B", "A", "C"}, 0, true, true},
        {{"A", "B", "C"}, 2, 'n', {"A", "B", "C"}, 2, true, true},
        {{"A", "B", "C"}, 0, 'n', {"B", "A", "C"}, 1, true, true},
        {{"A", "B", "C"}, -1, 'n', {"A", "B", "C"}, -1, false, false},
        {{"A"}, 0, 'n', {"A"}, 0, true, false},
        {{"A", "B", "C"}, 1, 'd', {"A", "C"}, 1, true, true},
        {{"A", "B", "C"}, 2, 'd', {"A", "B"}, 1, true, true},
        {{"A"}, 0, 'd', {}, -1, true, false},
        {{"A", "B"}, -1, 'd', {"A", "B"}, -1, false, false},
        {{}, 0, 'd', {}, -1, false, false},
    };
    for (const auto& c : cases) {
        MacroModel model = WithRows(c.rows);
        model.SelectRow(c.selected);
        EXPECT_EQ(model.DeleteEnabled(), c.deleteEnabled) << c.selected << c.action;
        EXPECT_EQ(model.MoveEnabled(), c.moveEnabled) << c.selected << c.action;
        if (c.action == 'd') model.DeleteRow();
        if (c.action == 'u') model.MoveUp();
        if (c.action == 'n') model.MoveDown();
        EXPECT_EQ(model.Rows(), c.after) << c.selected << c.action;
        EXPECT_EQ(model.SelectedRow(), c.selectedAfter) << c.selected << c.action;
    }
}

TEST_F(MacroModelTest, SingleCommandTypesNeedTwoRows) {
    MacroModel model = WithRows({"A"});
    EXPECT_FALSE(model.SingleCommandTypesEnabled());
    model.SetExec(ExecType::Select);
    EXPECT_EQ(model.Exec(), ExecType::Normal);
    model.AddToken("B");
    EXPECT_TRUE(model.SingleCommandTypesEnabled());
    model.SetExec(ExecType::Loop);
    EXPECT_EQ(model.Exec(), ExecType::Loop);
    model.SelectRow(0);
    model.DeleteRow();
    EXPECT_EQ(model.Exec(), ExecType::Normal);  // deleting down to one row

    // A stored macro of one command loads as a sequence.
    TMacroRecord* macro = AddMacro("M1", "A");
    macro->Select = 1;
    EXPECT_EQ(MacroModel::ForEdit(store, "M1").Exec(), ExecType::Normal);
}

// Loading a record into rows and storing them back.
TEST_F(MacroModelTest, CommandListsLoadIntoRowsAndStoreBack) {
    const struct {
        const char* stored;
        bool select;
        bool loop;
        Rows rows;
        ExecType exec;
        const char* storedAgain;
    } cases[] = {
        {"", false, false, {}, ExecType::Normal, ""},
        {"A,B", false, false, {"A", "B"}, ExecType::Normal, "A,B"},
        {"REPEAT,MOUSE-UP", false, false, {"MOUSE-UP"}, ExecType::Repeat, "REPEAT,MOUSE-UP"},
        {"REPEAT", false, false, {}, ExecType::Repeat, "REPEAT,"},
        {"A,\"\",B", false, false, {"A", ",", "B"}, ExecType::Normal, "A,\"\",B"},
        {"CTRL+ ,TYPE:Hi ", false, false, {"CTRL+ ", "TYPE:Hi "}, ExecType::Normal, "CTRL+ ,TYPE:Hi "},
        {"A,B", true, false, {"A", "B"}, ExecType::Select, "A,B"},
        {"A,B", false, true, {"A", "B"}, ExecType::Loop, "A,B"},
        {"REPEAT,A,B", true, false, {"A", "B"}, ExecType::Repeat, "REPEAT,A,B"},
        {"TYPE:REPEAT,A", false, false, {"TYPE:REPEAT", "A"}, ExecType::Normal, "TYPE:REPEAT,A"},
    };
    for (const auto& c : cases) {
        TMacroRecord* macro = AddMacro("M1", c.stored);
        macro->Select = c.select;
        macro->Loop = c.loop;
        MacroModel model = MacroModel::ForEdit(store, "M1");
        EXPECT_EQ(model.Rows(), c.rows) << c.stored;
        EXPECT_EQ(model.Exec(), c.exec) << c.stored;
        ASSERT_FALSE(model.Accept()) << c.stored;
        EXPECT_EQ(FieldText(macro->Commands), c.storedAgain) << c.stored;
        EXPECT_EQ(macro->Select != 0, c.exec == ExecType::Select) << c.stored;
        EXPECT_EQ(macro->Loop != 0, c.exec == ExecType::Loop) << c.stored;
        items.deleteItem("M1");
    }
}

TEST_F(MacroModelTest, EveryFieldOfTheRecord) {
    ASSERT_TRUE(items.addBGroup(GroupRecord("A1", "", "Player")));
    TMacroRecord* macro = AddMacro("M4", "OLD", "A1");
    CopyText(macro->IRCommand, "KEY_1");
    macro->LoopIndex = 3;
    macro->InTree = 1;
    macro->TargetWindow = 1234;
    macro->LeaveWindow = 1;

    MacroModel model = MacroModel::ForEdit(store, "M4");
    EXPECT_EQ(model.GroupID(), "A1");
    model.name = "Play, then stop";
    model.SetCurrentWindow(false);
    model.targetApp = std::string(90, 'p');
    model.targetWindow = "Player";
    model.returnToPrevious = true;
    model.dontBring = true;
    model.hidden = true;
    model.osd = true;
    model.SelectRow(0);
    model.DeleteRow();
    model.AddToken("SPACE");
    model.AddToken("ESC");
    model.SetExec(ExecType::Loop);
    model.SetDisabled(true);
    ASSERT_FALSE(model.Accept());
    EXPECT_EQ(model.name, "Play  then stop");

    EXPECT_EQ(FieldText(macro->Name), "Play  then stop");
    EXPECT_EQ(FieldText(macro->AppID), "A1");
    EXPECT_EQ(FieldText(macro->Commands), "SPACE,ESC");
    EXPECT_EQ(macro->CurrentWindow, 0);
    EXPECT_EQ(FieldText(macro->TargetFile), std::string(80, 'p'));
    EXPECT_EQ(FieldText(macro->TargetCaption), "Player");
    EXPECT_EQ(macro->LeaveWindow, 0);
    EXPECT_EQ(macro->DontFocus, 1);
    EXPECT_EQ(macro->Disabled, 1);
    EXPECT_EQ(macro->TargetWindow, 0);
    EXPECT_EQ(macro->OSD, 1);
    EXPECT_EQ(macro->Select, 0);
    EXPECT_EQ(macro->Loop, 1);
    EXPECT_EQ(macro->Hidden, 1);
    // What the editor does not show stays.
    EXPECT_EQ(FieldText(macro->IRCommand), "KEY_1");
    EXPECT_EQ(macro->LoopIndex, 3);
    EXPECT_EQ(macro->InTree, 1);

    // And back into a new editor.
    MacroModel again = MacroModel::ForEdit(store, "M4");
    EXPECT_EQ(again.name, "Play  then stop");
    EXPECT_FALSE(again.CurrentWindow());
    EXPECT_TRUE(again.returnToPrevious);
    EXPECT_TRUE(again.dontBring);
    EXPECT_TRUE(again.hidden);
    EXPECT_TRUE(again.osd);
    EXPECT_TRUE(again.Disabled());
    EXPECT_EQ(again.Exec(), ExecType::Loop);
}

TEST_F(MacroModelTest, TheRecordIsCreatedOnlyWhenNeeded) {
    ASSERT_TRUE(items.addBGroup(GroupRecord("A1", "", "Player")));
    const struct {
        const char* name;
        const char* steps;  // s store (Learn..., click location), o OK, c Cancel
        bool exists;        // afterwards
    } cases[] = {
        {"OK creates it", "o", true},
        {"Cancel alone creates nothing", "c", false},
        {"Learn... then Cancel removes it", "sc", false},
        {"Learn... then OK keeps it", "so", true},
        {"two stores make one record", "sso", true},
    };
    for (const auto& c : cases) {
        MacroModel model = MacroModel::ForAdd(store, "A1");
        model.name = "Next";
        EXPECT_EQ(model.MacroID(), "") << c.name;
        for (const char* step = c.steps; *step; ++step) {
            if (*step == 's') model.StoreRecord();
            if (*step == 'o') {
                EXPECT_FALSE(model.Accept()) << c.name;
            }
            if (*step == 'c') model.Cancel();
        }
        int count = 0;
        int position = -1;
        while (const TMacroRecord* macro = items.getNextMacro(position, "", true)) {
            ++count;
            EXPECT_EQ(FieldText(macro->ID), model.MacroID()) << c.name;
            EXPECT_EQ(FieldText(macro->AppID), "A1") << c.name;
            EXPECT_EQ(FieldText(macro->Name), "Next") << c.name;
        }
        EXPECT_EQ(count, c.exists ? 1 : 0) << c.name;
        if (c.exists) items.deleteItem(model.MacroID().c_str());
    }
}

TEST_F(MacroModelTest, CancelWhileEditingKeepsWhatWasStored) {
    AddMacro("M1", "A");
    MacroModel model = MacroModel::ForEdit(store, "M1");
    model.AddToken("CLICK:0010:0020:L:S:CLICK");
    model.StoreRecord();  // before the click-position dialog
    model.AddToken("B");
    model.Cancel();
    ASSERT_NE(items.getMacro("M1"), nullptr);
    EXPECT_EQ(FieldText(items.getMacro("M1")->Commands), "A,CLICK:0010:0020:L:S:CLICK");
}

// At 9,999 macros nothing closes the editor as if the macro were stored.
TEST_F(MacroModelTest, AFullStoreRefusesTheNewMacroAndKeepsTheInput) {
    for (int i = 1; i <= 9999; ++i) AddMacro(("M" + std::to_string(i)).c_str(), "");
    MacroModel model = WithRows({"ENTER"});
    model.name = "Late";
    EXPECT_EQ(model.StoreRecord(), kNoRoomForMacro);  // before "Learn..."
    EXPECT_EQ(model.Accept(), kNoRoomForMacro);
    EXPECT_EQ(model.MacroID(), "");
    EXPECT_EQ(model.Rows(), Rows{"ENTER"});
}

TEST_F(MacroModelTest, OkNeedsAName) {
    MacroModel model = MacroModel::ForAdd(store, "");
    EXPECT_EQ(model.Accept(), kSpecifyMacroName);
    EXPECT_EQ(model.MacroID(), "");
    model.name = ",";
    EXPECT_FALSE(model.Accept());
    EXPECT_EQ(model.name, " ");
    EXPECT_EQ(FieldText(items.getMacro(model.MacroID().c_str())->Name), " ");
}

TEST_F(MacroModelTest, Captions) {
    ASSERT_TRUE(items.addBGroup(GroupRecord("A1", "", "Player")));
    AddMacro("M1", "", "A1");
    AddMacro("M2", "");
    AddMacro("M3", "", "A7");  // its group is gone
    EXPECT_EQ(MacroModel::ForEdit(store, "M1").Caption(), "Edit macro Player/Macro");
    EXPECT_EQ(MacroModel::ForEdit(store, "M2").Caption(), "Edit macro Macro");
    EXPECT_EQ(MacroModel::ForEdit(store, "M3").Caption(), "Edit macro Macro");
    EXPECT_EQ(MacroModel::ForAdd(store, "A1").Caption(), "Add macro to group Player");
    EXPECT_EQ(MacroModel::ForAdd(store, "").Caption(), "Add general macro");
    EXPECT_EQ(MacroModel::ForAdd(store, "A9").Caption(), "Add general macro");
}

TEST_F(MacroModelTest, NewMacrosTargetTheProgramOfTheGroupsStartMacro) {
    const struct {
        const char* startCommands;  // of the group's start macro M1; nullptr: no start macro
        const char* program;
    } cases[] = {
        {"LAUNCH:I:C:\\Apps\\player.exe /min", "player.exe"},
        {"PAUSE:100,LAUNCH:D:I:C:\\Apps\\player.exe /min,ENTER", "player.exe"},
        {"LAUNCH:notes.txt  ", "notes.txt"},
        {"LAUNCHPAD:x,TYPE:LAUNCH:y,LAUNCH:C:\\a\\b.exe", "b.exe"},
        {"PAUSE:100", ""},
        {nullptr, ""},
    };
    for (const auto& c : cases) {
        TBGroupRecord group = GroupRecord("A1", "", "Player");
        if (c.startCommands) {
            AddMacro("M1", c.startCommands, "A1");
            CopyText(group.MacroID, "M1");
        }
        ASSERT_TRUE(items.addBGroup(group));
        MacroModel model = MacroModel::ForAdd(store, "A1");
        EXPECT_EQ(model.targetApp, c.program) << c.startCommands;
        EXPECT_EQ(model.CurrentWindow(), model.targetApp.empty()) << c.startCommands;
        EXPECT_EQ(model.TargetEnabled(), !model.targetApp.empty()) << c.startCommands;
        EXPECT_TRUE(model.osd);
        EXPECT_EQ(model.Exec(), ExecType::Normal);
        items.deleteItem("A1");
    }
}

TEST_F(MacroModelTest, TargetWindowSection) {
    MacroModel model = MacroModel::ForAdd(store, "");
    EXPECT_TRUE(model.CurrentWindow());
    model.WindowChosen("player.exe", "Player - song");
    EXPECT_FALSE(model.CurrentWindow());
    EXPECT_EQ(model.targetApp, "player.exe");
    EXPECT_EQ(model.targetWindow, "Player - song");
    model.returnToPrevious = true;
    model.dontBring = true;
    model.SetCurrentWindow(false);  // "S&pecifiy" unticks both boxes
    EXPECT_FALSE(model.returnToPrevious || model.dontBring);
    EXPECT_EQ(model.targetApp, "player.exe");
    model.returnToPrevious = true;
    model.SetCurrentWindow(true);
    EXPECT_FALSE(model.returnToPrevious);
    EXPECT_EQ(model.targetApp, "");
    EXPECT_EQ(model.targetWindow, "");
    EXPECT_FALSE(model.TargetEnabled());

    // A macro for the current window loads its stored target all the same.
    TMacroRecord* macro = AddMacro("M1", "");
    macro->CurrentWindow = 1;
    macro->DontFocus = 1;
    CopyText(macro->TargetFile, "old.exe");
    MacroModel loaded = MacroModel::ForEdit(store, "M1");
    EXPECT_TRUE(loaded.CurrentWindow());
    EXPECT_FALSE(loaded.dontBring);
    EXPECT_EQ(loaded.targetApp, "old.exe");
}

// The disabled box reaches the store at once; enabling a macro whose
// command clashes is refused and the box is ticked again.
TEST_F(MacroModelTest, TheDisabledFlagGoesToTheStoreAtOnce) {
    TMacroRecord* macro = AddMacro("M1", "A");
    CopyText(macro->IRCommand, "KEY_1");
    MacroModel model = MacroModel::ForEdit(store, "M1");
    model.SetDisabled(true);
    EXPECT_TRUE(items.isDisabled("M1"));
    model.Cancel();
    EXPECT_TRUE(items.isDisabled("M1"));

    TMacroRecord other = MacroRecord("M2", "", "KEY_1", "Other");
    ASSERT_TRUE(items.addMacro(other));
    model.SetDisabled(false);
    EXPECT_TRUE(model.Disabled());
    EXPECT_TRUE(items.isDisabled("M1"));
    items.deleteItem("M2");
    model.SetDisabled(false);
    EXPECT_FALSE(model.Disabled());
    EXPECT_FALSE(items.isDisabled("M1"));

    // Before the record exists only the box changes.
    MacroModel added = MacroModel::ForAdd(store, "");
    added.SetDisabled(true);
    EXPECT_TRUE(added.Disabled());
    added.name = "New";
    added.Accept();
    EXPECT_TRUE(items.isDisabled(added.MacroID().c_str()));
}

TEST_F(MacroModelTest, HintsAndLaunchRows) {
    MacroModel model =
        WithRows({"ENTER", "CLICK:0120:0045:L:W:CLICK", "CLICK:", "LAUNCH:I:C:\\a.exe", "LAUNCHPAD:x"});
    EXPECT_EQ(model.RowHint(-1), kCommandListHint);
    EXPECT_EQ(model.RowHint(5), kCommandListHint);
    EXPECT_EQ(model.RowHint(0), "ENTER");
    EXPECT_EQ(model.RowHint(1),
              "Left mouse button click to 120, 45. Coordinates are in relation to destination window.");
    EXPECT_EQ(model.RowHint(2), "CLICK:");

    const bool editable[] = {false, false, false, true, false};  // a plug-in called LAUNCHPAD
    for (int row = 0; row < 5; ++row) EXPECT_EQ(model.RowEditable(row), editable[row]) << row;
    EXPECT_FALSE(model.ReplaceRow(0, "LAUNCH:b.exe"));
    EXPECT_EQ(model.Rows()[0], "ENTER");
    EXPECT_FALSE(model.ReplaceRow(3, "LAUNCH:b.exe"));
    EXPECT_EQ(model.Rows()[3], "LAUNCH:b.exe");
    EXPECT_EQ(model.ReplaceRow(3, "LAUNCH:" + std::string(250, 'c')), kNoMoreSpace);
    EXPECT_EQ(model.ReplaceRow(3, "LAUNCH:a,b.exe"), kCommaInCommand);
    EXPECT_EQ(model.Rows()[3], "LAUNCH:b.exe");
}

}  // namespace
