// The button panel's panel properties dialog.
#pragma once

#include <string>

#include "core/win/Dialog.h"

// The panel's background picture, kept in the BtnPanelBack setting.
class TdlgPanelProp : public TDialog {
  public:
    TdlgPanelProp();

  private:
    void Command(int id, int notification) override;
    void btnOkClick() override;

    std::string picture_;
};
