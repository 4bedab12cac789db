// Whole files read and written in one piece: a write goes to a temporary
// file in the target's folder and takes the target's place in one step, so
// that the target never holds a half-written text.
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
