#include <windows.h>

#include <vector>

#include "Paths.h"

std::string ProgramFolder() {
    // The process's program file, also when called from a library.
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return "";
        if (length < path.size()) return ProgramFolderOf(std::string_view(path.data(), length));
        path.resize(path.size() * 2);
    }
}
