// What the user is told about loading and saving the command file. Each
// text names the file; docs/command-file.md quotes them.
#pragma once

#include <cstddef>
#include <string>

#include "CommandFile.h"

inline constexpr const char* kCommandFileCaption = "Tovanix";

// How many changed IDs a message lists one by one.
inline constexpr std::size_t kListedIDChanges = 20;

// The one message after loading the file at start or importing it; "" when
// there is nothing to tell.
std::string LoadMessage(const LoadReport& report, const std::string& path, bool fromUser);

// Asked before saving over the default file while items of it are not
// loaded: Yes saves (and those items are lost), No leaves the file.
std::string OverwriteQuestion(const std::string& path, std::size_t itemsNotLoaded);
