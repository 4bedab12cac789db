// Letter case as the program compares names: only a to z change, whatever
// the locale, as Windows compares file names and captions here.
#pragma once

#include <string>
#include <string_view>

std::string ToUpperAscii(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);
bool ContainsIgnoringCase(std::string_view text, std::string_view part);
