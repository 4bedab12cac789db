#include "display/win/TdlgBtnPanel.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "core/Paths.h"
#include "core/Records.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/win/SafeFile.h"
#include "core/win/ThisModule.h"
#include "display/ButtonListMessages.h"
#include "display/win/DisplayScreens.h"
#include "display/win/TdlgBtnProperties.h"
#include "display/win/TdlgBtnPropertiesRes.h"
#include "display/win/TdlgPanelProp.h"
#include "display/win/TdlgPanelPropRes.h"

namespace {

constexpr UINT_PTR kButtonSubclass = 1;
// Posted as the panel shows, so that showButtonPanel returns before the notice.
constexpr UINT kShowNotice = WM_APP + 1;

UniqueBitmap LoadBitmapFile(std::string_view path) {
    if (path.empty()) return nullptr;
    return UniqueBitmap(static_cast<HBITMAP>(
        LoadImageA(nullptr, std::string(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
}

const char* CursorOf(PointerShape shape) {
    switch (shape) {
        case PointerShape::SizeWE:
            return IDC_SIZEWE;
        case PointerShape::SizeNS:
            return IDC_SIZENS;
        case PointerShape::SizeNWSE:
            return IDC_SIZENWSE;
        case PointerShape::SizeNESW:
            return IDC_SIZENESW;
        default:
            return IDC_ARROW;
    }
}

PanelBox BoxOfRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string ButtonListPath() { return ProgramFolder() + kButtonListFileName; }

}  // namespace

TdlgBtnPanel::TdlgBtnPanel(TPanelWindowProc panelWindowProc, TRunItemProc runItemProc)
    : panelWindowProc_(panelWindowProc), runItemProc_(runItemProc) {
    const std::string path = ButtonListPath();
    std::string text;
    ButtonListFound found = ButtonListFound::Missing;
    if (ReadFileText(path, text)) {
        list_ = ReadButtonList(text);
        found = NothingReadFrom(text, list_) ? ButtonListFound::NothingRead : ButtonListFound::Read;
    } else if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        found = ButtonListFound::Unreadable;
    }
    notice_ = ButtonListNotice(found, list_.size(), path);
    if (found == ButtonListFound::Unreadable || found == ButtonListFound::NothingRead)
        overwriteQuestion_ = ButtonListOverwriteQuestion(path);

    mnuBtnPanel_.reset(CreatePopupMenu());
    AppendMenuA(mnuBtnPanel_.get(), MF_STRING | MF_GRAYED, mnuAddButton, "Add button");
    AppendMenuA(mnuBtnPanel_.get(), MF_STRING, mnuPanelProperties, "Panel properties...");
    AppendMenuA(mnuBtnPanel_.get(), MF_STRING, mnuDesignMode, "Design mode");
    AppendMenuA(mnuBtnPanel_.get(), MF_STRING, mnuClose, "&Close");
    mnuBtnButton_.reset(CreatePopupMenu());
    AppendMenuA(mnuBtnButton_.get(), MF_STRING, mnuDeleteButton, "Delete button");
    AppendMenuA(mnuBtnButton_.get(), MF_STRING, mnuButtonProperties, "Button properties...");
}

TdlgBtnPanel::~TdlgBtnPanel() {
    *alive_ = false;
    DestroyButtons();
}

void TdlgBtnPanel::Show(TPanelWindowProc panelWindowProc, TRunItemProc runItemProc) {
    auto panel = std::unique_ptr<TdlgBtnPanel>(new TdlgBtnPanel(panelWindowProc, runItemProc));
    // Placed once the panel has been moved or sized: that stores its place.
    constexpr int32_t unset = INT32_MIN;
    const bool placed = ReadIntSetting(setting::BtnPanelX.name, unset) != unset;
    const PanelBox place =
        PlacePanelOnScreen({ReadSetting(setting::BtnPanelX), ReadSetting(setting::BtnPanelY),
                            ReadSetting(setting::BtnPanelW), ReadSetting(setting::BtnPanelH)},
                           placed, ReadDisplayScreens());

    TWindowClass windowClass;
    windowClass.name = kClassName;
    TdlgBtnPanel* self =
        CreateOwned(std::move(panel), windowClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Button panel",
                    WS_POPUP | WS_CLIPCHILDREN, place.left, place.top, place.width, place.height);
    if (!self) return;
    self->BuildButtons();
    self->LoadBackground();
    ShowWindow(self->Handle(), SW_SHOWNOACTIVATE);
    if (!self->notice_.empty()) PostMessageA(self->Handle(), kShowNotice, 0, 0);
    if (panelWindowProc.Proc) panelWindowProc.Proc(panelWindowProc.Context, self->Handle());
}

void TdlgBtnPanel::UnregisterClass() { ::UnregisterClassA(kClassName, ThisModule()); }

LRESULT TdlgBtnPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) != Handle() || !designMode_ || LOWORD(lParam) != HTCLIENT)
                break;
            SetPointer(pointer_);
            return TRUE;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            BackgroundMouse(message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_COMMAND:
            // Menu choices come posted, once the menu and the mouse message
            // that opened it are done.
            if (lParam == 0) MenuChosen(LOWORD(wParam));
            return 0;
        case WM_SIZE:
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CAPTURECHANGED:
            CaptureLost();
            return 0;
        case kShowNotice:
            MessageBoxA(Handle(), notice_.c_str(), "Button panel", MB_OK | MB_ICONWARNING);
            return 0;
        case WM_ENDSESSION:
            // Windows ends the program without destroying its windows.
            if (wParam && !closed_) WriteList();
            return 0;
        case WM_DESTROY:
            if (!closed_) WriteList();
            return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK TdlgBtnPanel::ButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR id, DWORD_PTR panel) {
    auto* self = reinterpret_cast<TdlgBtnPanel*>(panel);
    try {
        switch (message) {
            case WM_SETCURSOR:
                if (!self->designMode_) break;
                self->SetPointer(self->pointer_);
                return TRUE;
            case WM_LBUTTONDBLCLK:
                message = WM_LBUTTONDOWN;  // a fast second click is a click too
                [[fallthrough]];
            case WM_MOUSEMOVE:
            case WM_LBUTTONDOWN:
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
                if (self->ButtonMouse(button, message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) return 0;
                break;
            case WM_CAPTURECHANGED:
                self->CaptureLost();
                break;
            case WM_NCDESTROY:
                RemoveWindowSubclass(button, &ButtonProcedure, id);
                break;
        }
    } catch (...) {
        return 0;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

bool TdlgBtnPanel::ButtonMouse(HWND button, UINT message, int x, int y) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (dragging_ && button == target_) {
                const PanelBox box =
                    DragButton(BoxOf(button), dragStartBox_, zone_, x, y, dragStart_.x, dragStart_.y);
                MoveWindow(button, box.left, box.top, box.width, box.height, TRUE);
                return true;
            }
            if (!designMode_ || dragging_) return false;
            {
                const PanelBox box = BoxOf(button);
                zone_ = ButtonZone(x, y, box.width, box.height);
                pointer_ = ButtonZoneShape(zone_);
                SetPointer(pointer_);
            }
            return true;
        case WM_LBUTTONDOWN:
            target_ = button;
            if (designMode_) {
                StartDrag();
                dragStart_ = {x, y};
                dragStartBox_ = BoxOf(button);
            } else {
                // Pressed without the focus, which would activate the panel.
                pressed_ = button;
                SendMessageA(button, BM_SETSTATE, TRUE, 0);
            }
            SetCapture(button);
            return true;
        case WM_LBUTTONUP:
            ButtonReleased(button, false, x, y);
            return true;
        case WM_RBUTTONUP:
            ButtonReleased(button, true, x, y);
            return true;
    }
    return false;
}

void TdlgBtnPanel::ButtonReleased(HWND button, bool right, int x, int y) {
    target_ = button;
    currentID_ = buttons_.at(button);
    if (ButtonTooSmall(BoxOf(button)))
        MoveWindow(button, dragStartBox_.left, dragStartBox_.top, dragStartBox_.width, dragStartBox_.height,
                   TRUE);
    zone_ = 0;
    bool click = false;
    if (!right) {
        dragging_ = false;
        RECT client;
        GetClientRect(button, &client);
        click = pressed_ == button && PtInRect(&client, POINT{x, y});
        if (pressed_ == button) SendMessageA(button, BM_SETSTATE, FALSE, 0);
        pressed_ = nullptr;
        if (GetCapture() == button) ReleaseCapture();
    }
    // Before the menu, whose commands may rebuild the buttons.
    const int index = FindButton(list_, currentID_);
    if (index >= 0) SetEntryBox(list_[index], BoxOf(button));
    if (right) {
        POINT point{x, y};
        ClientToScreen(button, &point);
        RunMenu(mnuBtnButton_.get(), point.x, point.y);
    } else if (click) {
        ButtonClicked(button);
    }
}

void TdlgBtnPanel::ButtonClicked(HWND button) {
    if (designMode_) return;
    const int index = FindButton(list_, buttons_.at(button));
    if (index < 0 || FieldText(list_[index].MID).empty() || !runItemProc_.Proc) return;
    TItemID id;
    CopyText(id, FieldText(list_[index].MID));
    runItemProc_.Proc(runItemProc_.Context, id);
}

void TdlgBtnPanel::BackgroundMouse(UINT message, int x, int y) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (dragging_) {
                const PanelBox box =
                    DragPanel(PanelPlace(), dragStartBox_, zone_, x, y, dragStart_.x, dragStart_.y);
                SetWindowPos(Handle(), nullptr, box.left, box.top, box.width, box.height,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            } else if (designMode_) {
                RECT client;
                GetClientRect(Handle(), &client);
                zone_ = BackgroundZone(x, y, client.right, client.bottom);
                pointer_ = BackgroundZoneShape(zone_);
                SetPointer(pointer_);
            }
            break;
        case WM_LBUTTONDOWN:
            StartDrag();
            dragStart_ = {x, y};
            dragStartBox_ = PanelPlace();
            SetCapture(Handle());
            break;
        case WM_LBUTTONUP:
            BackgroundReleased(false, x, y);
            break;
        case WM_RBUTTONUP:
            BackgroundReleased(true, x, y);
            break;
    }
}

void TdlgBtnPanel::StartDrag() {
    dragging_ = true;
    // Only the window in front keeps the mouse while it leaves the window
    // (Wine), and a drag often leaves it: arranging takes the panel to the
    // front, a click on a button does not.
    SetForegroundWindow(Handle());
}

// The mouse was taken away mid-press (another window took it): the drag or
// the click ends where it is, so that the next move drags nothing.
void TdlgBtnPanel::CaptureLost() {
    dragging_ = false;
    zone_ = 0;
    if (pressed_) SendMessageA(pressed_, BM_SETSTATE, FALSE, 0);
    pressed_ = nullptr;
}

void TdlgBtnPanel::BackgroundReleased(bool right, int x, int y) {
    dragging_ = false;
    zone_ = 0;
    if (GetCapture() == Handle()) ReleaseCapture();
    if (PanelTooSmall(PanelPlace()))
        SetWindowPos(Handle(), nullptr, dragStartBox_.left, dragStartBox_.top, dragStartBox_.width,
                     dragStartBox_.height, SWP_NOZORDER | SWP_NOACTIVATE);
    const PanelBox place = PanelPlace();
    if (right) {
        UpdatePanelMenu();
        RunMenu(mnuBtnPanel_.get(), place.left + x, place.top + y);
    }
    WriteSetting(setting::BtnPanelX, place.left);
    WriteSetting(setting::BtnPanelY, place.top);
    WriteSetting(setting::BtnPanelW, place.width);
    WriteSetting(setting::BtnPanelH, place.height);
}

void TdlgBtnPanel::RunMenu(HMENU menu, int screenX, int screenY) {
    // In front, so that a click elsewhere closes the menu.
    SetForegroundWindow(Handle());
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screenX, screenY, 0, Handle(), nullptr));
    PostMessageA(Handle(), WM_NULL, 0, 0);
    if (command) PostMessageA(Handle(), WM_COMMAND, command, 0);
}

