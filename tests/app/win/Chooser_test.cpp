// The command chooser of the real Tovanix.exe, operated with the sender tool
// through the local receiver: a macro set to let the user choose opens the
// list, each press moves the red selection, the silence runs the chosen
// command in a window of another program, and the next press is an
// ordinary button again.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win/resource.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ProgramItems.h"
#include "tests/support/TargetProgram.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

// The macro as the command file holds it, set to let the user choose.
std::string SelectMacro(const std::string& id, const std::string& name, const std::string& commands,
                        const std::string& ir, const std::string& caption) {
    std::string macro = Macro(id, name, commands, "", ir, caption);
    macro.replace(macro.find("SELECT:0"), 8, "SELECT:1");
    return macro;
}

// The rows of the window (one per entry, all of one height) that show red,
// read from the screen.
std::vector<int> RedRows(HWND window, int rows) {
    std::vector<int> red;
    RECT rect;
    if (!GetWindowRect(window, &rect) || rows <= 0) return red;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return red;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (int row = 0; row < rows; ++row) {
        bool found = false;
        for (int y = row * height / rows; y < (row + 1) * height / rows && !found; ++y)
            for (int x = 0; x < width && !found; ++x)
                found = (pixels[y * width + x] & 0xFFFFFF) == 0xFF0000;  // BGRA: pure red
        if (found) red.push_back(row);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return red;
}

class ChooserTest : public ProgramTest {
  protected:
    int Press(const std::string& button) { return RunProgram(program->Folder() + "tovsend.exe", button); }
    HWND Chooser() const {
        DWORD process = 0;
        GetWindowThreadProcessId(program->MainWindow(), &process);
        HWND chooser = FindProcessWindow(process, "TdlgChoose");
        return chooser && IsWindowVisible(chooser) ? chooser : nullptr;
    }
};

TEST_F(ChooserTest, PressesMoveTheRedSelectionAndTheSilenceRunsTheChosenCommand) {
    TargetProgram target("Chooser target");
    WriteStartSetting(true);
    WriteSetting(setting::CmdFontColor, 0);
    Start(SelectMacro("M1", "Pick", "REPEAT,TYPE:a,TYPE:b,TYPE:c", "KEY_MENU", "Chooser target") +
          Macro("M2", "Enter x", "TYPE:x", "", "KEY_OK", "Chooser target"));
    ASSERT_TRUE(WaitFor([&] { return program->Caption() == "Tovanix - receiving"; }, 9000));

    ASSERT_EQ(Press("KEY_MENU"), 0);
    HWND chooser = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (chooser = Chooser()) != nullptr; }, 3000));
    LONG_PTR exStyle = GetWindowLongPtrA(chooser, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrA(chooser, GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(WaitFor([&] { return RedRows(chooser, 3) == std::vector<int>{0}; }, 1000));

    // The same button again and another one: each only moves the selection.
    ASSERT_EQ(Press("KEY_MENU"), 0);
    EXPECT_TRUE(WaitFor([&] { return RedRows(chooser, 3) == std::vector<int>{1}; }, 1000));
    ASSERT_EQ(Press("KEY_OK"), 0);
    EXPECT_TRUE(WaitFor([&] { return RedRows(chooser, 3) == std::vector<int>{2}; }, 1000));
    ASSERT_EQ(Press("KEY_OK"), 0);
    EXPECT_TRUE(WaitFor([&] { return RedRows(chooser, 3) == std::vector<int>{0}; }, 1000));
    ASSERT_EQ(Press("KEY_MENU"), 0);
    EXPECT_EQ(target.EditText(), "");

    // About 1.1 seconds after the last press the chosen command runs.
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }, 3000));
    EXPECT_TRUE(WaitFor([&] { return target.EditText() == "b"; }, 2000)) << target.EditText();

    // The next press reaches the ordinary dispatch.
    ASSERT_EQ(Press("KEY_OK"), 0);
    EXPECT_TRUE(WaitFor([&] { return target.EditText() == "bx"; }, 2000)) << target.EditText();
    EXPECT_EQ(Chooser(), nullptr);
}

TEST_F(ChooserTest, AListThatShowsNothingRunsNothingAndGivesTheReceiverBack) {
    TargetProgram target("Chooser target");
    WriteStartSetting(true);
    WriteSetting(setting::CmdTime, 250);
    Start(SelectMacro("M1", "Nothing", "REPEAT", "KEY_MENU", "Chooser target") +
          Macro("M2", "Enter x", "TYPE:x", "", "KEY_OK", "Chooser target"));
    ASSERT_TRUE(WaitFor([&] { return program->Caption() == "Tovanix - receiving"; }, 9000));

    ASSERT_EQ(Press("KEY_MENU"), 0);
    WaitFor([] { return false; }, 800);
    ASSERT_EQ(Press("KEY_OK"), 0);
    EXPECT_TRUE(WaitFor([&] { return target.EditText() == "x"; }, 2000)) << target.EditText();
}

TEST_F(ChooserTest, AMacroDeletedWhileItsChooserIsOpenRunsNothing) {
    TargetProgram target("Chooser target");
    WriteStartSetting(true);
    Start(SelectMacro("M1", "Pick", "TYPE:a,TYPE:b", "KEY_MENU", "Chooser target") +
          Macro("M2", "Enter x", "TYPE:x", "", "KEY_OK", "Chooser target"));
    ASSERT_TRUE(WaitFor([&] { return program->Caption() == "Tovanix - receiving"; }, 9000));

    ASSERT_EQ(Press("KEY_MENU"), 0);
    HWND chooser = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (chooser = Chooser()) != nullptr; }, 3000));
    ASSERT_TRUE(program->SelectNode(1));  // "Pick", after "Enter x"
    PostMessageA(program->MainWindow(), WM_COMMAND, IDM_DELETE, 0);
    ASSERT_TRUE(WaitFor([&] { return TreeView_GetCount(program->Tree()) == 1u; }, 3000));

    ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }, 3000));
    ASSERT_EQ(Press("KEY_OK"), 0);
    EXPECT_TRUE(WaitFor([&] { return target.EditText() == "x"; }, 2000)) << target.EditText();
}

}  // namespace
