// Where the program's files lie and how paths are cut to file names.
#pragma once

#include <string>
#include <string_view>

// The part after the last "\" (the whole text when it has none).
std::string FileNameOf(std::string_view path);

// The program folder for a running program file: its folder, ending in "\",
// when the file is named Tovanix.exe (in any letter case); otherwise empty,
// so that files are looked up relative to the current folder.
std::string ProgramFolderOf(std::string_view programFile);

// The folder of the running main program (in a library too: the folder of
// the program that loaded it, not of the library file).
std::string ProgramFolder();

// Where the libraries that Tovanix loads by name (drivers, plug-ins) lie:
// the program folder, or the current folder for a program that is not
// Tovanix.exe (a test program). Empty when neither can be read.
std::string LibraryFolder();

inline constexpr const char* kProgramFileName = "Tovanix.exe";
