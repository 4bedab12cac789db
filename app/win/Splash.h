// The splash window shown while Tovanix starts, and the About box.
#pragma once

#include <windows.h>

// Borderless, centred, without a taskbar button; shown and painted at once,
// gone when the object is.
class TdlgSplash {
  public:
    explicit TdlgSplash(HINSTANCE instance);
    ~TdlgSplash();
    TdlgSplash(const TdlgSplash&) = delete;
    TdlgSplash& operator=(const TdlgSplash&) = delete;

  private:
    HWND window_ = nullptr;
};

void ShowAboutBox(HINSTANCE instance, HWND owner);
