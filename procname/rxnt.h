// The export of RXNT.DLL, the process-name library of Windows NT and later.
// Callers load the library by name and look the export up; this header
// states its form.
#pragma once

#include <windows.h>

extern "C" {

// The full path of the program file of the process processId, zero-
// terminated, in a buffer of the library that stays valid until the library
// is unloaded and that the next call overwrites. Null when the process does
// not exist, has ended or may not be queried. Call from one thread at a time.
const char* getAPPFileName(DWORD processId);
typedef const char* (*TGetAPPFileName)(DWORD processId);
}
