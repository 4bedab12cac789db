// TWindow: the base of every window the program and its libraries create.
// The class is registered once per module, the object is found from
// WM_NCCREATE on (its handle is known to every handler, WM_NCCREATE and
// WM_CREATE included), no exception leaves the window procedure, and the
// object learns when its window is gone.
#pragma once

#include <windows.h>

#include <memory>

#include "core/win/ThisModule.h"

// What the window class holds besides its procedure.
struct TWindowClass {
    const char* name = nullptr;
    // The module that owns the window: the class is registered there, and a
    // library's class must go when the library goes.
    HINSTANCE module = ThisModule();
    HCURSOR cursor = LoadCursor(nullptr, IDC_ARROW);
    HBRUSH background = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
};

class TWindow {
  public:
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // Null before Create and once the window is destroyed.
    HWND Handle() const { return window_; }

  protected:
    TWindow() = default;
    // Destroys a window that is still there, without calling back into the
    // (by then partly destroyed) object.
    virtual ~TWindow();

    // Registers the class in its module unless it is there already, and
    // creates the window; false when it could not be created.
    bool Create(const TWindowClass& windowClass, DWORD exStyle, const char* title, DWORD style, int left,
                int top, int width, int height, HWND parent = nullptr, HMENU menu = nullptr);
    // Every message but WM_NCDESTROY; the default window procedure by default.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window is gone (WM_NCDESTROY): Handle() is already null.
    virtual void WindowDestroyed() {}
    // For a window that owns its object: once created, it deletes the object
    // when it is destroyed.
    void DeleteWithWindow() { deleteWithWindow_ = true; }
    // The one way to make a window that owns its object (a popup that closes
    // itself): Create, and on success the window takes the object and
    // deletes it when destroyed. The object while its window lives; null
    // (the object deleted) when the window could not be created.
    template <typename Popup>
    static Popup* CreateOwned(std::unique_ptr<Popup> object, const TWindowClass& windowClass, DWORD exStyle,
                              const char* title, DWORD style, int left, int top, int width, int height,
                              HWND parent = nullptr) {
        TWindow& window = *object;
        if (!window.Create(windowClass, exStyle, title, style, left, top, width, height, parent))
            return nullptr;
        window.DeleteWithWindow();
        return object.release();
    }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    bool deleteWithWindow_ = false;
};
