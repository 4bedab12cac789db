// Tovanix.exe started for real from a folder of its own, with helpers to
// read and drive its windows from the test program.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/support/WinTestSupport.h"

class TovanixProgram {
  public:
    // Copies Tovanix.exe and its libraries into the folder.
    explicit TovanixProgram(const TempFolder& folder);
    // The program that is already in the folder (which ends in "\").
    explicit TovanixProgram(std::string folder);
    ~TovanixProgram();
    TovanixProgram(const TovanixProgram&) = delete;
    TovanixProgram& operator=(const TovanixProgram&) = delete;

    void WriteCommandFile(const std::string& text);
    std::string CommandFile() const;
    const std::string& Folder() const { return folder_; }

    // Starts the program and waits until its main window exists.
    bool Start();
    // Closes the main window and waits for the program to end.
    bool Close();
    // Ends the program at once, as a crash or a power cut would.
    void Kill();
    bool Running() const;

    HWND MainWindow() const;
    HWND Tree() const;
    std::string Caption() const;

    // Selects a top-level node of the tree by its place in the order, or
    // one of its children. (The tree's texts live in the other program.)
    bool SelectNode(int topIndex, int childIndex = -1);
    // The text of a node of the tree, read from the program's memory.
    std::string NodeText(int topIndex, int childIndex = -1) const;
    // Double-clicks the node with the real mouse.
    bool DoubleClickNode(int topIndex, int childIndex = -1);
    void Command(int id);

    // The hidden window that receives the tray icon's notifications.
    HWND TrayWindow() const;
    // Whether the shell knows the program's tray icon.
    bool TrayIconShown() const;
    // Pops the tray menu up as a right click on the icon does and chooses the
    // item with that mnemonic; false when the menu did not open or close.
    bool ChooseFromTrayMenu(char mnemonic);
    // The button panel on the screen, if one is (a panel closed from its own
    // menu stays, hidden).
    HWND ButtonPanel() const;
    // The splash window while the program starts.
    HWND SplashWindow() const;
    // The receiver monitor, if one is open.
    HWND MonitorWindow() const;
    // The open monitor's lines, each ended by CR LF.
    std::string MonitorText() const;

    // A message box of the program, if one is open.
    HWND MessageBoxWindow() const;
    // Any dialog of the program (an open or save dialog, say), if one is open.
    HWND DialogWindow() const;
    // The program's visible dialog with that caption, if one is open.
    HWND DialogWindow(const std::string& caption) const;

  private:
    // The first top-level window of the program with that class.
    HWND FindWindowOfClass(const char* className) const;

    std::string folder_;
    PROCESS_INFORMATION process_{};
};

// Waits for the condition, dispatching this thread's messages; false after the timeout.
template <class Condition>
bool WaitFor(Condition condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// A node of a tree view: a top-level node by its place, or one of its children.
HTREEITEM TreeNode(HWND tree, int topIndex, int childIndex = -1);

// The text of a window of another program.
std::string TextOf(HWND window);

// The first top-level window of that class that the process owns.
HWND FindProcessWindow(DWORD process, const char* className);
