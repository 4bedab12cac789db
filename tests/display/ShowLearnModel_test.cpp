#include "display/ShowLearnModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(LearntCommands, OneLinePerCommandStringAndAnEmptyLineBetweenButtons) {
    using Lines = std::vector<std::string>;
    const struct {
        const char* learnt;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"A", {"A"}},
        {"A,B;C", {"A", "B", "", "C"}},
        {"A;", {"A", ""}},
        {"A,", {"A"}},
        {"A,,B", {"A", "", "B"}},
        {";A", {"", "", "A"}},
        {"1FE48B7;2FD02FD,2FD02FE;E1", {"1FE48B7", "", "2FD02FD", "2FD02FE", "", "E1"}},
    };
    for (const auto& c : cases) EXPECT_EQ(LearntCommandLines(c.learnt), c.lines) << c.learnt;
}

TEST(LearntCommands, Title) { EXPECT_EQ(LearntCommandsTitle("Play"), "Learnt commands of Play"); }

}  // namespace
