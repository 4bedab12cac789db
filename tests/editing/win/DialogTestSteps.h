// Steps for the scripts that drive the parameter dialogs as a user does:
// read and fill controls, click, and answer the message boxes that a dialog
// opens.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/DialogMessage.h"
#include "tests/support/DialogScript.h"
#include "tests/support/DialogScriptSteps.h"

using Step = DialogScript::Step;

using steps::Click;
using steps::OwnedDialog;
using steps::Type;
using steps::Wait;
using steps::WindowText;

inline std::string ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

// How a message box is noted: "caption: text".
inline std::string BoxLine(const DialogMessage& message) { return message.caption + ": " + message.text; }

// Waits for the dialog's message box, notes it and presses its OK button.
inline Step Answer(std::vector<std::string>& boxes) {
    return [&boxes](HWND dialog) {
        const HWND box = OwnedDialog(dialog);
        if (!box) return false;
        boxes.push_back(WindowText(box) + ": " + WindowText(GetDlgItem(box, 0xFFFF)));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    };
}

// Runs the checks once.
inline Step Check(std::function<void(HWND)> checks) {
    return [checks](HWND dialog) {
        checks(dialog);
        return true;
    };
}

inline std::string TreeNodeText(HWND tree, HTREEITEM node) {
    char text[128] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

// The node with that text among the children of parent (TVI_ROOT: the
// roots); null when there is none.
inline HTREEITEM FindTreeNode(HWND tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM node = TreeView_GetChild(tree, parent); node; node = TreeView_GetNextSibling(tree, node))
        if (TreeNodeText(tree, node) == text) return node;
    return nullptr;
}

// Runs each case's steps in the dialog that run opens (run gets the case and
// checks what it cares about) and checks that every step was done.
template <class Cases, class Run>
void RunScripts(const Cases& cases, Run run) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DialogScript script(c.steps);
        run(c);
        EXPECT_EQ(script.done(), c.steps.size());
    }
}

// A command parameter dialog's case: the steps and the command it returns.
struct TokenCase {
    const char* name;
    std::vector<Step> steps;
    std::string token;
};

// Runs each case's steps in the dialog that run opens and checks the command.
template <std::size_t N, class Run>
void ExpectTokens(const TokenCase (&cases)[N], Run run) {
    RunScripts(cases, [&](const TokenCase& c) { EXPECT_EQ(run(c.name), c.token); });
}

// Steps followed by more steps.
inline std::vector<Step> operator+(std::vector<Step> first, const std::vector<Step>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// The buttons that close a dialog.
inline const Step ok = Click(IDOK), cancel = Click(IDCANCEL);
