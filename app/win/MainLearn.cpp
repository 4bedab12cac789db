// Learning the remote buttons of items: the receiver is switched off around
// tovedit's learn dialog, which uses the driver by itself, and switched on
// again afterwards.
#include "MainWindow.h"
#include "Settings.h"
#include "tovdata.h"
#include "tovdrv.h"
#include "tovedit.h"
#include "tovshow.h"

namespace {
// Time for the driver to settle between switching it and learning with it.
constexpr double kBeforeLearnSeconds = 0.2;
constexpr double kAfterLearnSeconds = 1.0;
// Between the items of a batch and around the batch.
constexpr double kBatchStepSeconds = 0.5;

bool Unlearnt(const char* id) {
    TMacroRecord* macro = nullptr;
    TBGroupRecord* group = nullptr;
    if (!getBGroupOrMacro(id, &macro, &group)) return false;
    return macro ? FieldText(macro->IRCommand).empty() : FieldText(group->IRCommand).empty();
}
}  // namespace

int TfrmMain::LearnItem(bool batch) {
    // Like every command that needs a selection, nothing without one (the
    // shortcut works also while the menu item is unavailable).
    const std::string id = SelectedID();
    if (id.empty()) return kNotLearnt;
    const bool closeAllowed = CloseAllowed;
    CloseAllowed = false;
    const bool wasActive = IsReceiverActive();
    if (wasActive) {
        SetReceiverActive(true, false, false);
        Delay(kBeforeLearnSeconds);
    }
    learning_ = true;
    const int result = learn(id.c_str(), batch);
    learning_ = false;
    if (result == kLearnt) {
        RefreshNode();
        SaveAllItems();
    }
    // The dialog leaves the driver deactivated and without a callback.
    if (receiverReady_) {
        DRV_SetPause(true);
        DRV_SetIRCommandProc(TIRCommandProc{&TfrmMain::ReceiveIRCommand, this});
    }
    if (wasActive) {
        Delay(kAfterLearnSeconds);
        SetReceiverActive(true, true, false);
    }
    UpdateMenus();
    CloseAllowed = closeAllowed;
    return result;
}

void TfrmMain::LearnIfUnlearnt() {
    if (ReadSetting(setting::AutoLearn) != 1) return;
    const std::string id = SelectedID();
    if (!id.empty() && Unlearnt(id.c_str())) LearnItem(false);
}

void TfrmMain::BatchLearn() {
    if (!CloseAllowed) return;
    CloseAllowed = false;
    HCURSOR previousCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const bool wasActive = IsReceiverActive();
    if (wasActive) SetReceiverActive(true, false, false);

    // Taken before the first dialog: the items may change while it waits.
    std::vector<std::string> ids;
    auto addMacros = [&](const char* groupID) {
        int position = -1;
        while (TMacroRecord* macro = getNextMacro(&position, groupID, false))
            ids.emplace_back(FieldText(macro->ID));
    };
    addMacros("");
    int position = -1;
    while (TBGroupRecord* group = getNextBGroup(&position)) {
        ids.emplace_back(FieldText(group->ID));
        addMacros(ids.back().c_str());
    }

    for (const std::string& id : ids) {
        if (!Unlearnt(id.c_str())) continue;
        Delay(kBatchStepSeconds);
        RevealItem(id);
        if (SelectItem(id) && LearnItem(true) == kBatchCancelled) break;
    }

    if (wasActive) {
        Delay(kBatchStepSeconds);
        SetReceiverActive(true, true, false);
    }
    SetCursor(previousCursor);
    CloseAllowed = true;
}

// A macro of a collapsed group may have no node yet: its group opens. Hidden
// macros while they are not shown stay without one.
void TfrmMain::RevealItem(const std::string& id) {
    TMacroRecord* macro = getMacro(id.c_str());
    if (!macro || macro->InTree) return;
    TBGroupRecord* group = getBGroup(macro->AppID);
    if (!group || group->Expanded) return;
    group->Expanded = 1;
    BuildTree(std::string(FieldText(group->ID)));
}

void TfrmMain::ShowLearntCommand() {
    const std::string id = SelectedID();
    if (!id.empty()) showCommands(id.c_str());
}

void TfrmMain::RemoveLearn() {
    const std::string id = SelectedID();
    if (id.empty()) return;
    setIRCommand(id.c_str(), "");
    RefreshNode();
    SaveAllItems();
    UpdateMenus();
}
