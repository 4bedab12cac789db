#include <string>

#include "core/Paths.h"

extern "C" __declspec(dllexport) const char* LibraryProgramFolder() {
    static std::string folder;
    folder = ProgramFolder();
    return folder.c_str();
}
