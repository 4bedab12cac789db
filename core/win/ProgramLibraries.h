// The libraries of the program folder (LibraryFolder) that Tovanix loads by
// their full path for one call and releases right after it: the receiver
// drivers and the command plug-ins naming themselves (getDriverName,
// getPluginName), and a plug-in running its command.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Loads the library without the system's error box, hands use the export
// when the library has it and releases the library. False when the library
// could not be loaded or lacks the export.
bool CallLibraryExport(const std::string& path, const char* exportName,
                       const std::function<void(FARPROC)>& use);

struct NamedLibrary {
    std::string name;  // what the export wrote
    std::string file;  // the file name as the search found it
};

// Each "*.DLL" of LibraryFolder() that mayAsk lets through and whose export
// writes a name that is not empty into a zeroed buffer (of 33 characters by
// contract, larger in fact), read as at most 32 characters, in the order
// that the file search returns them.
std::vector<NamedLibrary> AskLibraryNames(const char* exportName,
                                          const std::function<bool(const std::string& file)>& mayAsk);
