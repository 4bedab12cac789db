// The exports of a command plug-in library: a DLL of the program folder
// whose commands a macro can hold as "base:parameters", base being the
// library's file name without ".DLL".
#pragma once

#include <windows.h>

extern "C" {
// Writes the plug-in's display name, at most 32 characters and a zero, into
// name (33 bytes). A library without it, or with an empty name, is no plug-in.
typedef void (*TGetPluginName)(char* name);
// Asks the user for a command's parameters and writes them, zero-terminated,
// into parameters (256 bytes, handed over empty); empty: nothing is added.
typedef void (*TAddPlugin)(char* parameters);
// Runs a command: its parameter text (at most 255 characters) and the
// target window of the macro.
typedef void (*TExecutePlugin)(const char* parameters, HWND window);
}

inline constexpr const char* kGetPluginNameExport = "getPluginName";
inline constexpr const char* kAddPluginExport = "addPlugin";
inline constexpr const char* kExecutePluginExport = "executePlugin";
