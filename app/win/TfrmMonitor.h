// The receiver monitor: a window of its own that lists, newest last, each
// command the receiver hands over and what the dispatch did with it. Only an
// open monitor watches the dispatch, so a closed one costs nothing.
#pragma once

#include <windows.h>

#include "app/logic/Dispatcher.h"
#include "app/logic/MonitorLines.h"
#include "core/win/Scoped.h"
#include "core/win/Window.h"

class TfrmMonitor : public TWindow, private DispatchMonitor {
  public:
    static constexpr const char* kClassName = "TfrmMonitor";

    explicit TfrmMonitor(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}
    ~TfrmMonitor() override;

    // Opens the window, empty, or brings the open one to the front.
    void Open(HINSTANCE instance);
    // The window's own keys (Tab, Escape, Ctrl+C, Ctrl+A), before the main
    // window's accelerators would take them; true when the message was the
    // monitor's and is handled.
    bool PreTranslate(MSG& message);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WindowDestroyed() override;
    void Dispatched(const DispatchReport& report) override;
    void CreateControls(HINSTANCE instance);
    void Layout();
    void Clear();
    void CopySelected();

    Dispatcher& dispatcher_;
    MonitorLines lines_;
    HWND list_ = nullptr;
    HWND btnClear_ = nullptr;
    HWND btnCopy_ = nullptr;
    UniqueFont font_;
};
