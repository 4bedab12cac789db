#include "rxnt.h"

namespace {
// The longest path Windows knows, so that no program's path is cut.
char path[32768];
}  // namespace

const char* getAPPFileName(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return nullptr;
    DWORD size = sizeof path;
    const bool found = QueryFullProcessImageNameA(process, 0, path, &size) && size > 0;
    CloseHandle(process);
    return found ? path : nullptr;
}
