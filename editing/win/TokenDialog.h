// The base of the command parameter dialogs: each asks for the parameters of
// one kind of command and ends with the command's token.
#pragma once

#include <optional>
#include <string>

#include "core/win/Dialog.h"

class TTokenDialog : public TDialog {
  public:
    // Runs the dialog modally: the token it closed with on OK, which is ""
    // when the input was refused; nothing on Cancel.
    std::optional<std::string> Run(HWND owner);

  protected:
    explicit TTokenDialog(int templateId) : templateId_(templateId) {}
    void CloseWithToken(std::string token);

  private:
    const int templateId_;
    std::string token_;
};
