#include "app/mainrules/TreeRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(NodeImage, GroupsShowDisabledBeforeLearnt) {
    TBGroupRecord group = FreshBGroupRecord();
    EXPECT_EQ(NodeImage(group), kGroupUnlearnt);
    CopyText(group.IRCommand, "remote.play");
    EXPECT_EQ(NodeImage(group), kGroupLearnt);
    group.Disabled = 1;
    EXPECT_EQ(NodeImage(group), kGroupDisabled);
}

TEST(NodeImage, MacrosByHiddenDisabledAndLearnt) {
    TMacroRecord macro = FreshMacroRecord();
    EXPECT_EQ(NodeImage(macro), kMacroUnlearnt);
    CopyText(macro.IRCommand, "remote.play");
    EXPECT_EQ(NodeImage(macro), kMacroLearnt);
    macro.Disabled = 1;
    EXPECT_EQ(NodeImage(macro), kMacroDisabled);
    macro.Hidden = 1;
    EXPECT_EQ(NodeImage(macro), kHiddenMacroDisabled);
    macro.Disabled = 0;
    EXPECT_EQ(NodeImage(macro), kHiddenMacroLearnt);
    CopyText(macro.IRCommand, "");
    EXPECT_EQ(NodeImage(macro), kHiddenMacroUnlearnt);
    macro.Disabled = 7;  // any value but 0 is true
    EXPECT_EQ(NodeImage(macro), kHiddenMacroDisabled);
}

TEST(NodeKind, FromTheLettersOfTheID) {
    EXPECT_EQ(NodeKind("A12"), 'A');
    EXPECT_EQ(NodeKind("M3"), 'M');
    EXPECT_EQ(NodeKind("XM"), 'M');
    EXPECT_EQ(NodeKind("MA"), 'A');
    EXPECT_EQ(NodeKind(""), 0);
    EXPECT_EQ(NodeKind(nullptr), 0);
}

TEST(CompareNodes, GroupsFirstThenByNameWithoutCase) {
    struct Node {
        char kind;
        std::string text;
    };
    std::vector<Node> nodes{{'M', "volume"}, {'A', "notepad"},     {'M', "Applause"},
                            {'A', "Media"},  {'M', "VOLUME down"}, {'A', "media"}};
    std::stable_sort(nodes.begin(), nodes.end(), [](const Node& a, const Node& b) {
        return CompareNodes(a.kind, a.text, b.kind, b.text) < 0;
    });
    std::vector<std::string> order;
    for (const Node& node : nodes) order.push_back(node.text);
    EXPECT_EQ(order,
              (std::vector<std::string>{"Media", "media", "notepad", "Applause", "volume", "VOLUME down"}));
}

TEST(CompareNodes, ComparesBytesAsUnsigned) {
    EXPECT_LT(CompareNodes('M', "Z", 'M', "\xC4"), 0);
    EXPECT_EQ(CompareNodes('A', "abc", 'A', "ABC"), 0);
}

}  // namespace
