// The button panel's button properties dialog.
#pragma once

#include <string>
#include <vector>

#include "core/win/Dialog.h"
#include "display/ButtonItems.h"
#include "display/ButtonList.h"

// A button's caption or picture (never both: typing one empties the other)
// and the group or macro it runs. OK copies them into the entry; Cancel
// leaves it as it was.
class TdlgBtnProperties : public TDialog {
  public:
    explicit TdlgBtnProperties(TBtnEntry& entry);

  private:
    void FormCreate() override;
    void Command(int id, int notification) override;
    void btnOkClick() override;

    TBtnEntry& entry_;
    std::vector<ButtonItem> items_;
    std::string mid_;
    std::string caption_;
    std::string picture_;
};
