// The select-window dialog with windows of the test program: the tree that
// it lists, the node a user selects, the file dialog and the refusal.
#include "editing/win/TdlgWindows.h"

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/Paths.h"
#include "core/Text.h"
#include "editing/win/TdlgWindowsRes.h"
#include "tests/editing/win/DialogTestSteps.h"

namespace {

HTREEITEM FindNode(HWND dialog, HTREEITEM parent, const std::string& text) {
    return FindTreeNode(GetDlgItem(dialog, IDC_WINDOWS_OUTWINDOWS), parent, text);
}

// Selects the node as a click does; path: the root's text, then a child's.
Step Select(std::vector<std::string> path) {
    return [=](HWND dialog) {
        HTREEITEM node = TVI_ROOT;
        for (const std::string& text : path) node = node ? FindNode(dialog, node, text) : nullptr;
        EXPECT_NE(node, nullptr) << path.back();
        SendDlgItemMessageA(dialog, IDC_WINDOWS_OUTWINDOWS, TVM_SELECTITEM, TVGN_CARET,
                            reinterpret_cast<LPARAM>(node));
        return true;
    };
}

Step ExpectFields(std::string file, std::string caption) {
    return Check([=](HWND dialog) {
        EXPECT_TRUE(EqualIgnoringCase(ControlText(dialog, IDC_WINDOWS_TXTFILENAME), file))
            << ControlText(dialog, IDC_WINDOWS_TXTFILENAME);
        EXPECT_EQ(ControlText(dialog, IDC_WINDOWS_TXTCAPTION), caption);
    });
}

// Picks the file in the open dialog that "..." shows.
Step ChooseFile(std::string path) {
    return [=](HWND dialog) {
        const HWND open = OwnedDialog(dialog);
        if (!open) return false;
        const int fileName = GetDlgItem(open, cmb13) ? cmb13 : edt1;
        SetDlgItemTextA(open, fileName, path.c_str());
        PostMessageA(open, WM_COMMAND, IDOK, 0);
        return true;
    };
}

class WindowsDialog : public ::testing::Test {
  protected:
    WindowsDialog() {
        char program[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, program, sizeof program);
        program_ = program;
        root_ = CreateWindowExA(0, "STATIC", "Select, me", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 240, 120,
                                nullptr, nullptr, nullptr, nullptr);
        owned_ = CreateWindowExA(0, "STATIC", "Owned tool", WS_POPUP | WS_CAPTION | WS_VISIBLE, 60, 60, 160,
                                 80, root_, nullptr, nullptr, nullptr);
        hidden_ = CreateWindowExA(0, "STATIC", "Hidden select window", WS_OVERLAPPEDWINDOW, 80, 80, 160, 80,
                                  nullptr, nullptr, nullptr, nullptr);
    }
    ~WindowsDialog() override {
        DestroyWindow(owned_);
        DestroyWindow(root_);
        DestroyWindow(hidden_);
    }

    std::string program_;
    HWND root_ = nullptr;
    HWND owned_ = nullptr;
    HWND hidden_ = nullptr;
};

TEST_F(WindowsDialog, ChoosesAProgramAndCaption) {
    std::vector<std::string> boxes;
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::optional<WindowChoice> choice;
        std::vector<std::string> boxes;
    } cases[] = {
        {"an owned window under its owner, then the owner, whose comma becomes a blank",
         {Check([](HWND dialog) {
              EXPECT_EQ(FindNode(dialog, TVI_ROOT, "Owned tool"), nullptr);
              EXPECT_EQ(FindNode(dialog, TVI_ROOT, "Hidden select window"), nullptr);
          }),
          Select({"Select, me", "Owned tool"}), ExpectFields(program_, "Owned tool"), Select({"Select, me"}),
          ExpectFields(program_, "Select, me"), Click(IDOK)},
         WindowChoice{FileNameOf(program_), "Select  me"},
         {}},
        {"a program file from the file dialog",
         {Type(IDC_WINDOWS_TXTFILENAME, ""), Click(IDC_WINDOWS_BTNBROWSE), ChooseFile(program_),
          Type(IDC_WINDOWS_TXTCAPTION, "Any"), ExpectFields(program_, "Any"), Click(IDOK)},
         WindowChoice{FileNameOf(program_), "Any"},
         {}},
        {"no program file",
         {Type(IDC_WINDOWS_TXTFILENAME, ""), Type(IDC_WINDOWS_TXTCAPTION, "Any"), Click(IDOK), Answer(boxes),
          Check([](HWND dialog) { EXPECT_TRUE(IsWindowVisible(dialog)); }), Click(IDCANCEL)},
         std::nullopt,
         {"Close dialog: Please specify the executable of the application!"}},
    };
    for (const auto& c : cases) {
        boxes.clear();
        DialogScript script(c.steps);
        const std::optional<WindowChoice> choice = selectWindow(nullptr);
        EXPECT_EQ(script.done(), c.steps.size()) << c.name;
        ASSERT_EQ(choice.has_value(), c.choice.has_value()) << c.name;
        if (choice) {
            EXPECT_TRUE(EqualIgnoringCase(choice->fileName, c.choice->fileName))
                << c.name << choice->fileName;
            EXPECT_EQ(choice->caption, c.choice->caption) << c.name;
        }
        EXPECT_EQ(boxes, c.boxes) << c.name;
    }
}

}  // namespace
