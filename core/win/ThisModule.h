// The module that holds the calling code. The core is a static library
// linked into each program and library, so this is the module the core was
// linked into: Tovanix.exe in the program, tovshow.dll in the display
// library. Windows and resources of a library belong to its own module.
#pragma once

#include <windows.h>

#include <string>

HMODULE ThisModule();
// Its folder, ending in "\".
std::string ThisModuleFolder();
