// The libraries of the program folder that name themselves through an
// export: the receiver drivers (getDriverName) and the command plug-ins
// (getPluginName). A library is loaded by its full path only for one call
// and released right after it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The program folder, ending in "\"; the current folder when the running
// program is not Tovanix.exe, as the receiver driver is looked up too.
std::string LibraryFolder();

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
// writes a name that is not empty into a zeroed buffer of 33 characters, in
// the order that the file search returns them.
std::vector<NamedLibrary> AskLibraryNames(const char* exportName,
                                          const std::function<bool(const std::string& file)>& mayAsk);
