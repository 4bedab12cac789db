// The exception boundary of the DLL exports.
#include "core/Guarded.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

int Fails() { throw std::runtime_error("failed"); }

TEST(Guarded, AnExceptionGivesTheFailureAnswer) {
    EXPECT_EQ(Guarded(-1, [] { return 7; }), 7);
    EXPECT_EQ(Guarded(-1, [] { return Fails(); }), -1);
    // Without a given answer: the result type's zero value.
    EXPECT_EQ(Guarded([] { return true; }), true);
    EXPECT_EQ(Guarded([]() -> bool { throw std::bad_alloc(); }), false);
    EXPECT_EQ(Guarded([]() -> const char* { throw 1; }), nullptr);
    // A procedure just ends.
    int runs = 0;
    Guarded([&] {
        ++runs;
        Fails();
        ++runs;
    });
    EXPECT_EQ(runs, 1);
}

}  // namespace
