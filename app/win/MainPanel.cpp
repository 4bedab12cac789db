// The main window's side of the button panel: opening and closing it from
// the Tools menu, its shortcut and the tray menu, and the captions that
// follow it.
#include "app/win/MainWindow.h"
#include "app/win/resource.h"
#include "core/Guarded.h"
#include "display/tovshow.h"

void TfrmMain::ToggleButtonPanel() {
    if (!IsWindowHandle(reinterpret_cast<WindowHandle>(ButtonPanelWindow))) {
        showButtonPanel(TPanelWindowProc{&TfrmMain::PanelWindowProc, this},
                        TRunItemProc{&TfrmMain::RunItemProc, this});
        return;
    }
    CloseButtonPanel();
}

void TfrmMain::CloseButtonPanel() {
    if (!IsWindowHandle(reinterpret_cast<WindowHandle>(ButtonPanelWindow))) return;
    DestroyWindow(ButtonPanelWindow);
    ButtonPanelChanged(nullptr);
}

void TfrmMain::ButtonPanelChanged(HWND window) {
    ButtonPanelWindow = window;
    CheckMenuItem(mainMenu_, IDM_BUTTONPANEL, MF_BYCOMMAND | (window ? MF_CHECKED : MF_UNCHECKED));
    ModifyMenuA(trayMenu_.get(), IDM_BUTTONPANEL, MF_BYCOMMAND | MF_STRING, IDM_BUTTONPANEL,
                window ? "Hide &button panel" : "Show &button panel");
}

void TfrmMain::PanelWindowProc(void* context, HWND window) {
    Guarded([&] { static_cast<TfrmMain*>(context)->ButtonPanelChanged(window); });
}

// A click on a panel button runs its item as the item's remote button would,
// but not while a dialog of the main window is open: learning or the
// settings hold the receiver, which a chooser would take from them.
void TfrmMain::RunItemProc(void* context, const char* id) {
    Guarded([&] {
        auto* self = static_cast<TfrmMain*>(context);
        if (self->receiver_.CloseAllowed) self->dispatcher_.ExecuteItem(id);
    });
}
