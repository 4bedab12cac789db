#include "procname/rxnt.h"

#include "core/win/Scoped.h"

namespace {
// The longest path Windows knows, so that no program's path is cut.
char path[32768];
}  // namespace

const char* getAPPFileName(DWORD processId) {
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return nullptr;
    // An ended process may linger while something holds a handle to it; it
    // has no program any more.
    DWORD exitCode = 0;
    DWORD size = sizeof path;
    const bool found = GetExitCodeProcess(process.get(), &exitCode) && exitCode == STILL_ACTIVE &&
                       QueryFullProcessImageNameA(process.get(), 0, path, &size) && size > 0;
    return found ? path : nullptr;
}
