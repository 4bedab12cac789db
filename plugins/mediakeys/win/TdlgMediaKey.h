// The media-key plug-in's dialog: the key that the new command presses.
#pragma once

#include <string>

#include "core/win/Dialog.h"

class TdlgMediaKey : public TDialog {
  public:
    // The chosen key's parameter once the dialog closed with OK.
    const std::string& Parameter() const { return parameter_; }

  private:
    void FormCreate() override;
    void Command(int id, int notification) override;
    void btnOkClick() override;

    std::string parameter_;
};
