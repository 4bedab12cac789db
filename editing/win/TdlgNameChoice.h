// The base of the run-macro and activate-group dialogs: a drop-down list of
// names, the first selected; OK gives the prefix and the chosen name.
#pragma once

#include <string_view>

#include "editing/NameChoice.h"
#include "editing/win/TokenDialog.h"

class TdlgNameChoice : public TTokenDialog {
  protected:
    TdlgNameChoice(int templateId, int listId, NameChoice choice, std::string_view prefix)
        : TTokenDialog(templateId), listId_(listId), choice_(std::move(choice)), prefix_(prefix) {}

  private:
    void FormCreate() override;
    void btnOkClick() override;

    const int listId_;
    NameChoice choice_;
    const std::string_view prefix_;
};
