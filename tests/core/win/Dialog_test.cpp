// The dialog base: a real dialog from this program's resources, driven the
// way a user drives it.
#include "core/win/Dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/core/win/DialogProbeRes.h"
#include "tests/support/DialogScript.h"

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

using Step = DialogScript::Step;

bool Click(HWND dialog, int id) { return PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

INT_PTR Show(Probe& probe, std::vector<Step> steps) {
    DialogScript script(std::move(steps));
    return probe.ShowModal(GetModuleHandleA(nullptr), IDD_PROBE, nullptr);
}

TEST(TDialog, EveryWayOutGivesItsResultAndTheHandlersInOrder) {
    const Step edit = [](HWND dialog) { return SetDlgItemTextA(dialog, IDC_PROBE_EDIT, "typed") != 0; };
    const Step other = [](HWND dialog) { return Click(dialog, IDC_PROBE_BUTTON); };
    const Step ok = [](HWND dialog) { return Click(dialog, IDOK); };
    const Step cancel = [](HWND dialog) { return Click(dialog, IDCANCEL); };
    const Step help = [](HWND dialog) { return Click(dialog, IDHELP); };
    const Step escape = [](HWND dialog) {
        return PostMessageA(GetDlgItem(dialog, IDC_PROBE_EDIT), WM_KEYDOWN, VK_ESCAPE, 0) != 0;
    };
    const Step closeBox = [](HWND dialog) { return PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != 0; };
    const Step f1 = [](HWND dialog) {
        SetForegroundWindow(dialog);
        SetFocus(GetDlgItem(dialog, IDC_PROBE_EDIT));
        keybd_event(VK_F1, 0x3B, 0, 0);
        keybd_event(VK_F1, 0x3B, KEYEVENTF_KEYUP, 0);
        return true;
    };
    // What Windows sends for the help key of the keyboard.
    const Step helpKey = [](HWND dialog) {
        HELPINFO info{};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.hItemHandle = GetDlgItem(dialog, IDC_PROBE_EDIT);
        SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        return true;
    };
    const struct {
        const char* name;
        bool refuseOk;
        std::vector<Step> steps;
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
        EXPECT_EQ(Show(probe, c.steps), c.result) << c.name;
        EXPECT_EQ(probe.calls, c.calls) << c.name;
        EXPECT_EQ(probe.Handle(), nullptr) << c.name;
    }
}

TEST(TDialog, FailingHandlersNeverLeaveTheDialogProcedure) {
    Probe failingOther;
    failingOther.throwOnOther = true;
    EXPECT_EQ(Show(failingOther, {[](HWND d) { return Click(d, IDC_PROBE_BUTTON); },
                                  [](HWND d) { return Click(d, IDOK); }}),
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
        Show(probe, {[&](HWND dialog) {
                 focused = GetDlgCtrlID(GetFocus());
                 return Click(dialog, IDOK);
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
