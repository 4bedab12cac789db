#include "display/win/TdlgShowLearn.h"

#include "core/win/ThisModule.h"
#include "display/ShowLearnModel.h"
#include "display/win/TdlgShowLearnRes.h"
#include "store/tovdata.h"

void TdlgShowLearn::FormCreate() {
    ::SetControlText(Handle(), title_);
    std::string text;
    for (const std::string& line : LearntCommandLines(learnt_)) text += line + "\r\n";
    SetControlText(IDC_SHOWLEARN_MEMO1, text);
    FocusControl(IDOK);
}

void ShowLearntCommands(const char* id, HWND owner) {
    TMacroRecord* macro = nullptr;
    TBGroupRecord* group = nullptr;
    if (!getBGroupOrMacro(id, &macro, &group)) return;
    TdlgShowLearn dialog(LearntCommandsTitle(macro ? FieldText(macro->Name) : FieldText(group->Name)),
                         std::string(macro ? FieldText(macro->IRCommand) : FieldText(group->IRCommand)));
    dialog.ShowModal(ThisModule(), IDD_SHOWLEARN, owner);
}
