// The exports of tovedit.dll. An export that fails gives its "nothing" answer.
#include "editing/tovedit.h"

#include <windows.h>

#include "core/Guarded.h"
#include "core/Records.h"
#include "editing/win/TdlgButtonGrp.h"
#include "editing/win/TdlgLearn.h"
#include "editing/win/TdlgMacro.h"
#include "editing/win/TdlgSettings.h"
#include "editing/win/TovdataEditStore.h"

extern "C" {

TOVEDIT_API int learn(const char* id, bool batch) {
    return Guarded(static_cast<int>(kNotLearnt), [&] {
        TItemID item;
        CopyItemID(item, id);
        TovdataEditStore store;
        return LearnItem(store, item, batch, GetActiveWindow());
    });
}

bool addMacroInEditor(const char* groupID) {
    return Guarded(false, [&] {
        TItemID group;
        CopyItemID(group, groupID);
        TovdataEditStore store;
        return !newMacro(GetActiveWindow(), store, group).empty();
    });
}

TOVEDIT_API bool editMacro(const char* macroID) {
    return Guarded(false, [&] {
        TItemID macro;
        CopyItemID(macro, macroID);
        TovdataEditStore store;
        return editMacro(GetActiveWindow(), store, macro);
    });
}

TOVEDIT_API bool addButtonGroup(void) {
    return Guarded(false, [&] {
        TovdataEditStore store;
        return addButtonGroup(GetActiveWindow(), store);
    });
}

TOVEDIT_API bool editButtonGroup(const char* groupID) {
    return Guarded(false, [&] {
        TItemID group;
        CopyItemID(group, groupID);
        TovdataEditStore store;
        return editButtonGroup(GetActiveWindow(), store, group);
    });
}

TOVEDIT_API bool ChangeSettings(HWND owner) {
    return Guarded(false, [&] { return EditSettings(owner); });
}
}
