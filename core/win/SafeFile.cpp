#include "core/win/SafeFile.h"

#include <windows.h>

namespace {

std::string SystemMessage(DWORD error) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string message(buffer ? buffer : "", length);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "Windows error " + std::to_string(error) + "." : message;
}

WriteResult Failure(const std::string& path, DWORD error) {
    return {false,
            "Could not save \"" + path + "\": " + SystemMessage(error) + "\nThe file was left as it was."};
}

bool WriteAll(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        const DWORD chunk = text.size() < 0x40000000 ? static_cast<DWORD>(text.size()) : 0x40000000;
        DWORD written = 0;
        if (!WriteFile(file, text.data(), chunk, &written, nullptr) || written == 0) return false;
        text.remove_prefix(written);
    }
    return FlushFileBuffers(file);
}

// Writes the text to the temporary file, replacing one left behind; 0 or the error.
DWORD WriteTemporary(const char* temporary, std::string_view text) {
    HANDLE file =
        CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    const DWORD error = WriteAll(file, text) ? 0 : GetLastError();
    CloseHandle(file);
    return error;
}

// Another program (a virus scanner, an indexer, a backup or a reader of the
// file) may hold it for a moment: the replace is tried again for about half a
// second before the save fails. 0 or the error.
constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplacePauseMs = 50;

DWORD ReplaceWithTemporary(const char* temporary, const char* path) {
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
        const DWORD error = GetLastError();
        const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
        if (!held || attempt == kReplaceAttempts) return error;
        Sleep(kReplacePauseMs);
    }
}

}  // namespace

bool ReadFileText(const std::string& path, std::string& text) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    text.clear();
    char buffer[65536];
    DWORD read = 0;
    bool ok;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return ok;
}

std::string TemporaryFileOf(const std::string& path) { return path + ".tmp"; }

void RemoveLeftoverTemporary(const std::string& path) { DeleteFileA(TemporaryFileOf(path).c_str()); }

WriteResult WriteFileSafely(const std::string& path, std::string_view text) {
    const std::string temporary = TemporaryFileOf(path);
    DWORD error = WriteTemporary(temporary.c_str(), text);
    if (error == 0) error = ReplaceWithTemporary(temporary.c_str(), path.c_str());
    if (error == 0) return {};
    DeleteFileA(temporary.c_str());
    return Failure(path, error);
}
