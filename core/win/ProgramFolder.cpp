#include <windows.h>

#include <vector>

#include "core/Paths.h"

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

std::string LibraryFolder() {
    const std::string folder = ProgramFolder();
    if (!folder.empty()) return folder;
    char current[MAX_PATH] = "";
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
    if (length == 0 || length >= MAX_PATH) return "";
    return std::string(current) + "\\";
}
