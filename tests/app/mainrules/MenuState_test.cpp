#include "app/mainrules/MenuState.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuState, WithoutNodesOnlyAddingRemains) {
    MenuSelection selection;
    selection.clipboardHoldsMacro = true;
    const MenuState state = ComputeMenuState(selection);
    EXPECT_FALSE(state.batchLearn || state.edit || state.paste || state.cut || state.remove ||
                 state.exportItem);
}

TEST(MenuState, NodesWithoutSelection) {
    MenuSelection selection;
    selection.hasNodes = true;
    const MenuState state = ComputeMenuState(selection);
    EXPECT_TRUE(state.batchLearn);
    EXPECT_FALSE(state.edit || state.learn || state.remove || state.disable || state.exportItem ||
                 state.paste);
}

TEST(MenuState, GroupSelectedCannotBeCutOrCopied) {
    TBGroupRecord group = FreshBGroupRecord();
    group.Disabled = 1;
    MenuSelection selection{true, &group, nullptr, true, false};
    MenuState state = ComputeMenuState(selection);
    EXPECT_FALSE(state.cut || state.copy || state.paste || state.hide || state.showLearnt ||
                 state.removeLearn);
    EXPECT_TRUE(state.addGroupMacro && state.edit && state.remove && state.exportItem && state.disable);
    EXPECT_EQ(state.disableCaption, "E&nable item");
    CopyText(group.IRCommand, "remote.1");
    state = ComputeMenuState(selection);
    EXPECT_TRUE(state.showLearnt && state.removeLearn);
}

TEST(MenuState, GeneralMacroCannotTakeGroupMacros) {
    TMacroRecord macro = FreshMacroRecord();
    macro.Hidden = 1;
    MenuSelection selection{true, nullptr, &macro, true, true};
    MenuState state = ComputeMenuState(selection);
    EXPECT_FALSE(state.addGroupMacro);
    EXPECT_TRUE(state.cut && state.copy && state.paste && state.hide);
    EXPECT_EQ(state.hideCaption, "&Show item");
    EXPECT_EQ(state.disableCaption, "&Disable item");
    EXPECT_FALSE(state.removeLearn || state.showLearnt);

    CopyText(macro.AppID, "A1");
    CopyText(macro.IRCommand, "remote.1");
    macro.Hidden = 0;
    state = ComputeMenuState(selection);
    EXPECT_TRUE(state.addGroupMacro && state.removeLearn && state.showLearnt);
    EXPECT_EQ(state.hideCaption, "&Hide item");
}

}  // namespace
