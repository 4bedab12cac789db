// The exports of tovedit.dll. An export that fails gives its "nothing" answer.
#include "tovedit.h"

#include <windows.h>

#include "Guarded.h"
#include "Records.h"
#include "TdlgLearn.h"
#include "TdlgSettings.h"
#include "TovdataEditStore.h"

extern "C" {

TOVEDIT_API int learn(const char* id, bool batch) {
    return Guarded(static_cast<int>(kNotLearnt), [&] {
        TItemID item;
        CopyItemID(item, id);
        TovdataEditStore store;
        return LearnItem(store, item, batch, GetActiveWindow());
    });
}

TOVEDIT_API bool ChangeSettings(HWND owner) {
    return Guarded(false, [&] { return EditSettings(owner); });
}
}
