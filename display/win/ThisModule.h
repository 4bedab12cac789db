// The module that holds this code: tovshow.dll in the program.
#pragma once

#include <windows.h>

#include <string>

HMODULE ThisModule();
// Its folder, ending in "\".
std::string ThisModuleFolder();
