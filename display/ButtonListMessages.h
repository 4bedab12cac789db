// What the button panel tells the user about its file: what it found when it
// opened, and the question before it replaces a file it could not read.
#pragma once

#include <cstddef>
#include <string>

// How the file was found as the panel opened. Unreadable and NothingRead
// guard the file: the panel is not written over it unless the user changed
// the panel and agreed.
enum class ButtonListFound { Read, Missing, Unreadable, NothingRead };

// Told once as the panel opens; empty when there is nothing to tell.
std::string ButtonListNotice(ButtonListFound found, std::size_t entries, const std::string& path);
// Asked before a changed panel replaces a guarded file.
std::string ButtonListOverwriteQuestion(const std::string& path);
