// Opens the help file Tovanix.html of the program folder at a topic anchor
// such as "#Mainwindow"; tells the user in a message box when it cannot.
#pragma once

#include <windows.h>

void ShowHelp(HWND owner, const char* anchor);
