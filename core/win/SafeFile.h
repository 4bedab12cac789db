// Whole files read and written in one piece: a write goes to a temporary
// file in the target's folder and takes the target's place in one step, so
// that the target never holds a half-written text.
//
// Each target has one temporary file, its name with ".tmp" added
// (TOVANIX.CMD.tmp): a write cut short (the program killed midway) leaves
// at most that one behind, and the next write reuses it.
#pragma once

#include <string>
#include <string_view>

// The file's bytes; false when it cannot be opened or read.
bool ReadFileText(const std::string& path, std::string& text);

struct WriteResult {
    bool ok = true;
    // When not ok: for the user, naming the file and the cause.
    std::string message;
};

// On failure the target keeps its previous content (or stays absent) and
// no temporary file is left behind.
WriteResult WriteFileSafely(const std::string& path, std::string_view text);

std::string TemporaryFileOf(const std::string& path);

// Removes the temporary file that a write cut short left behind, if any.
void RemoveLeftoverTemporary(const std::string& path);
