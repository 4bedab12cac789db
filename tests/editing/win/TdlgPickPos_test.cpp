// The click-position dialog as a user meets it: the macro's target settings
// in the real item store, a window of the test as the target, the cursor
// placed during the countdown.
#include "editing/win/TdlgPickPos.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/PickPosModel.h"
#include "editing/win/TdlgPickPosRes.h"
#include "editing/win/TovdataEditStore.h"
#include "store/tovdata.h"
#include "tests/editing/win/DialogTestSteps.h"
#include "tests/support/StoreTestItems.h"

namespace {

constexpr const char* kTargetTitle = "Pick target window";

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The countdown has hidden the dialog: the user places the cursor.
Step PlaceCursor(int x, int y) {
    return [=](HWND dialog) { return !IsWindowVisible(dialog) && SetCursorPos(x, y); };
}

Step ExpectPosition(const std::string& x, const std::string& y) {
    return Check([=](HWND dialog) {
        EXPECT_EQ(ControlText(dialog, IDC_PICKPOS_TXTX), x);
        EXPECT_EQ(ControlText(dialog, IDC_PICKPOS_TXTY), y);
    });
}

class PickPosDialog : public ::testing::Test {
  protected:
    PickPosDialog() {
        // SS_NOTIFY: without it a static window lets the cursor's window
        // search pass through to the desktop.
        target_ = CreateWindowExA(0, "STATIC", kTargetTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE | SS_NOTIFY,
                                  200, 150, 320, 200, nullptr, nullptr, nullptr, nullptr);
        GetWindowRect(target_, &corner_);
    }
    ~PickPosDialog() override {
        DestroyWindow(target_);
        deleteItem("M1");
    }

    // Stores macro M1 with these target settings.
    void StoreMacro(bool currentWindow, const char* caption) {
        TMacroRecord macro = MacroRecord("M1", "", "", "Press play");
        macro.CurrentWindow = currentWindow;
        CopyText(macro.TargetCaption, caption);
        ASSERT_TRUE(addMacro(&macro));
    }

    HWND target_ = nullptr;
    RECT corner_{};
};

TEST_F(PickPosDialog, CapturesChecksAndWritesTheClickCommand) {
    std::vector<std::string> boxes;
    const std::string screenX = std::to_string(corner_.left + 7), screenY = std::to_string(corner_.top + 3);
    const std::string prompt = BoxLine(PickPosModel("").CapturePrompt());
    const std::string windowPrompt =
        "Get mouse click position: The target application will be focused after you press OK. You have 4 "
        "seconds to place the cursor to the desired position.";
    const struct {
        const char* name;
        bool currentWindow;
        const char* caption;
        std::vector<Step> steps;
        std::string token;
        std::vector<std::string> boxes;
    } cases[] = {
        {"a position in the target window, the screen's and back, a refused one, a new activation",
         false,
         "PICK TARGET",
         {Answer(boxes), PlaceCursor(corner_.left + 7, corner_.top + 3), Answer(boxes),
          Check([](HWND dialog) {
              EXPECT_EQ(ControlText(dialog, IDC_PICKPOS_TXTNAME), kTargetTitle);
              EXPECT_TRUE(Checked(dialog, IDC_PICKPOS_RBWINDOW) && Enabled(dialog, IDC_PICKPOS_RBSCREEN));
              EXPECT_TRUE(Enabled(dialog, IDOK));
          }),
          ExpectPosition("7", "3"), Click(IDC_PICKPOS_RBSCREEN), ExpectPosition(screenX, screenY),
          Check([](HWND dialog) { EXPECT_EQ(ControlText(dialog, IDC_PICKPOS_TXTNAME), ""); }),
          Click(IDC_PICKPOS_RBWINDOW), ExpectPosition("7", "3"), Type(IDC_PICKPOS_TXTX, "-5"), Click(IDOK),
          Answer(boxes), Type(IDC_PICKPOS_TXTX, "7"),
          [this](HWND dialog) {
              SetForegroundWindow(target_);
              return SetForegroundWindow(dialog) != FALSE;
          },
          Wait(600), Check([](HWND dialog) {
              EXPECT_EQ(OwnedDialog(dialog), nullptr) << "no second capture";
              EXPECT_TRUE(IsWindowVisible(dialog));
          }),
          Click(IDOK)},
         "CLICK:0007:0003:L:W:CLICK",
         {windowPrompt, BoxLine(kLocationSaved), BoxLine(kLeftOfOrAboveWindow)}},
        {"a screen position, a button held down, typed coordinates refused",
         true,
         "",
         {Answer(boxes), PlaceCursor(123, 45), Answer(boxes), ExpectPosition("123", "45"),
          Check([](HWND dialog) {
              EXPECT_TRUE(Checked(dialog, IDC_PICKPOS_RBSCREEN));
              EXPECT_FALSE(Enabled(dialog, IDC_PICKPOS_RBWINDOW) || Enabled(dialog, IDC_PICKPOS_RBSCREEN));
          }),
          Click(IDC_PICKPOS_CBDOUBLECLICK), Click(IDC_PICKPOS_RBDOWN),
          Check([](HWND dialog) { EXPECT_FALSE(Enabled(dialog, IDC_PICKPOS_CBDOUBLECLICK)); }),
          Type(IDC_PICKPOS_TXTY, "-1"), Click(IDOK), Answer(boxes), Type(IDC_PICKPOS_TXTY, "4a"), Click(IDOK),
          Answer(boxes), Type(IDC_PICKPOS_TXTY, "45"), Click(IDC_PICKPOS_RBRIGHT), Click(IDOK)},
         "CLICK:0123:0045:R:S:DOWN",
         {prompt, BoxLine(kLocationSaved), BoxLine(kCoordinatesOutOfRange), BoxLine(kCoordinatesOutOfRange)}},
        {"a target window that is not open",
         false,
         "No window has this caption",
         {Answer(boxes), Check([](HWND dialog) {
              EXPECT_TRUE(Checked(dialog, IDC_PICKPOS_RBSCREEN) && Enabled(dialog, IDC_PICKPOS_RBWINDOW));
              EXPECT_FALSE(Enabled(dialog, IDOK));
              EXPECT_TRUE(IsWindowVisible(dialog));
          }),
          Click(IDCANCEL)},
         "",
         {"Target: Target window not found! Start the target application and try learn command again!"}},
    };
    for (const auto& c : cases) {
        boxes.clear();
        StoreMacro(c.currentWindow, c.caption);
        TovdataEditStore store;
        DialogScript script(c.steps);
        EXPECT_EQ(getClickCommand(nullptr, store, "M1"), c.token) << c.name;
        EXPECT_EQ(script.done(), c.steps.size()) << c.name;
        EXPECT_EQ(boxes, c.boxes) << c.name;
        deleteItem("M1");
    }
}

TEST_F(PickPosDialog, UnknownMacroShowsNothing) {
    TovdataEditStore store;
    DialogScript script({});
    EXPECT_EQ(getClickCommand(nullptr, store, "M9"), "");
    EXPECT_FALSE(script.shown());
}

}  // namespace
