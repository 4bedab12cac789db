#include "receiver/win/DriverLibrary.h"

#include <vector>

#include "core/Paths.h"
#include "core/Settings.h"
#include "receiver/DriverFile.h"

namespace {

std::string FullPath(const std::string& fileName) {
    const std::string folder = ProgramFolder();
    if (!folder.empty()) return folder + fileName;
    std::vector<char> path(MAX_PATH);
    DWORD length = GetFullPathNameA(fileName.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
    if (length >= path.size()) {
        path.resize(length);
        length = GetFullPathNameA(fileName.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
    }
    return length ? std::string(path.data(), length) : "";
}

}  // namespace

std::unique_ptr<DriverLibrary> DriverLibrary::LoadSelected() {
    const std::optional<std::string> fileName = DriverFileName(ReadSetting(setting::Driver));
    if (!fileName) return nullptr;
    const std::string path = FullPath(*fileName);
    // The library's own folder comes first when it needs others of its own.
    UniqueModule module(path.empty() ? nullptr
                                     : LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!module) return nullptr;
    auto entry = reinterpret_cast<TovReceiverDriverEntry>(
        reinterpret_cast<void*>(GetProcAddress(module.get(), "tovReceiverDriver")));
    const TovReceiverDriver* functions = nullptr;
    // The host offered to either version is the same, version 1 reading less of it.
    if (entry) functions = entry(TOV_RECEIVER_DRIVER_VERSION);
    if (entry && !functions) functions = entry(TOV_RECEIVER_DRIVER_VERSION_1);
    if (!functions) return nullptr;
    return std::unique_ptr<DriverLibrary>(new DriverLibrary(std::move(module), functions));
}
