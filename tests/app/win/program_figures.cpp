// Prints how Tovanix.exe copes with a command file of 10,000 items: the
// start-up (which shows its splash for at least four seconds), expanding a
// group of 4,999 macros, a change that saves every item, and how long the
// window takes to answer afterwards.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/win/resource.h"
#include "tests/support/ProgramItems.h"
#include "tests/support/TovanixProgram.h"
#include "tests/support/WinTestSupport.h"

namespace {
double Milliseconds(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
}

}  // namespace

int main() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
    TempFolder folder;
    TovanixProgram tovanix(folder);
    std::string file = "ID:A1\r\nNAME:Big group\r\nIRCOMMAND:remote.group\r\nMACROID:\r\nDISABLED:0\r\n";
    for (int i = 1; i < 5000; ++i) file += NumberedMacro(i, "A1");
    for (int i = 5000; i < 10000; ++i) file += NumberedMacro(i, "");
    tovanix.WriteCommandFile(file);

    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!tovanix.Start() || !WaitFor([&] { return IsWindowVisible(tovanix.MainWindow()) != FALSE; }, 30000)) {
        std::printf("Tovanix did not start\n");
        return 1;
    }
    std::printf("10,000 items: start-up until the window shows %.0f ms (at least 4000 ms of splash)\n",
                Milliseconds(start));

    HWND tree = tovanix.Tree();
    QueryPerformanceCounter(&start);
    TreeView_Expand(tree, TreeView_GetRoot(tree), TVE_EXPAND);
    std::printf("expanding the group of 4,999 macros builds their nodes in %.0f ms (%u nodes in the tree)\n",
                Milliseconds(start), TreeView_GetCount(tree));

    tovanix.SelectNode(0);
    QueryPerformanceCounter(&start);
    tovanix.Command(IDM_DISABLE);
    std::printf("disabling an item and saving all 10,000 took %.0f ms\n", Milliseconds(start));

    QueryPerformanceCounter(&start);
    SendMessageA(tovanix.MainWindow(), WM_NULL, 0, 0);
    std::printf("the window then answers a message in %.2f ms\n", Milliseconds(start));
    tovanix.Close();
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
    return 0;
}
