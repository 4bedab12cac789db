#include "DriverSearch.h"

#include <windows.h>

#include "Paths.h"
#include "Text.h"

namespace {

// getDriverName's buffer: a name of at most 32 characters and its terminator.
constexpr std::size_t kDriverNameSize = 33;
using GetDriverName = void (*)(char* name);

std::string DriverName(const std::string& path) {
    // A library that cannot be loaded must not stop the search with a message box.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const HMODULE library = LoadLibraryA(path.c_str());
    SetErrorMode(previousMode);
    if (!library) return "";
    char name[kDriverNameSize] = "";
    if (auto get = reinterpret_cast<GetDriverName>(
            reinterpret_cast<void*>(GetProcAddress(library, "getDriverName"))))
        get(name);
    FreeLibrary(library);
    return std::string(FixedText(name, kDriverNameSize));
}

}  // namespace

std::vector<DriverEntry> FindDrivers() {
    std::vector<DriverEntry> drivers;
    const std::string folder = LibraryFolder();
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "*.DLL").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return drivers;
    do {
        const std::string file = found.cFileName;
        if (!MayHoldDriver(file)) continue;
        std::string name = DriverName(folder + file);
        if (!name.empty()) drivers.push_back({std::move(name), file});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return drivers;
}
