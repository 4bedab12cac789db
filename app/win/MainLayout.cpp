// The main window's controls and their places. Sizes are written for 96 DPI
// and scaled for the DPI of the window's monitor, also when the window moves
// to a monitor of another DPI.
#include <algorithm>
#include <string>
#include <utility>

#include "app/win/MainWindow.h"
#include "app/win/resource.h"
#include "core/win/PointFont.h"

namespace {
constexpr int kTreeImageSize = 16;
constexpr int kTreeImages = 9;
}  // namespace

void TfrmMain::CreateControls() {
    auto create = [&](const char* className, const char* text, DWORD style, int id) {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    };
    tree_.Attach(
        create(WC_TREEVIEWA, "",
               WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
               IDC_MAIN_TREE));
    lblStartup_ = create("STATIC", "Macro to run in startup", 0, IDC_MAIN_STARTUPLABEL);
    cmbActions_.Attach(create("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, IDC_MAIN_ACTIONS));
    cbStart_ = create("BUTTON", "Activate in &startup", WS_TABSTOP | BS_AUTOCHECKBOX, IDC_MAIN_START);
    cbHidden_ = create("BUTTON", "S&how hidden macros", WS_TABSTOP | BS_AUTOCHECKBOX, IDC_MAIN_HIDDEN);
    btnActivate_ = create("BUTTON", "&Activate", WS_TABSTOP | BS_DEFPUSHBUTTON, IDC_MAIN_ACTIVATE);
    dpi_ = WindowDpi(Handle());
    ApplyDpi();
    FormResize();
}

void TfrmMain::ApplyDpi() {
    // The controls leave the earlier font before it goes.
    UniqueFont font(CreateDialogFont(dpi_));
    for (HWND control :
         {tree_.Handle(), lblStartup_, cmbActions_.Handle(), cbStart_, cbHidden_, btnActivate_})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);

    // Likewise the tree and its earlier pictures.
    const int size = Scaled(kTreeImageSize);
    UniqueImageList images(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kTreeImages, 0));
    for (int i = 1; i <= kTreeImages; ++i) {
        const UniqueIcon icon(static_cast<HICON>(LoadImageA(instance_, ("TREE" + std::to_string(i)).c_str(),
                                                            IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        ImageList_AddIcon(images.get(), icon.get());
    }
    TreeView_SetImageList(tree_.Handle(), images.get(), TVSIL_NORMAL);
    imageList_ = std::move(images);
}

void TfrmMain::DpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    ApplyDpi();
    // Sized after the new DPI is in place, so that the fixed width allows it.
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    FormResize();
}

void TfrmMain::FormResize() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right;
    const int height = client.bottom;
    const int margin = Scaled(8);
    const int half = (width - 2 * margin) / 2;
    MoveWindow(tree_.Handle(), Scaled(4), Scaled(4), width - Scaled(8), std::max(0, height - Scaled(113)),
               TRUE);
    MoveWindow(lblStartup_, margin, height - Scaled(98), width - 2 * margin, Scaled(14), TRUE);
    MoveWindow(cmbActions_.Handle(), margin, height - Scaled(82), width - 2 * margin, Scaled(200), TRUE);
    MoveWindow(cbStart_, margin, height - Scaled(55), half, Scaled(18), TRUE);
    MoveWindow(cbHidden_, margin + half, height - Scaled(55), half, Scaled(18), TRUE);
    MoveWindow(btnActivate_, (width - Scaled(90)) / 2, height - Scaled(29), Scaled(90), Scaled(24), TRUE);
}
