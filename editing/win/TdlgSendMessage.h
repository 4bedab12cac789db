// The send-message dialog: the SENDMESSAGE: command.
// Runs modally, owned by owner; "" when the user cancelled or the input was
// refused.
#pragma once

#include <windows.h>

#include <string>

std::string getSendMessageCommand(HWND owner);
