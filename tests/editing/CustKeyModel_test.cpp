#include "editing/CustKeyModel.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Steps as the user takes them: "k:x" types x as the key, "t:text" types
// text, "+C", "+A", "+S" tick Ctrl, Alt, Shift and "-C" ... untick them.
void Apply(CustKeyModel& model, const std::string& step) {
    const std::string value = step.substr(2);
    if (step[0] == 'k') return model.SetKey(value);
    if (step[0] == 't') return model.SetTyped(value);
    const Modifier modifier = step[1] == 'C'   ? Modifier::Ctrl
                              : step[1] == 'A' ? Modifier::Alt
                                               : Modifier::Shift;
    model.SetModifier(modifier, step[0] == '+');
}

// The enabled modifier boxes as "CAS", a disabled one as "-".
std::string EnabledBoxes(const CustKeyModel& model) {
    std::string boxes;
    boxes += model.Enabled(Modifier::Ctrl) ? 'C' : '-';
    boxes += model.Enabled(Modifier::Alt) ? 'A' : '-';
    boxes += model.Enabled(Modifier::Shift) ? 'S' : '-';
    return boxes;
}

TEST(CustKeyModel, TokenAndEnabledModifiers) {
    const struct {
        const char* steps;  // separated by "|"
        std::string token;
        const char* enabled;
    } cases[] = {
        {"+C|+A|k:a", "CTRL+ALT+a", "CA-"},
        {"k:A|+S", "SHIFT+A", "CAS"},
        {"+S|+C|k:1", "CTRL+SHIFT+1", "C-S"},
        {"+C|+A|+S|k:x", "CTRL+ALT+x", "CA-"},  // a third box cannot be ticked
        {"+C|+A|-A|+S|k:x", "CTRL+SHIFT+x", "C-S"},
        {"+C|+A|k:a|t:Hello", "TYPE:Hello", "---"},  // typed text drops the modifiers
        {"+C|t:Hi|k:b", "CTRL+b", "CAS"},            // a key brings them back
        {"", "", "CAS"},
        {"k:a|k:", "", "CAS"},
        {"+C|k:,", "CTRL+\"\"", "CAS"},                  // the comma key
        {"t:Hello, world", "TYPE:Hello  world", "---"},  // a comma would end the command
        {"t:", "", "---"},
    };
    for (const auto& c : cases) {
        CustKeyModel model;
        std::istringstream steps(c.steps);
        for (std::string step; std::getline(steps, step, '|');) Apply(model, step);
        EXPECT_EQ(model.Token(), c.token) << c.steps;
        EXPECT_EQ(EnabledBoxes(model), c.enabled) << c.steps;
    }
    CustKeyModel model;
    model.SetTyped(std::string(250, 'x'));
    EXPECT_EQ(model.Token(), "TYPE:" + std::string(200, 'x'));
}

}  // namespace
