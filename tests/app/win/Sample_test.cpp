// The README's walk through the sample command file, pressed with the sender
// tool into the real Tovanix.exe and Wine's Notepad: no step may leave the
// remote control waiting for an answer that only the mouse can give.
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/support/ProgramFixture.h"

namespace {

HWND FindNotepad() { return FindWindowA("Notepad", nullptr); }

// A dialog that Notepad shows, such as its question whether to save.
HWND NotepadDialog(HWND notepad) {
    HWND found = nullptr;
    DWORD notepadProcess = 0;
    GetWindowThreadProcessId(notepad, &notepadProcess);
    for (HWND window = FindWindowA("#32770", nullptr); window && !found;
         window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == notepadProcess && IsWindowVisible(window)) found = window;
    }
    return found;
}

void EndNotepad() {
    while (HWND notepad = FindNotepad()) {
        DWORD process = 0;
        GetWindowThreadProcessId(notepad, &process);
        HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process);
        if (!handle) return;
        TerminateProcess(handle, 1);
        WaitForSingleObject(handle, 3000);
        CloseHandle(handle);
    }
}

class SampleWalk : public ProgramTest {
  protected:
    void SetUp() override {
        EndNotepad();
        ProgramTest::SetUp();
        WriteStartSetting(true);
    }
    void TearDown() override {
        ProgramTest::TearDown();
        EndNotepad();
    }

    int Press(const std::string& button) { return RunProgram(folder.path() + "tovsend.exe", button); }
};

TEST_F(SampleWalk, NotepadIsStartedTypedIntoAndClosedWithTheRemoteAlone) {
    Start(ReadWholeFile(TestProgramFolder() + "sample_TOVANIX.CMD"));
    ASSERT_TRUE(WaitFor([&] { return program->Caption() == "Tovanix - receiving"; }, 9000));

    ASSERT_EQ(Press("KEY_RED"), 0);
    HWND notepad = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (notepad = FindNotepad()) != nullptr && IsWindowVisible(notepad); }, 8000));
    HWND edit = FindWindowExA(notepad, nullptr, "Edit", nullptr);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == notepad; }, 3000));

    ASSERT_EQ(Press("KEY_OK"), 0);
    EXPECT_TRUE(WaitFor([&] { return TextOf(edit).find("Hello from Tovanix!") == 0; }, 3000)) << TextOf(edit);

    // The "select" macro: its list opens, the next press moves to the second
    // phrase, and a second without presses types it.
    ASSERT_EQ(Press("KEY_INFO"), 0);
    ASSERT_EQ(Press("KEY_INFO"), 0);
    EXPECT_TRUE(WaitFor([&] { return TextOf(edit) == "Hello from Tovanix!\r\nNo "; }, 4000)) << TextOf(edit);

    // Closing asks whether to save; the remote's next button, pressed a
    // second later as a user would, answers it.
    ASSERT_EQ(Press("KEY_STOP"), 0);
    ASSERT_TRUE(WaitFor([&] { return NotepadDialog(notepad) != nullptr; }, 3000));
    WaitFor([] { return false; }, 1000);
    ASSERT_EQ(Press("KEY_EXIT"), 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(notepad); }, 3000));
    EXPECT_TRUE(program->Running());
}

}  // namespace
