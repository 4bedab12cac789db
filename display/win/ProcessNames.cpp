#include "display/win/ProcessNames.h"

#include "core/Paths.h"
#include "core/win/Scoped.h"
#include "core/win/ThisModule.h"
#include "procname/rxnt.h"

namespace {

std::string ProcessNameLibraryPath() {
    std::string folder = ProgramFolder();
    if (folder.empty()) folder = ThisModuleFolder();
    return folder + (WindowsPlatform() == VER_PLATFORM_WIN32_NT ? "RXNT.DLL" : "RX95.DLL");
}

}  // namespace

int WindowsPlatform() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return 1;
    return static_cast<int>(version.dwPlatformId);
}

std::optional<std::string> ProgramFileOfWindow(HWND window) {
    const UniqueModule library(
        LoadLibraryExA(ProcessNameLibraryPath().c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!library) return std::nullopt;
    // Through void (*)(): the cast that says the export's real type is known.
    const auto getAPPFileName = reinterpret_cast<TGetAPPFileName>(
        reinterpret_cast<void (*)()>(GetProcAddress(library.get(), "getAPPFileName")));
    if (!getAPPFileName) return std::nullopt;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const char* fileName = getAPPFileName(processId);
    if (!fileName) return std::nullopt;
    return std::string(fileName);
}
