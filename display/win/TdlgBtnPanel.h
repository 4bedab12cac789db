// TdlgBtnPanel, the button panel: a borderless tool window above the others
// with a button for each entry of BTNLIST.TXT (at most kMaxPanelButtons, a
// later entry over an earlier one). A click on a button runs its
// group or macro through the caller's RunItemProc. Clicks never activate the
// panel, so that the window in front stays the one a macro aimed at the
// current window reaches. In design mode the mouse moves and sizes the
// buttons; dragging the background moves (in design mode also sizes) the
// panel in any mode. The right mouse button opens the panel's or a button's
// menu.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "core/win/Scoped.h"
#include "core/win/Window.h"
#include "display/ButtonList.h"
#include "display/PanelGeometry.h"
#include "display/tovshow.h"

class TdlgBtnPanel final : public TWindow {
  public:
    static constexpr const char* kClassName = "TdlgBtnPanel";

    // Creates and shows a new panel on the calling thread; its window owns it.
    static void Show(TPanelWindowProc panelWindowProc, TRunItemProc runItemProc);
    // For the library's release: the class must not outlive its window procedure.
    static void UnregisterClass();

    ~TdlgBtnPanel() override;

  private:
    enum MenuCommand : UINT {
        mnuAddButton = 1,
        mnuPanelProperties,
        mnuDesignMode,
        mnuClose,
        mnuDeleteButton,
        mnuButtonProperties
    };

    TdlgBtnPanel(TPanelWindowProc panelWindowProc, TRunItemProc runItemProc);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    static LRESULT CALLBACK ButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR panel);
    // A button's mouse message; false leaves it to the button.
    bool ButtonMouse(HWND button, UINT message, int x, int y);
    void BackgroundMouse(UINT message, int x, int y);
    void ButtonReleased(HWND button, bool right, int x, int y);
    void BackgroundReleased(bool right, int x, int y);
    void StartDrag();
    void CaptureLost();
    void ButtonClicked(HWND button);
    void RunMenu(HMENU menu, int screenX, int screenY);
    void MenuChosen(UINT command);
    void UpdatePanelMenu();

    void BuildButtons();
    void DestroyButtons();
    void LoadBackground();
    void Paint();
    void ToggleDesignMode();
    void EditButtonProperties();
    void EditPanelProperties();
    void DeleteButton();
    void ClosePanel();
    void WriteList();
    void SetPointer(PointerShape shape);

    void SetEntryBox(TBtnEntry& entry, const PanelBox& box);

    PanelBox BoxOf(HWND button) const;
    PanelBox PanelPlace() const;

    TPanelWindowProc panelWindowProc_;
    TRunItemProc runItemProc_;
    TBtnList list_;
    // Each button and the ID of its entry.
    std::map<HWND, int32_t> buttons_;
    UniqueBitmap background_;
    // Each button's picture, deleted after its button.
    std::map<HWND, UniqueBitmap> pictures_;
    UniqueMenu mnuBtnPanel_;
    UniqueMenu mnuBtnButton_;

    bool dragging_ = false;
    bool designMode_ = false;
    int zone_ = 0;
    POINT dragStart_{};
    PanelBox dragStartBox_;
    // The button last pressed or released, and the ID of the one last released.
    HWND target_ = nullptr;
    int32_t currentID_ = 0;
    // A button held down outside design mode: a click once released over it.
    HWND pressed_ = nullptr;
    PointerShape pointer_ = PointerShape::Default;
    // Closed from its own menu: its buttons are written before it goes.
    bool closed_ = false;
    bool writeFailureReported_ = false;
    // Told once the panel shows: what the file held that the panel does not.
    std::string notice_;
    // Set while the file could not be read as the panel opened: it is not
    // written over unless the panel changed and the user agrees.
    std::string overwriteQuestion_;
    bool changed_ = false;
    // False once the panel is gone: its dialogs check it when they return.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
