// TdlgOSD, the on-screen display: one line of text in a borderless,
// always-on-top tool window that never takes the focus, sized exactly to the
// text, placed by the OSDLoc setting and gone after OSDTime milliseconds.
// Each display is independent: several can be on the screen at once. A
// display whose time is over is hidden and kept for the thread's next one,
// which then costs no new window.
#pragma once

#include <windows.h>

#include <string>

#include "core/win/Scoped.h"
#include "core/win/Window.h"
#include "display/OSDStyle.h"

class TdlgOSD final : public TWindow {
  public:
    static constexpr const char* kClassName = "TdlgOSD";

    // Opens a display of the text on the calling thread and returns at once;
    // the thread's message loop takes it down when its time is over (a time
    // of 0 or less: never).
    // target: the window whose screen the OSDScreen setting may ask for; null
    // for the window in front.
    static void Show(const std::string& text, const OSDStyle& style, HWND target = nullptr);
    // For the library's release: the class must not outlive its window procedure.
    static void UnregisterClass();

  private:
    static constexpr UINT_PTR kTimer1 = 1;

    TdlgOSD() = default;
    // A hidden display of the calling thread, taken out of the spares; null
    // when none.
    static TdlgOSD* TakeSpare();
    void SetLook(const std::string& text, UniqueFont font, const OSDStyle& style);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WindowDestroyed() override;
    void Paint() const;

    std::string text_;
    UniqueFont font_;
    COLORREF textColor_ = 0;
    COLORREF backColor_ = 0;
};
