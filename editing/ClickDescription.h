// The hint that the macro editor shows for a CLICK command.
#pragma once

#include <string>
#include <string_view>

// For example "Left mouse button click to 120, 45. Coordinates are in
// relation to destination window." for CLICK:0120:0045:L:W:CLICK. A command
// that clicks nothing (see ReadClickElement) has no description.
std::string describeClickCommand(std::string_view token);
