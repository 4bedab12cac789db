// Fixed-size text fields as records, Win32 structures and export arguments
// hold them; the record fields' own cases are in Records_test.
#include "core/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ReadCase {
    const char* name;
    std::vector<char> field;  // exactly the field's bytes
    std::string expected;
};

TEST(FixedText, ReadsToTheZeroByteAndNeverPastCapacityMinusOne) {
    const std::vector<ReadCase> cases = {
        {"terminated", {'a', 'b', '\0', 'x', 'y'}, "ab"}, {"empty", {'\0', 'x', 'y'}, ""},
        {"full", {'a', 'b', 'c', '\0'}, "abc"},           {"unterminated", {'a', 'b', 'c', 'd'}, "abc"},
        {"room only for the terminator", {'a'}, ""},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(FixedText(c.field.data(), c.field.size()), c.expected) << c.name;
    EXPECT_EQ(FixedText(nullptr, 10), "");
    EXPECT_EQ(FixedText("abc", 0), "");
}

struct CopyCase {
    const char* name;
    std::size_t capacity;
    std::string text;
    std::string expected;  // the field's bytes after the copy
};

TEST(CopyFixedText, CutsToCapacityMinusOneAndZeroesTheRest) {
    const std::vector<CopyCase> cases = {
        {"short", 6, "ab", std::string("ab\0\0\0\0", 6)},
        {"exact fit", 4, "abc", std::string("abc\0", 4)},
        {"too long", 4, "abcdef", std::string("abc\0", 4)},
        {"empty", 3, "", std::string(3, '\0')},
        {"room only for the terminator", 1, "abc", std::string(1, '\0')},
        {"no room at all", 0, "abc", ""},
    };
    for (const CopyCase& c : cases) {
        // Old content in the field, and a guard byte after it.
        std::string buffer(c.capacity + 1, '#');
        CopyFixedText(buffer.data(), c.capacity, c.text);
        EXPECT_EQ(buffer.substr(0, c.capacity), c.expected) << c.name;
        EXPECT_EQ(buffer[c.capacity], '#') << c.name;
    }
}

}  // namespace
