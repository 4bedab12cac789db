#include "core/win/ShowHelp.h"

#include <shellapi.h>

#include <string>

#include "core/HelpMessages.h"
#include "core/Paths.h"

namespace {
void Tell(HWND owner, const HelpMessage& message) {
    MessageBoxA(owner, message.text.c_str(), message.caption.c_str(), MB_OK | MB_ICONERROR);
}
}  // namespace

void ShowHelp(HWND owner, const char* anchor) {
    const std::string helpFile = ProgramFolder() + kHelpFileName;
    char program[MAX_PATH] = "";  // FindExecutableA writes up to MAX_PATH characters
    const intptr_t found = reinterpret_cast<intptr_t>(FindExecutableA(helpFile.c_str(), "", program));
    if (std::optional<HelpMessage> failure = HelpLookupMessage(found)) {
        Tell(owner, *failure);
        return;
    }
    // Quoted, since the program folder may contain blanks (C:\Program Files\...).
    const std::string parameter = "\"" + helpFile + (anchor ? anchor : "") + "\"";
    const intptr_t started = reinterpret_cast<intptr_t>(
        ShellExecuteA(owner, nullptr, program, parameter.c_str(), nullptr, SW_SHOWDEFAULT));
    if (started <= 32) Tell(owner, HelpStartMessage());
}
