#include "editing/win/TdlgNameChoice.h"

void TdlgNameChoice::FormCreate() {
    FillList(listId_, choice_.names);
    SelectIndex(listId_, choice_.selected);
    EnableControl(IDOK, choice_.OkEnabled());
    FocusControl(listId_);
}

void TdlgNameChoice::btnOkClick() {
    choice_.selected = SelectedIndex(listId_);
    CloseWithToken(choice_.Token(prefix_));
}
