// The receiver monitor: a window of its own that lists, newest last, each
// command the receiver hands over and what the dispatch did with it, and the
// commands that never reached the dispatch, with why. Only an open monitor
// watches the dispatch and the receiver, so a closed one costs nothing.
#pragma once

#include <windows.h>

#include "app/logic/Dispatcher.h"
#include "app/logic/MonitorLines.h"
#include "app/logic/ReceiverController.h"
#include "core/win/Scoped.h"
#include "core/win/Window.h"
#include "receiver/tovdrv.h"

class TfrmMonitor : public TWindow, private DispatchMonitor {
  public:
    static constexpr const char* kClassName = "TfrmMonitor";

    // dispatchCallback: the receiver's callback into the dispatch.
    TfrmMonitor(Dispatcher& dispatcher, const ReceiverController& receiver, TIRCommandProc dispatchCallback)
        : dispatcher_(dispatcher), receiver_(receiver), dispatchCallback_(dispatchCallback) {}
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
    static void Heard(void* context, const char* command, int repeatCount, int fate);
    void Watch(bool on);
    void CreateControls(HINSTANCE instance);
    void Layout();
    void Clear();
    void CopySelected();

    Dispatcher& dispatcher_;
    const ReceiverController& receiver_;
    const TIRCommandProc dispatchCallback_;
    MonitorLines lines_;
    HWND list_ = nullptr;
    HWND btnClear_ = nullptr;
    HWND btnCopy_ = nullptr;
    UniqueFont font_;
};
