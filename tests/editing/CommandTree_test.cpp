#include "editing/CommandTree.h"

#include <gtest/gtest.h>

#include <map>

#include "editing/PluginList.h"

namespace {

using Names = std::vector<std::string>;

TEST(CommandTree, CategoriesAndTheirCommandsInOrder) {
    const std::vector<CommandCategory> tree =
        BuildCommandTree({{"Media keys", "mediakeys.dll"}, {"Lights, dim", "L.DLL"}});
    Names categories;
    for (const CommandCategory& category : tree) categories.push_back(category.name);
    EXPECT_EQ(categories, (Names{"Keys", "Mouse", "Tovanix", "Volume", "Windows", "Files", "Utilities",
                                 "Custom commands"}));

    // The named keys from BACKSPACE (8) to F12 (123), then the key dialog.
    const Names& keys = tree[0].commands;
    ASSERT_EQ(keys.size(), 43u);
    const Names someKeys{keys[0],  keys[3],  keys[15], keys[16], keys[26],
                         keys[29], keys[30], keys[41], keys[42]};
    EXPECT_EQ(someKeys, (Names{"BACKSPACE", "PAUSE/BREAK", "DELETE", "NUMPAD-0", "NUMPAD *", "NUMPAD /", "F1",
                               "F12", "Custom key/text..."}));
    EXPECT_EQ(tree[1].commands, (Names{"LBUTTON-CLICK", "RBUTTON-CLICK", "MBUTTON-CLICK", "LBUTTON-DBLCLICK",
                                       "RBUTTON-DBLCLICK", "MBUTTON-DBLCLICK", "MOUSE-UP", "MOUSE-DOWN",
                                       "MOUSE-LEFT", "MOUSE-RIGHT", "Mouse click to location..."}));
    EXPECT_EQ(tree[2].commands,
              (Names{"Activate Tovanix", "Deactivate Tovanix", "Run macro...", "Activate button group..."}));
    EXPECT_EQ(tree[3].commands, (Names{"Volume up", "Volume down", "Toggle mute"}));
    EXPECT_EQ(tree[4].commands,
              (Names{"Maximize window", "Minimize window", "Restore window", "Exit Windows",
                     "Send message...", "Windows (Start) key down", "Windows (Start) key up"}));
    EXPECT_EQ(tree[5].commands, (Names{"Launch file..."}));
    EXPECT_EQ(tree[6].commands, (Names{"Pause..."}));
    EXPECT_EQ(tree[7].commands, (Names{"Media keys", "Lights  dim"}));
    EXPECT_TRUE(BuildCommandTree({}).back().commands.empty());
}

// Every command of the tree: what Add does, with Ctrl and Shift ticked.
TEST(CommandTree, AddRequestOfEveryCommand) {
    const std::string plugins = "Media keys:mediakeys.dll,ENTER key:enter.dll";
    const std::map<std::string, AddRequest> special{
        {"Custom key/text...", {AddKind::CustomKey, "", ""}},
        {"Mouse click to location...", {AddKind::ClickToLocation, "", ""}},
        {"Pause...", {AddKind::Pause, "", ""}},
        {"Activate Tovanix", {AddKind::Token, "Activate COM port", ""}},
        {"Deactivate Tovanix", {AddKind::Token, "Deactivate COM port", ""}},
        {"Exit Windows", {AddKind::Token, "EXIT", ""}},
        {"Launch file...", {AddKind::Launch, "", ""}},
        {"Run macro...", {AddKind::RunMacro, "", ""}},
        {"Activate button group...", {AddKind::ActivateGroup, "", ""}},
        {"Send message...", {AddKind::SendMessage, "", ""}},
        {"Windows (Start) key down", {AddKind::Token, "STARTDOWN", ""}},
        {"Windows (Start) key up", {AddKind::Token, "STARTUP", ""}},
        {"Media keys", {AddKind::Plugin, "", "mediakeys"}},
        {"ENTER key", {AddKind::Plugin, "", "enter"}},
        // Mouse moves and the commands without parameters take no modifiers.
        {"MOUSE-UP", {AddKind::Token, "MOUSE-UP", ""}},
        {"MOUSE-DOWN", {AddKind::Token, "MOUSE-DOWN", ""}},
        {"MOUSE-LEFT", {AddKind::Token, "MOUSE-LEFT", ""}},
        {"MOUSE-RIGHT", {AddKind::Token, "MOUSE-RIGHT", ""}},
        {"Volume up", {AddKind::Token, "Volume up", ""}},
        {"Volume down", {AddKind::Token, "Volume down", ""}},
        {"Toggle mute", {AddKind::Token, "Toggle mute", ""}},
        {"Maximize window", {AddKind::Token, "Maximize window", ""}},
        {"Minimize window", {AddKind::Token, "Minimize window", ""}},
        {"Restore window", {AddKind::Token, "Restore window", ""}},
    };
    int keysWithModifiers = 0;
    for (const CommandCategory& category : BuildCommandTree(ReadPluginList(plugins))) {
        for (const std::string& command : category.commands) {
            const AddRequest request = AddRequestFor(command, plugins, "CTRL+SHIFT+");
            const auto found = special.find(command);
            // Keys and the six button clicks: the modifiers and the name.
            const AddRequest expected = found != special.end()
                                            ? found->second
                                            : AddRequest{AddKind::Token, "CTRL+SHIFT+" + command, ""};
            if (found == special.end()) ++keysWithModifiers;
            EXPECT_EQ(request.kind, expected.kind) << command;
            EXPECT_EQ(request.token, expected.token) << command;
            EXPECT_EQ(request.pluginBase, expected.pluginBase) << command;
            EXPECT_EQ(TakesModifiers(command), found == special.end()) << command;
        }
    }
    EXPECT_EQ(keysWithModifiers, 42 + 6);
}

TEST(CommandTree, PluginsAreFoundByTheirWholeName) {
    const std::string plugins = "Media keys:mediakeys.dll,ENTER key:Enter.Key.DLL,a:b:x.dll";
    const struct {
        const char* text;
        AddKind kind;
        const char* base;
    } cases[] = {
        {"Media keys", AddKind::Plugin, "mediakeys"},
        {"ENTER key", AddKind::Plugin, "Enter"},  // the base ends at the first full stop
        {"a:b", AddKind::Plugin, "x"},            // the file follows the last colon
        {"Media", AddKind::Token, ""},            // a part of a name is no plug-in
        {"ENTER", AddKind::Token, ""},            // nor is a key name inside an entry
        {"media keys", AddKind::Token, ""},       // letter case counts
    };
    for (const auto& c : cases) {
        const AddRequest request = AddRequestFor(c.text, plugins, "");
        EXPECT_EQ(request.kind, c.kind) << c.text;
        EXPECT_EQ(request.pluginBase, c.base) << c.text;
    }
}

TEST(PluginList, WrittenAndReadBack) {
    const std::vector<PluginEntry> plugins{{"Player control", "PLAYCTL.DLL"}, {"Lights, dim", "lights.dll"}};
    const std::string list = WritePluginList(plugins);
    EXPECT_EQ(list, "Player control:PLAYCTL.DLL,Lights  dim:lights.dll");
    const std::vector<PluginEntry> read = ReadPluginList(list);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].name, "Lights  dim");
    EXPECT_EQ(read[1].file, "lights.dll");
    EXPECT_EQ(WritePluginList({}), "");
    EXPECT_TRUE(ReadPluginList("").empty());
    EXPECT_EQ(ReadPluginList("no colon,A:a.dll").size(), 1u);

    const struct {
        const char* file;
        bool plugin;
    } files[] = {{"MEDIAKEYS.DLL", true},
                 {"RX95.DLL", false},
                 {"rxnt.dll", false},
                 {"MYRXNT.DLL", false},
                 {"RXNTX.DLL", true}};
    for (const auto& f : files) EXPECT_EQ(MayBePlugin(f.file), f.plugin) << f.file;

    EXPECT_EQ(PluginToken("mediakeys", "NEXT"), "mediakeys:NEXT");
    EXPECT_EQ(PluginToken("mediakeys", ""), "");
}

}  // namespace
