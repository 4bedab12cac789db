// The splash window shown while Tovanix starts, and the About box.
#pragma once

#include <windows.h>

#include "core/win/Window.h"

// Borderless, centred, on top of every window and without a taskbar button;
// shown and painted at once, gone when the object is.
class TdlgSplash : public TWindow {
  public:
    static constexpr const char* kClassName = "TdlgSplash";

    // The picture comes from the program's module.
    explicit TdlgSplash(HINSTANCE instance);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();

    HINSTANCE instance_;
};

void ShowAboutBox(HINSTANCE instance, HWND owner);
