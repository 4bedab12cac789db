// Item identifiers as the store hands them out: a kind letter ("A" group,
// "M" macro) and a decimal number from 1 to kMaxItemNumber without leading
// zeros, so that every identifier fits the 6-byte ID field.
#pragma once

#include <string>

constexpr int kMaxItemNumber = 9999;

// The number of a well-formed identifier with the given letter, 0 for
// anything else. Reads at most 5 characters, so a record's ID field or an
// unterminated buffer is safe to pass.
int IDNumber(const char* id, char letter);

std::string MakeID(char letter, int number);