void TdlgBtnPanel::MenuChosen(UINT command) {
    switch (command) {
        case mnuAddButton: {
            if (!designMode_ || list_.size() >= kMaxPanelButtons) break;
            RECT client;
            GetClientRect(Handle(), &client);
            const PanelBox place = FreePlace(list_, client.right, client.bottom);
            AddButton(list_, place.left, place.top);
            changed_ = true;
            BuildButtons();
            break;
        }
        case mnuPanelProperties:
            EditPanelProperties();
            break;
        case mnuDesignMode:
            ToggleDesignMode();
            break;
        case mnuClose:
            ClosePanel();
            break;
        case mnuDeleteButton:
            DeleteButton();
            break;
        case mnuButtonProperties:
            EditButtonProperties();
            break;
    }
}

// A full panel takes no more buttons: a new one would not show.
void TdlgBtnPanel::UpdatePanelMenu() {
    CheckMenuItem(mnuBtnPanel_.get(), mnuDesignMode,
                  MF_BYCOMMAND | (designMode_ ? MF_CHECKED : MF_UNCHECKED));
    const bool canAdd = designMode_ && list_.size() < kMaxPanelButtons;
    EnableMenuItem(mnuBtnPanel_.get(), mnuAddButton, MF_BYCOMMAND | (canAdd ? MF_ENABLED : MF_GRAYED));
}

