// TdlgOSD, the on-screen display: one line of text in a borderless,
// always-on-top tool window that never takes the focus, sized exactly to the
// text, placed by the OSDLoc setting and gone after OSDTime milliseconds.
// Each display is independent: several can be on the screen at once. The
// windows are kept: a display whose time is over is hidden and taken by the
// thread's next one, and a display just like one still shown (a held
// button's repeats) is that one, on top and for the new time. Either looks
// exactly as a new window would, and costs no window.
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

    ~TdlgOSD() override;

  private:
    static constexpr UINT_PTR kTimer1 = 1;

    // What a display shows and where.
    struct Look {
        std::string text;
        std::string fontName;
        int32_t fontSize;
        uint32_t fontColor;
        uint32_t backColor;
        int left, top, width, height;
        bool operator==(const Look& other) const;
    };

    TdlgOSD();
    // A display of the calling thread to show the look: a shown one with that
    // very look, else a hidden one; null when none.
    static TdlgOSD* Reusable(const Look& look);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint() const;

    Look look_;
    UniqueFont font_;
};
