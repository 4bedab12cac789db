#include "core/win/ProgramLibraries.h"

#include "core/Paths.h"
#include "core/Text.h"
#include "core/win/Scoped.h"

namespace {

// A name of at most 32 characters and its terminator. An outside library
// may write more than it should, so its buffer has room to spare.
constexpr std::size_t kLibraryNameSize = 33;
constexpr std::size_t kLibraryNameBuffer = 1024;
using NameExport = void (*)(char* name);

}  // namespace

bool CallLibraryExport(const std::string& path, const char* exportName,
                       const std::function<void(FARPROC)>& use) {
    // A library that cannot be loaded must not stop the caller with a message box.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const UniqueModule library(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    SetErrorMode(previousMode);
    if (!library) return false;
    const FARPROC function = GetProcAddress(library.get(), exportName);
    if (function) use(function);
    return function != nullptr;
}

std::vector<NamedLibrary> AskLibraryNames(const char* exportName,
                                          const std::function<bool(const std::string& file)>& mayAsk) {
    std::vector<NamedLibrary> libraries;
    const std::string folder = LibraryFolder();
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "*.DLL").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return libraries;
    do {
        const std::string file = found.cFileName;
        if (!mayAsk(file)) continue;
        char name[kLibraryNameBuffer] = "";
        CallLibraryExport(folder + file, exportName, [&](FARPROC function) {
            // The export's address, taken as the function it is.
            reinterpret_cast<NameExport>(reinterpret_cast<void*>(function))(name);
        });
        std::string text(FixedText(name, kLibraryNameSize));
        if (!text.empty()) libraries.push_back({std::move(text), file});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return libraries;
}