void TdlgBtnPanel::ToggleDesignMode() {
    designMode_ = !designMode_;
    pointer_ = PointerShape::Default;
    SetPointer(pointer_);
}

void TdlgBtnPanel::DeleteButton() {
    const int index = FindButton(list_, currentID_);
    if (index < 0) return;
    list_.erase(list_.begin() + index);
    changed_ = true;
    if (!buttons_.count(target_)) return;
    DestroyWindow(target_);
    buttons_.erase(target_);
    pictures_.erase(target_);
    target_ = nullptr;
}

void TdlgBtnPanel::EditButtonProperties() {
    const int index = FindButton(list_, currentID_);
    if (index < 0) return;
    // The dialog edits a copy: the panel may be destroyed while it is open.
    TBtnEntry entry = list_[index];
    TdlgBtnProperties dialog(entry);
    const std::shared_ptr<bool> alive = alive_;
    if (dialog.ShowModal(ThisModule(), IDD_BTNPROPERTIES, Handle()) != IDOK || !*alive) return;
    list_[index] = entry;
    changed_ = true;
    BuildButtons();
}

void TdlgBtnPanel::EditPanelProperties() {
    TdlgPanelProp dialog;
    const std::shared_ptr<bool> alive = alive_;
    if (dialog.ShowModal(ThisModule(), IDD_PANELPROP, Handle()) != IDOK || !*alive) return;
    BuildButtons();
    LoadBackground();
}

