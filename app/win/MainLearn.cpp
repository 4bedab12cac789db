// Learning the remote buttons of items in tovedit's learn dialog, which uses
// the driver by itself: the receiver controller switches the receiver off
// around it.
#include "app/win/MainWindow.h"
#include "core/Settings.h"
#include "display/tovshow.h"
#include "editing/tovedit.h"
#include "store/tovdata.h"

namespace {
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
    const std::string id = tree_.SelectedID();
    if (id.empty()) return kNotLearnt;
    const int result = receiver_.Learn([&] {
        const int answer = learn(id.c_str(), batch);
        if (answer == kLearnt) {
            tree_.RefreshSelected();
            SaveAllItems();
        }
        return answer;
    });
    UpdateMenus();
    return result;
}

void TfrmMain::LearnIfUnlearnt() {
    if (ReadSetting(setting::AutoLearn) != 1) return;
    const std::string id = tree_.SelectedID();
    if (!id.empty() && Unlearnt(id.c_str())) LearnItem(false);
}

void TfrmMain::BatchLearn() {
    receiver_.LearnBatch([this] { LearnEveryUnlearnt(); });
}

void TfrmMain::LearnEveryUnlearnt() {
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
        Wait(kBatchStepSeconds);
        RevealItem(id);
        if (tree_.Select(id) && LearnItem(true) == kBatchCancelled) break;
    }
}

// A macro of a collapsed group may have no node yet: its group opens. Hidden
// macros while they are not shown stay without one.
void TfrmMain::RevealItem(const std::string& id) {
    TMacroRecord* macro = getMacro(id.c_str());
    if (!macro || macro->InTree) return;
    TBGroupRecord* group = getBGroup(macro->AppID);
    if (!group || group->Expanded) return;
    group->Expanded = 1;
    tree_.Build(std::string(FieldText(group->ID)));
}

void TfrmMain::ShowLearntCommand() {
    const std::string id = tree_.SelectedID();
    if (!id.empty()) showCommands(id.c_str());
}

void TfrmMain::RemoveLearn() {
    const std::string id = tree_.SelectedID();
    if (id.empty()) return;
    setIRCommand(id.c_str(), "");
    tree_.RefreshSelected();
    SaveAllItems();
    UpdateMenus();
}
