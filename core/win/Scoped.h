// Owning types for what Windows hands out and must be given back: the
// release is tied to the scope, so early returns and exceptions are safe.
// A Unique* is a std::unique_ptr over the handle: get() lends it, release()
// gives it up, reset() lets it go early; null holds nothing.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace scoped {
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct CloseKernelHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct CloseRegistryKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct DestroyIconHandle {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DestroyImageListHandle {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct DeleteMemoryDC {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
}  // namespace scoped

template <typename Handle, typename Release>
using UniqueResource = std::unique_ptr<std::remove_pointer_t<Handle>, Release>;

// GDI objects: never delete one while it is selected into a DC (SelectedObject).
using UniqueFont = UniqueResource<HFONT, scoped::DeleteGdiObject>;
using UniqueBrush = UniqueResource<HBRUSH, scoped::DeleteGdiObject>;
using UniquePen = UniqueResource<HPEN, scoped::DeleteGdiObject>;
using UniqueBitmap = UniqueResource<HBITMAP, scoped::DeleteGdiObject>;
using UniqueRegion = UniqueResource<HRGN, scoped::DeleteGdiObject>;
// Kernel objects: events, mutexes, processes, tokens, files and pipes. Null
// holds nothing; CreateFile's INVALID_HANDLE_VALUE must not be put in one
// (OwnedFile turns it into null).
using UniqueHandle = UniqueResource<HANDLE, scoped::CloseKernelHandle>;
using UniqueKey = UniqueResource<HKEY, scoped::CloseRegistryKey>;
using UniqueModule = UniqueResource<HMODULE, scoped::FreeModule>;
// A menu that no window holds (a window's own menu goes with the window).
using UniqueMenu = UniqueResource<HMENU, scoped::DestroyMenuHandle>;
// An icon made or loaded with its own copy (not a shared LoadIcon one).
using UniqueIcon = UniqueResource<HICON, scoped::DestroyIconHandle>;
// An image list of ImageList_Create (a control that shows it does not own it).
using UniqueImageList = UniqueResource<HIMAGELIST, scoped::DestroyImageListHandle>;

// A DC of CreateCompatibleDC.
using UniqueMemoryDC = UniqueResource<HDC, scoped::DeleteMemoryDC>;

inline UniqueHandle OwnedFile(HANDLE file) {
    return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// The DC of a window (of the screen for null) for one scope.
class WindowDC {
  public:
    explicit WindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

  private:
    const HWND window_;
    const HDC dc_;
};

// An object selected into a DC for one scope; the DC's earlier object comes
// back at the end.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    const HDC dc_;
    const HGDIOBJ previous_;
};

// The wait cursor for one scope (a long step in a window's own thread); the
// earlier cursor comes back at the end.
class WaitCursor {
  public:
    WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    const HCURSOR previous_;
};

// A window's painting (BeginPaint/EndPaint) for one scope, in WM_PAINT;
// objects selected into its DC are declared after it.
class PaintDC {
  public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }

  private:
    const HWND window_;
    PAINTSTRUCT paint_{};
    const HDC dc_;
};
