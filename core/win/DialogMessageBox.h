// Shows a model's message in a message box owned by the dialog.
#pragma once

#include <windows.h>

#include "core/DialogMessage.h"

void ShowDialogMessage(HWND owner, const DialogMessage& message);
