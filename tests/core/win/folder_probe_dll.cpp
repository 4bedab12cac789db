#include <string>

#include "Paths.h"

extern "C" __declspec(dllexport) const char* LibraryProgramFolder() {
    static std::string folder;
    folder = ProgramFolder();
    return folder.c_str();
}
