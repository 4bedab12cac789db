// The shortcut that a menu item of the main window shows is the key that
// runs that item.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "resource.h"

namespace {

// "Ctrl+X", "Ctrl+Del", "F1" as the accelerator table writes them.
std::pair<BYTE, WORD> KeyOf(std::string shown) {
    BYTE flags = FVIRTKEY;
    if (shown.rfind("Ctrl+", 0) == 0) {
        flags |= FCONTROL;
        shown.erase(0, 5);
    }
    if (shown == "Del") return {flags, VK_DELETE};
    if (shown.size() > 1 && shown[0] == 'F')
        return {flags, static_cast<WORD>(VK_F1 + std::stoi(shown.substr(1)) - 1)};
    return {flags, static_cast<WORD>(shown[0])};
}

TEST(MainMenu, EveryShortcutShownRunsItsItem) {
    const HMODULE tovanix = LoadLibraryExA((TestProgramFolder() + "Tovanix.exe").c_str(), nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(tovanix, nullptr);
    const HACCEL table = LoadAcceleratorsA(tovanix, MAKEINTRESOURCEA(IDA_MAIN));
    std::vector<ACCEL> accelerators(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, accelerators.data(), static_cast<int>(accelerators.size()));
    std::map<std::pair<BYTE, WORD>, WORD> commandOf;
    for (const ACCEL& accelerator : accelerators)
        commandOf[{accelerator.fVirt, accelerator.key}] = accelerator.cmd;

    const HMENU menu = LoadMenuA(tovanix, MAKEINTRESOURCEA(IDM_MAINMENU));
    int shortcuts = 0;
    for (int top = 0; top < GetMenuItemCount(menu); ++top) {
        const HMENU popup = GetSubMenu(menu, top);
        for (int item = 0; item < GetMenuItemCount(popup); ++item) {
            char text[128] = "";
            GetMenuStringA(popup, item, text, sizeof text, MF_BYPOSITION);
            const char* tab = std::strchr(text, '\t');
            if (!tab) continue;
            ++shortcuts;
            EXPECT_EQ(commandOf[KeyOf(tab + 1)], GetMenuItemID(popup, item)) << text;
        }
    }
    EXPECT_GT(shortcuts, 10);
    DestroyMenu(menu);
    FreeLibrary(tovanix);
}

}  // namespace
