// The command parameter dialogs: each asks for the parameters of one kind of
// command and returns its token, "" when the user cancelled or the input was
// refused. The macro editor calls them; each runs modally, owned by owner.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "EditStore.h"
#include "WindowTree.h"

std::string getKeyCommand(HWND owner);
std::string getPauseCommand(HWND owner);
std::string getLaunchCommand(HWND owner);
// The dialog filled from a LAUNCH token; the new token on OK.
std::optional<std::string> editLaunchCommand(HWND owner, const std::string& token);
std::string getMacroCommand(HWND owner, EditStore& store, const char* groupID);
std::string getGroupCommand(HWND owner, EditStore& store);
std::string getSendMessageCommand(HWND owner);

// The macro's record must be in the store with the editor's target settings.
std::string getClickCommand(HWND owner, EditStore& store, const char* macroID);
// A running program and one of its windows for a macro's target.
std::optional<WindowChoice> selectWindow(HWND owner);
