// What the user is told about loading and saving the command file. Each
// text names the file; docs/command-file.md quotes them.
#pragma once

#include <cstddef>
#include <string>

#include "app/cmdfile/CommandFile.h"

inline constexpr const char* kCommandFileCaption = "Tovanix";

// How many changed IDs, and macros made general, a message lists one by one.
inline constexpr std::size_t kListedIDChanges = 20;

// The one message after loading the file at start or importing it; "" when
// there is nothing to tell.
std::string LoadMessage(const LoadReport& report, const std::string& path, bool fromUser);

// Asked before saving over the default file when its load at start was not
// complete (items beyond the IDs, or a file that could not be read): Yes
// saves (and what was not loaded is lost), No leaves the file. "" when the
// load was complete.
std::string OverwriteQuestion(const LoadReport& report, const std::string& path);
