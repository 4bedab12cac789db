// The LAUNCH element: LAUNCH[:D][:I]:file[ parameters].
#pragma once

#include <string>
#include <string_view>

struct LaunchElement {
    std::string file;
    std::string parameters;
    bool deactivate = false;   // D: the receiver is off while the program runs
    bool oneInstance = false;  // I: a running instance is brought forward instead
};

enum class LaunchFolder { Keep, Strip };

// Reads a LAUNCH element; an element that does not begin with "LAUNCH:"
// gives an empty file. The letters D and I are options only when ":"
// follows them and they do not start a drive path (D:\...), so that
// LAUNCH:D:\Media\x.exe names a file on drive D. The file ends after the
// first ".EXE", else ".COM", else ".BAT" (any letter case) that the end or
// a blank follows; the rest are the parameters. Without such an extension
// the whole rest is the file. With LaunchFolder::Strip the file loses its
// folder.
LaunchElement SplitLaunch(std::string_view element, LaunchFolder folder = LaunchFolder::Keep);

// "LAUNCH", ":D", ":I", ":", the file, a blank and the parameters, with the
// blanks at both ends removed.
std::string WriteLaunchElement(const LaunchElement& launch);
