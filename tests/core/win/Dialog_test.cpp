// The dialog base: a real dialog from this program's resources, driven the
// way a user drives it.
#include "Dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "DialogProbeRes.h"
#include "DialogSteps.h"

namespace {

class Probe : public TDialog {
  public:
    std::vector<std::string> calls;
    bool refuseOk = false;  // the first OK is refused
    bool throwInCreate = false;
    bool throwOnOther = false;
    int focusOn = 0;
    UINT timerMs = 0;  // a timer that closes the dialog with 42

  private:
    void FormCreate() override {
        calls.push_back(Handle() && Control(IDC_PROBE_EDIT) ? "create" : "create without handle");
        if (throwInCreate) throw std::runtime_error("cannot fill");
        SetDlgItemTextA(Handle(), IDC_PROBE_EDIT, "model");
        if (focusOn) FocusControl(focusOn);
        if (timerMs) StartTimer(7, timerMs);
    }
    void FormClose() override { calls.push_back("close"); }
    void Command(int id, int notification) override {
        if (id == IDC_PROBE_BUTTON && notification == BN_CLICKED) {
            calls.push_back("other");
            if (throwOnOther) throw std::runtime_error("handler failed");
        }
        if (id == IDC_PROBE_EDIT && notification == EN_CHANGE) calls.push_back("changed");
    }
    void btnOkClick() override {
        calls.push_back("ok");
        if (refuseOk) {
            refuseOk = false;
            return;
        }
        TDialog::btnOkClick();
    }
    void btnHelpClick() override { calls.push_back("help"); }
    void Timer(UINT_PTR id) override {
        StopTimer(id);
        calls.push_back("timer " + std::to_string(id));
        Close(42);
    }
};

void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// Runs the steps one after another, each once the dialog has handled the
// messages of the one before, while the dialog's own loop runs.
struct Script {
    std::vector<std::function<void(HWND)>> actions;
    std::size_t next = 0;
    HWND dialog = nullptr;
    static inline Script* running = nullptr;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        Script& script = *running;
        if (script.next < script.actions.size())
            script.actions[script.next++](script.dialog);
        else
            KillTimer(nullptr, timer);
    }
    void Start(HWND window) {
        dialog = window;
        running = this;
        SetTimer(nullptr, 0, 60, &Tick);
    }
};

INT_PTR RunScript(Probe& probe, std::vector<std::function<void(HWND)>> actions) {
    Script script{std::move(actions)};
    DialogSteps steps({[&](HWND dialog) { script.Start(dialog); }});
    return probe.ShowModal(GetModuleHandleA(nullptr), IDD_PROBE, nullptr);
}

TEST(TDialog, EveryWayOutGivesItsResultAndTheHandlersInOrder) {
    const auto edit = [](HWND dialog) { SetDlgItemTextA(dialog, IDC_PROBE_EDIT, "typed"); };
    const auto other = [](HWND dialog) { Click(dialog, IDC_PROBE_BUTTON); };
    const auto ok = [](HWND dialog) { Click(dialog, IDOK); };
    const auto cancel = [](HWND dialog) { Click(dialog, IDCANCEL); };
    const auto help = [](HWND dialog) { Click(dialog, IDHELP); };
    const auto escape = [](HWND dialog) {
        PostMessageA(GetDlgItem(dialog, IDC_PROBE_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    const auto closeBox = [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); };
    const auto f1 = [](HWND dialog) {
        SetForegroundWindow(dialog);
        SetFocus(GetDlgItem(dialog, IDC_PROBE_EDIT));
        keybd_event(VK_F1, 0x3B, 0, 0);
        keybd_event(VK_F1, 0x3B, KEYEVENTF_KEYUP, 0);
    };
    // What Windows sends for the help key of the keyboard.
    const auto helpKey = [](HWND dialog) {
        HELPINFO info{};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.hItemHandle = GetDlgItem(dialog, IDC_PROBE_EDIT);
        SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    };
    const struct {
        const char* name;
        bool refuseOk;
        std::vector<std::function<void(HWND)>> actions;
        INT_PTR result;
        std::vector<std::string> calls;
    } cases[] = {
        {"OK", false, {ok}, IDOK, {"create", "changed", "ok", "close"}},
        {"a refused OK stays open", true, {ok, ok}, IDOK, {"create", "changed", "ok", "ok", "close"}},
        {"Cancel", false, {cancel}, IDCANCEL, {"create", "changed", "close"}},
        {"Escape", false, {escape}, IDCANCEL, {"create", "changed", "close"}},
        {"close box", false, {closeBox}, IDCANCEL, {"create", "changed", "close"}},
        {"controls",
         false,
         {edit, other, help, f1, helpKey, ok},
         IDOK,
         {"create", "changed", "changed", "other", "help", "help", "help", "ok", "close"}},
    };
    for (const auto& c : cases) {
        Probe probe;
        probe.refuseOk = c.refuseOk;
        EXPECT_EQ(RunScript(probe, c.actions), c.result) << c.name;
        EXPECT_EQ(probe.calls, c.calls) << c.name;
        EXPECT_EQ(probe.Handle(), nullptr) << c.name;
    }
}

TEST(TDialog, FailingHandlersNeverLeaveTheDialogProcedure) {
    Probe failingOther;
    failingOther.throwOnOther = true;
    EXPECT_EQ(
        RunScript(failingOther, {[](HWND d) { Click(d, IDC_PROBE_BUTTON); }, [](HWND d) { Click(d, IDOK); }}),
        IDOK);
    EXPECT_EQ(failingOther.calls, (std::vector<std::string>{"create", "changed", "other", "ok", "close"}));

    // Controls that could not be filled close the dialog as cancelled.
    Probe failingCreate;
    failingCreate.throwInCreate = true;
    EXPECT_EQ(failingCreate.ShowModal(GetModuleHandleA(nullptr), IDD_PROBE, nullptr), IDCANCEL);
    EXPECT_EQ(failingCreate.calls, (std::vector<std::string>{"create", "close"}));
}

TEST(TDialog, FocusGoesWhereFormCreatePutsIt) {
    for (int focusOn : {IDCANCEL, IDC_PROBE_BUTTON}) {
        Probe probe;
        probe.focusOn = focusOn;
        int focused = 0;
        RunScript(probe, {[&](HWND dialog) {
                      focused = GetDlgCtrlID(GetFocus());
                      Click(dialog, IDOK);
                  }});
        EXPECT_EQ(focused, focusOn);
    }
}

TEST(TDialog, TimerRunsItsHandlerWhichMayCloseTheDialog) {
    Probe probe;
    probe.timerMs = 30;
    EXPECT_EQ(probe.ShowModal(GetModuleHandleA(nullptr), IDD_PROBE, nullptr), 42);
    EXPECT_EQ(probe.calls, (std::vector<std::string>{"create", "changed", "timer 7", "close"}));
}

TEST(TDialog, TemplateIsLookedUpInTheGivenModule) {
    Probe probe;
    // kernel32 holds no such dialog.
    EXPECT_EQ(probe.ShowModal(GetModuleHandleA("kernel32.dll"), IDD_PROBE, nullptr), -1);
    EXPECT_TRUE(probe.calls.empty());
}

}  // namespace
