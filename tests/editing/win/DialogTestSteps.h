// Steps for the scripts that drive the parameter dialogs as a user does:
// read and fill controls, click, and answer the message boxes that a dialog
// opens.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DialogMessage.h"
#include "DialogScript.h"

using Step = DialogScript::Step;

inline std::string WindowTextOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline std::string ControlText(HWND dialog, int id) { return WindowTextOf(GetDlgItem(dialog, id)); }

// The visible dialog window (message box, file dialog) that the dialog owns.
inline HWND OwnedDialog(HWND dialog) {
    struct Search {
        HWND owner;
        HWND found;
    } search{dialog, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            char className[16] = "";
            GetClassNameA(window, className, sizeof className);
            if (std::string(className) != "#32770" || GetWindow(window, GW_OWNER) != search.owner ||
                !IsWindowVisible(window))
                return TRUE;
            search.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// How a message box is noted: "caption: text".
inline std::string BoxLine(const DialogMessage& message) { return message.caption + ": " + message.text; }

// Waits for the dialog's message box, notes it and presses its OK button.
inline Step Answer(std::vector<std::string>& boxes) {
    return [&boxes](HWND dialog) {
        const HWND box = OwnedDialog(dialog);
        if (!box) return false;
        boxes.push_back(WindowTextOf(box) + ": " + WindowTextOf(GetDlgItem(box, 0xFFFF)));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    };
}

// Posted, as a click is: a handler that opens a message box must not run
// inside the step.
inline Step Click(int id) {
    return [id](HWND dialog) { return PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0) != FALSE; };
}

inline Step SetText(int id, const char* text) {
    return [id, text](HWND dialog) { return SetDlgItemTextA(dialog, id, text) != FALSE; };
}

// Runs the checks once.
inline Step Check(std::function<void(HWND)> checks) {
    return [checks](HWND dialog) {
        checks(dialog);
        return true;
    };
}

inline Step Wait(DWORD milliseconds) {
    auto started = std::make_shared<DWORD>(0);
    return [=](HWND) {
        if (!*started) *started = GetTickCount();
        return GetTickCount() - *started >= milliseconds;
    };
}
