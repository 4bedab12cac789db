// The learnt-command viewer: an item's learnt command, one command string a
// line, the buttons of a sequence apart by an empty line.
#pragma once

#include <string>

#include "core/win/Dialog.h"

class TdlgShowLearn : public TDialog {
  public:
    TdlgShowLearn(std::string title, std::string learnt)
        : title_(std::move(title)), learnt_(std::move(learnt)) {}

  private:
    void FormCreate() override;

    const std::string title_;
    const std::string learnt_;
};

// Shows the viewer for the group or macro with that ID; nothing when there
// is no such item.
void ShowLearntCommands(const char* id, HWND owner);