void TdlgBtnPanel::ClosePanel() {
    WriteList();
    closed_ = true;
    if (panelWindowProc_.Proc) panelWindowProc_.Proc(panelWindowProc_.Context, nullptr);
    DestroyWindow(Handle());  // deletes this
}

void TdlgBtnPanel::WriteList() {
    if (!overwriteQuestion_.empty()) {
        if (!changed_ || MessageBoxA(nullptr, overwriteQuestion_.c_str(), "Button panel",
                                     MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2 | MB_TOPMOST) != IDYES)
            return;
        overwriteQuestion_.clear();
    }
    const WriteResult result = WriteFileSafely(ButtonListPath(), WriteButtonList(list_));
    if (result.ok || writeFailureReported_) return;
    writeFailureReported_ = true;
    MessageBoxA(nullptr, result.message.c_str(), "Error", MB_OK | MB_ICONERROR | MB_TOPMOST);
}

void TdlgBtnPanel::BuildButtons() {
    DestroyButtons();
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const std::size_t shown = std::min(list_.size(), kMaxPanelButtons);
    for (std::size_t i = 0; i < shown; ++i) {
        const TBtnEntry& entry = list_[i];
        UniqueBitmap picture = LoadBitmapFile(FieldText(entry.PIC));
        const HWND button = CreateWindowExA(
            0, "BUTTON", std::string(FieldText(entry.CAP)).c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON | (picture ? BS_BITMAP : 0), entry.X,
            entry.Y, entry.W, entry.H, Handle(), nullptr, ThisModule(), nullptr);
        if (!button) continue;
        // Over the earlier entries, as the lookup by ID and the painting have it.
        SetWindowPos(button, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (picture) {
            SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
            pictures_[button] = std::move(picture);
        }
        buttons_[button] = entry.ID;
        SetWindowSubclass(button, &ButtonProcedure, kButtonSubclass, reinterpret_cast<DWORD_PTR>(this));
    }
}

void TdlgBtnPanel::DestroyButtons() {
    for (const auto& [button, id] : buttons_) DestroyWindow(button);
    buttons_.clear();
    pictures_.clear();
    target_ = nullptr;
    pressed_ = nullptr;
}

void TdlgBtnPanel::LoadBackground() {
    background_ = LoadBitmapFile(ReadSetting(setting::BtnPanelBack));
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TdlgBtnPanel::Paint() {
    const PaintDC paint(Handle());
    const HDC dc = paint.get();
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (background_) {
        // At its own size inside the edge, cut where the panel ends.
        const UniqueMemoryDC memory(CreateCompatibleDC(dc));
        const SelectedObject picture(memory.get(), background_.get());
        BITMAP size{};
        GetObjectA(background_.get(), sizeof size, &size);
        BitBlt(dc, 1, 1, std::min<int>(size.bmWidth, client.right - 2),
               std::min<int>(size.bmHeight, client.bottom - 2), memory.get(), 0, 0, SRCCOPY);
    }
    DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
}

void TdlgBtnPanel::SetPointer(PointerShape shape) { SetCursor(LoadCursorA(nullptr, CursorOf(shape))); }

void TdlgBtnPanel::SetEntryBox(TBtnEntry& entry, const PanelBox& box) {
    if (PanelBox{entry.X, entry.Y, entry.W, entry.H} == box) return;
    entry.X = box.left;
    entry.Y = box.top;
    entry.W = box.width;
    entry.H = box.height;
    changed_ = true;
}

PanelBox TdlgBtnPanel::BoxOf(HWND button) const {
    RECT rect;
    GetWindowRect(button, &rect);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return BoxOfRect(rect);
}

PanelBox TdlgBtnPanel::PanelPlace() const {
    RECT rect;
    GetWindowRect(Handle(), &rect);
    return BoxOfRect(rect);
}
