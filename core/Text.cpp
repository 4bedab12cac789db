#include "core/Text.h"

#include <algorithm>

namespace {
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string ToUpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = UpperAscii(c);
    return upper;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return ToUpperAscii(text).find(ToUpperAscii(part)) != std::string::npos;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view FixedText(const char* field, std::size_t capacity) {
    if (field == nullptr || capacity == 0) return {};
    std::size_t length = 0;
    while (length + 1 < capacity && field[length] != '\0') ++length;
    return std::string_view(field, length);
}

void CopyFixedText(char* field, std::size_t capacity, std::string_view text) {
    if (capacity == 0) return;
    const std::size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
    text.copy(field, length);
    std::fill(field + length, field + capacity, '\0');
}
