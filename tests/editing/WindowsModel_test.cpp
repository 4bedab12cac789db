#include "editing/WindowsModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The tree as text: "caption{child,child}" for each root, joined by " ".
std::string Shape(const std::vector<WindowNode>& nodes) {
    std::string text;
    for (const WindowNode& node : nodes) {
        if (!text.empty()) text += ' ';
        text += node.caption;
        if (node.children.empty()) continue;
        text += '{';
        for (std::size_t i = 0; i < node.children.size(); ++i)
            text += (i ? "," : "") + node.children[i].caption;
        text += '}';
    }
    return text;
}

// Windows in Z order: handle, caption, top owner, visible.
const std::vector<ListedWindow> kDesktop{
    {101, "Find", 100, true},  // owned by the editor, in front of it
    {100, "Untitled - Editor", 100, true},
    {200, "Player", 200, true},
    {201, "Playlist", 200, false},  // hidden
    {300, "", 300, true},           // no caption
    {301, "Tool tip", 300, true},   // owner without a caption: left out
    {400, "hidden helper", 400, false},
    {102, "Replace", 100, true},
    {500, "archive", 500, true},
    {501, "orphan", 999, true},  // owner not listed
    {600, std::string(70, 'z'), 600, false},
};

TEST(WindowTree, TwoPassesUnderTheTopOwners) {
    const struct {
        WindowShow show;
        std::string shape;
    } cases[] = {
        {WindowShow::Visible, "archive Player Untitled - Editor{Find,Replace}"},
        {WindowShow::All,
         "archive hidden helper Player{Playlist} Untitled - Editor{Find,Replace} " + std::string(64, 'z')},
    };
    for (const auto& c : cases) EXPECT_EQ(Shape(BuildWindowTree(kDesktop, c.show)), c.shape);
}

TEST(WindowTree, AcceptingTheChoice) {
    const struct {
        WindowChoice choice;
        std::optional<std::string> file;
        std::string caption;
    } cases[] = {
        {{"C:\\ed.exe", "Untitled - Ed"}, "ed.exe", "Untitled - Ed"},
        {{"ed.exe", "Hello, world"}, "ed.exe", "Hello  world"},
        {{"", "Untitled - Ed"}, std::nullopt, ""},
        {{"C:\\Tools\\", "Untitled - Ed"}, std::nullopt, ""},
        {{std::string(90, 'f'), std::string(40, 'c')}, std::string(80, 'f'), std::string(30, 'c')},
        {{"C:\\" + std::string(71, 'p') + "\\devenv.exe", "IDE"}, "devenv.exe", "IDE"},  // 84 characters
    };
    for (const auto& c : cases) {
        const WindowChoiceOutcome outcome = AcceptWindowChoice(c.choice);
        ASSERT_EQ(outcome.accepted.has_value(), c.file.has_value()) << c.choice.caption;
        if (outcome.accepted) {
            EXPECT_EQ(outcome.accepted->fileName, *c.file);
            EXPECT_EQ(outcome.accepted->caption, c.caption);
        } else {
            EXPECT_EQ(outcome.refusal, kSpecifyExecutable);
        }
    }
    EXPECT_EQ(kSpecifyExecutable.text, "Please specify the executable of the application!");
    EXPECT_EQ(kSpecifyExecutable.caption, "Close dialog");
}

}  // namespace
