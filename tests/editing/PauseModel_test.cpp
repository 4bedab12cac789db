#include "editing/PauseModel.h"

#include <gtest/gtest.h>

namespace {

TEST(PauseCommand, WholeNumbersFromOneTo30000) {
    const struct {
        const char* text;
        const char* token;
    } cases[] = {
        {"500", "PAUSE:500"},
        {"1", "PAUSE:1"},
        {"30000", "PAUSE:30000"},
        {"0", ""},
        {"30001", ""},
        {"-5", ""},
        {"abc", ""},
        {"", ""},
        {"1.5", ""},
        {"99999", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PauseToken(c.text), c.token) << c.text;
}

}  // namespace
