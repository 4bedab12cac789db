#include "editing/win/TdlgWindows.h"

#include <commctrl.h>

#include <string>

#include "core/win/CommonControls.h"
#include "core/win/DialogMessageBox.h"
#include "core/win/OpenFileDialog.h"
#include "core/win/Scoped.h"
#include "core/win/ThisModule.h"
#include "editing/win/TdlgWindowsRes.h"

void TdlgWindows::FormCreate() {
    LimitText(IDC_WINDOWS_TXTFILENAME, kMaxTargetFileLength);
    LimitText(IDC_WINDOWS_TXTCAPTION, kMaxTargetCaptionInput);
    CheckRadioButton(Handle(), IDC_WINDOWS_RBVISIBLE, IDC_WINDOWS_RBALL, IDC_WINDOWS_RBVISIBLE);
    FillTree();
}

void TdlgWindows::Command(int id, int notification) {
    if (notification != BN_CLICKED) return;
    switch (id) {
        case IDC_WINDOWS_BTNREFRESH:
        case IDC_WINDOWS_RBVISIBLE:
        case IDC_WINDOWS_RBALL:
            FillTree();
            break;
        case IDC_WINDOWS_BTNBROWSE:
            Browse();
            break;
    }
}

LRESULT TdlgWindows::Notify(const NMHDR& header) {
    // The A and W forms of the notification place the new node alike.
    if (header.idFrom == IDC_WINDOWS_OUTWINDOWS &&
        (header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW))
        NodeSelected(reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.hItem);
    return 0;
}

void TdlgWindows::btnOkClick() {
    const WindowChoiceOutcome outcome =
        AcceptWindowChoice({ControlText(IDC_WINDOWS_TXTFILENAME), ControlText(IDC_WINDOWS_TXTCAPTION)});
    if (outcome.refusal) {
        ShowDialogMessage(Handle(), *outcome.refusal);
        return;
    }
    choice_ = outcome.accepted;
    Close(IDOK);
}

void TdlgWindows::FillTree() {
    const WaitCursor wait;
    std::vector<ListedWindow> windows;
    for (WindowHandle window : desktop_.TopLevelWindows())
        windows.push_back(
            {window, desktop_.WindowTitle(window), desktop_.OwnerParent(window), desktop_.IsVisible(window)});
    const WindowShow show = Checked(IDC_WINDOWS_RBALL) ? WindowShow::All : WindowShow::Visible;
    TreeView_DeleteAllItems(Control(IDC_WINDOWS_OUTWINDOWS));
    AddNodes(TVI_ROOT, BuildWindowTree(windows, show));
}

void TdlgWindows::AddNodes(HTREEITEM parent, const std::vector<WindowNode>& nodes) {
    for (const WindowNode& node : nodes) {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        std::string caption = node.caption;
        insert.item.pszText = caption.data();
        insert.item.lParam = static_cast<LPARAM>(node.handle);
        const auto item = reinterpret_cast<HTREEITEM>(SendDlgItemMessageA(
            Handle(), IDC_WINDOWS_OUTWINDOWS, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (item) AddNodes(item, node.children);
    }
}

void TdlgWindows::NodeSelected(HTREEITEM node) {
    if (!node) return;
    char caption[kMaxListedCaptionLength + 1] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_PARAM;
    item.hItem = node;
    item.pszText = caption;
    item.cchTextMax = sizeof caption;
    if (!SendDlgItemMessageA(Handle(), IDC_WINDOWS_OUTWINDOWS, TVM_GETITEMA, 0,
                             reinterpret_cast<LPARAM>(&item)))
        return;
    SetControlText(IDC_WINDOWS_TXTCAPTION, caption);
    SetControlText(IDC_WINDOWS_TXTFILENAME, desktop_.ProgramFileOf(static_cast<WindowHandle>(item.lParam)));
}

void TdlgWindows::Browse() {
    if (const auto file =
            ChooseFileToOpen(Handle(), {"*.EXE\0*.EXE\0*.COM\0*.COM\0", "C:\\", "", OFN_FILEMUSTEXIST}))
        SetControlText(IDC_WINDOWS_TXTFILENAME, *file);
}

std::optional<WindowChoice> selectWindow(HWND owner) {
    RegisterCommonControls(ICC_TREEVIEW_CLASSES);
    TdlgWindows dialog;
    if (dialog.ShowModal(ThisModule(), IDD_WINDOWS, owner) != IDOK) return std::nullopt;
    return dialog.Choice();
}
