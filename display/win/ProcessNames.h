// The program file of a window's process, through the process-name library
// (RXNT.DLL; RX95.DLL on Windows 95 family systems). The library is loaded by
// its full path from the program folder for each question and released
// again, so nothing of it stays in the process between questions. The
// program folder is the folder of Tovanix.exe, or, in a program of another
// name, the folder of tovshow.dll (where the build puts RXNT.DLL too).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// nullopt when the library or its getAPPFileName export is missing.
std::optional<std::string> ProgramFileOfWindow(HWND window);

// 0 Win32s, 1 Windows 95 family, 2 NT family; 1 when the query fails.
int WindowsPlatform();
