// mediakeys.dll, a command plug-in: its commands press the keyboard's media
// keys, so that a remote's buttons control whichever player listens to them.
#include "plugins/mediakeys/MediaKeys.h"

#include <windows.h>

#include <type_traits>

#include "core/Guarded.h"
#include "core/Text.h"
#include "core/win/CommandPlugin.h"
#include "core/win/ThisModule.h"
#include "plugins/mediakeys/win/TdlgMediaKey.h"
#include "plugins/mediakeys/win/TdlgMediaKeyRes.h"

namespace {
constexpr std::size_t kNameSize = 33;
constexpr std::size_t kParametersSize = 256;

void PressKey(int virtualKey) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(virtualKey);
        input.ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}
}  // namespace

extern "C" {

__declspec(dllexport) void getPluginName(char* name) {
    Guarded([&] { CopyFixedText(name, kNameSize, kMediaKeysName); });
}

__declspec(dllexport) void addPlugin(char* parameters) {
    Guarded([&] {
        TdlgMediaKey dialog;
        if (dialog.ShowModal(ThisModule(), IDD_MEDIAKEY, GetActiveWindow()) == IDOK)
            CopyFixedText(parameters, kParametersSize, dialog.Parameter());
    });
}

// The key needs no window: media keys go to whoever listens for them.
__declspec(dllexport) void executePlugin(const char* parameters, HWND) {
    Guarded([&] {
        if (const MediaKey* key = FindMediaKey(FixedText(parameters, kParametersSize)))
            PressKey(key->virtualKey);
    });
}
}

static_assert(std::is_same_v<decltype(&getPluginName), TGetPluginName>);
static_assert(std::is_same_v<decltype(&addPlugin), TAddPlugin>);
static_assert(std::is_same_v<decltype(&executePlugin), TExecutePlugin>);
