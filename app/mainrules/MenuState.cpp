#include "app/mainrules/MenuState.h"

MenuState ComputeMenuState(const MenuSelection& selection) {
    MenuState state;
    state.batchLearn = selection.hasNodes;
    if (!selection.hasNodes || !selection.anySelected) return state;

    state.paste = selection.clipboardHoldsMacro;
    state.cut = state.copy = state.remove = true;
    state.addGroupMacro = state.edit = state.learn = state.removeLearn = state.disable = true;
    state.exportItem = true;

    if (const TMacroRecord* macro = selection.macro) {
        if (FieldText(macro->AppID).empty()) state.addGroupMacro = false;
        if (macro->Disabled) state.disableCaption = "E&nable item";
        state.hide = true;
        state.hideCaption = macro->Hidden ? "&Show item" : "&Hide item";
        state.showLearnt = state.removeLearn = !FieldText(macro->IRCommand).empty();
    } else if (const TBGroupRecord* group = selection.group) {
        state.cut = state.copy = false;
        if (group->Disabled) state.disableCaption = "E&nable item";
        state.showLearnt = state.removeLearn = !FieldText(group->IRCommand).empty();
    }
    return state;
}
