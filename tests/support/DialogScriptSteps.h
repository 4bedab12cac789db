// Steps for DialogScript: what a user does in a dialog (typing, clicking,
// pressing a key, answering a message box) and what the test checks there.
// A check that fails reports through gtest and lets the script go on.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/support/DialogScript.h"

namespace steps {

using Step = DialogScript::Step;

inline std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Typing into an edit: its text changes and the dialog hears EN_CHANGE.
inline Step Type(int id, std::string text) {
    return [=](HWND dialog) { return SetDlgItemTextA(dialog, id, text.c_str()) != 0; };
}
// A click on a button or a check box.
inline Step Click(int id) {
    return [=](HWND dialog) { return PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0) != 0; };
}
// Goes on once that many milliseconds have passed since the step was first tried.
inline Step Wait(DWORD milliseconds) {
    auto started = std::make_shared<DWORD>(0);
    return [=](HWND) {
        if (!*started) *started = GetTickCount();
        return GetTickCount() - *started >= milliseconds;
    };
}
// A key pressed in the control (an arrow key in an edit or a list).
inline Step Key(int id, WPARAM key) {
    return [=](HWND dialog) {
        HWND control = GetDlgItem(dialog, id);
        return PostMessageA(control, WM_KEYDOWN, key, 1) && PostMessageA(control, WM_KEYUP, key, 0xC0000001);
    };
}

// Checks what probe reads from the control.
template <class Probe>
Step Expect(int id, Probe probe, decltype(probe(HWND{})) expected) {
    return [=](HWND dialog) {
        EXPECT_EQ(probe(GetDlgItem(dialog, id)), expected) << "control " << id;
        return true;
    };
}
inline Step ExpectText(int id, std::string text) { return Expect(id, WindowText, text); }
inline Step ExpectEnabled(int id, bool enabled) {
    return Expect(
        id, [](HWND control) { return IsWindowEnabled(control) != 0; }, enabled);
}
inline Step ExpectChecked(int id, bool checked) {
    return Expect(
        id, [](HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }, checked);
}
// The most characters that the user can type into the edit.
inline Step ExpectLimit(int id, LRESULT length) {
    return Expect(
        id, [](HWND edit) { return SendMessageA(edit, EM_GETLIMITTEXT, 0, 0); }, length);
}
// The entries of a combo box, each followed by "|".
inline Step ExpectEntries(int id, std::string entries) {
    return Expect(
        id,
        [](HWND list) {
            std::string found;
            char entry[256] = "";
            for (LRESULT i = 0; SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry)) >= 0;
                 ++i)
                found += std::string(entry) + "|";
            return found;
        },
        entries);
}

// Waits for the condition, at most 3 seconds, then reports what it waited for.
inline Step Await(std::string what, std::function<bool(HWND)> condition) {
    auto started = std::make_shared<DWORD>(0);
    return [=](HWND dialog) {
        if (!*started) *started = GetTickCount();
        if (condition(dialog)) return true;
        if (GetTickCount() - *started < 3000) return false;
        ADD_FAILURE() << "timed out waiting for " << what;
        return true;
    };
}
inline Step AwaitFocus(int id) {
    return Await("the focus in control " + std::to_string(id),
                 [=](HWND dialog) { return GetFocus() == GetDlgItem(dialog, id); });
}

// The shown dialog of this thread that the dialog owns (a message box, a
// file dialog); null when there is none.
inline HWND OwnedDialog(HWND dialog) {
    for (HWND window = GetWindow(dialog, GW_HWNDFIRST); window; window = GetWindow(window, GW_HWNDNEXT)) {
        char className[16] = "";
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770" && IsWindowVisible(window) &&
            GetWindow(window, GW_OWNER) == dialog)
            return window;
    }
    return nullptr;
}

// The message box that the dialog shows: checks its text and caption and
// presses OK.
inline Step AnswerMessage(std::string text, std::string caption) {
    return Await("the message " + text, [=](HWND dialog) {
        HWND box = OwnedDialog(dialog);
        if (!box) return false;
        EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), text);
        EXPECT_EQ(WindowText(box), caption);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    });
}

}  // namespace steps
