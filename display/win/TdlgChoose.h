// TdlgChoose, the command chooser: a borderless, always-on-top tool window
// that lists a macro's commands. Each button the receiver reports moves the
// red selection one entry down; after CmdTime milliseconds without a
// button the window hides, gives the receiver's callback back (unless
// another window has taken it meanwhile) and runs the selected command, then
// destroys itself. It never takes the focus, so the
// window in front stays the one the command runs in.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Records.h"
#include "core/win/Scoped.h"
#include "core/win/Window.h"
#include "display/ChooserModel.h"
#include "display/tovshow.h"
#include "display/win/DisplayScreens.h"

class TdlgChoose final : public TWindow {
  public:
    static constexpr const char* kClassName = "TdlgChoose";

    // Opens the chooser for the macro on the calling thread and returns at
    // once; the thread's message loop runs it to its end.
    static void Show(TMacroRecord* macro, TExecuteProc execute, TIRCommandProc previous);
    // For the library's release: the class must not outlive its window procedure.
    static void UnregisterClass();

    ~TdlgChoose() override;

  private:
    static constexpr UINT_PTR kTimer1 = 1;

    TdlgChoose(TMacroRecord* macro, TExecuteProc execute, TIRCommandProc previous);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Gone before it ran (the program ends, say): the receiver's callback
    // must not stay with it.
    void WindowDestroyed() override;
    void GiveReceiverBack();
    static void ReceiveIRCommand(void* context, const char* command);
    void Timer1Timer();
    // Sizes and places the window to its entries and draws it now.
    void Redraw();
    void Paint() const;

    // The macro is looked up again when its command runs: it may have been
    // deleted while the chooser was open.
    TItemID macroID_;
    TExecuteProc execute_;
    TIRCommandProc previous_;
    std::vector<ChooserEntry> entries_;
    ChooserState state_;
    std::string location_;
    // Taken when the chooser opens: it stays on that screen while it grows.
    DisplayScreens screens_;
    UniqueFont font_;
    COLORREF backColor_;
    // A tick pumps messages, which may bring the next tick: that one waits.
    bool inTick_ = false;
    bool executed_ = false;
    // Cleared when the object goes, for a handler that outlived it while
    // messages were pumped.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
