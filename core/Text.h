// Text as the program handles it: letter case as it compares names, and the
// fixed-size text fields of records and Win32 structures.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Only a to z change, whatever the locale, as Windows compares file names
// and captions here.
std::string ToUpperAscii(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);
bool ContainsIgnoringCase(std::string_view text, std::string_view part);
// Without the blanks at both ends.
std::string_view TrimBlanks(std::string_view text);

// A fixed-size field holds a zero-terminated text of at most capacity - 1
// characters. Its writer may have been another module, so a reader never
// relies on the terminator being there.

// The text of a field: up to its first zero byte, at most capacity - 1
// characters. A null pointer reads as empty.
std::string_view FixedText(const char* field, std::size_t capacity);
// Copies text into a field, cut to capacity - 1 characters; the rest of the
// field is zeroed, so that a record's bytes stay deterministic.
void CopyFixedText(char* field, std::size_t capacity, std::string_view text);

template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    return FixedText(field, N);
}

template <std::size_t N>
void CopyText(char (&field)[N], std::string_view text) {
    CopyFixedText(field, N, text);
}
