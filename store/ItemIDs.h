// Item identifiers as the store hands them out: a kind letter ("A" group,
// "M" macro) and a decimal number from 1 to kMaxItemNumber without leading
// zeros, so that every identifier fits the 6-byte ID field.
#pragma once

#include <string>
#include <string_view>

constexpr int kMaxItemNumber = 9999;

// The number of a well-formed identifier with the given letter, 0 for
// anything else. Reads at most 5 characters, so a record's ID field or an
// unterminated buffer is safe to pass.
int IDNumber(const char* id, char letter);

// The number of an identifier as a hand-edited file may write it: the letter
// and decimal digits, leading zeros allowed ("A01" is A1). 0 for anything
// else, and for a number outside 1 to kMaxItemNumber.
int WrittenIDNumber(std::string_view text, char letter);

std::string MakeID(char letter, int number);
