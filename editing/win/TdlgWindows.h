// The select-window dialog: a tree of the open windows, each owned window
// under its top owner; the selected node gives the program file and the
// caption of a macro's target.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <vector>

#include "core/win/Dialog.h"
#include "display/win/WinWindowQueries.h"
#include "editing/WindowsModel.h"

class TdlgWindows : public TDialog {
  public:
    // The program file and caption once the dialog ended with OK.
    const std::optional<WindowChoice>& Choice() const { return choice_; }

  private:
    // TDialog.
    void FormCreate() override;
    void Command(int id, int notification) override;
    LRESULT Notify(const NMHDR& header) override;
    void btnOkClick() override;
    const char* HelpAnchor() const override { return "#Addapplication"; }

    void FillTree();
    void AddNodes(HTREEITEM parent, const std::vector<WindowNode>& nodes);
    void NodeSelected(HTREEITEM node);
    void Browse();

    WinWindowQueries desktop_;
    std::optional<WindowChoice> choice_;
};

// A running program and one of its windows for a macro's target.
std::optional<WindowChoice> selectWindow(HWND owner);
