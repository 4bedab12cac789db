// The learnt-command viewer's text: each command string of an item's learnt
// command on a line of its own, the buttons of a sequence apart by an empty
// line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kLearntCommandsTitle = "Learnt commands";

// "Learnt commands of " and the item's name.
std::string LearntCommandsTitle(std::string_view name);

// "A,B;C" gives the lines A, B, "" and C. A line ends at every "," and ";"
// (an empty one too) and ";" adds an empty line; the text after the last of
// them is a line only when it is not empty.
std::vector<std::string> LearntCommandLines(std::string_view learnt);
