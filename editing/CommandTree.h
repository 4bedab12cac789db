// The macro editor's tree of commands: categories at the top, the commands
// that can be added under them, and what adding each one takes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/PluginList.h"

struct CommandCategory {
    std::string name;
    std::vector<std::string> commands;
};

inline constexpr const char* kCustomKeyCommand = "Custom key/text...";
inline constexpr const char* kCustomCommandsCategory = "Custom commands";

// "Keys", "Mouse", "Tovanix", "Volume", "Windows", "Files", "Utilities" and
// "Custom commands" with the plug-ins' display names, in this order.
std::vector<CommandCategory> BuildCommandTree(const std::vector<PluginEntry>& plugins);

// The code of a command node: the first key name equal to its text (letter
// case counts); nothing for categories, "Custom key/text..." and plug-ins.
std::optional<int> NodeCode(std::string_view text);
// Keys and the six mouse-button clicks take Ctrl, Alt and Shift.
bool TakesModifiers(std::string_view text);

// What "&Add" does for a command node.
enum class AddKind {
    Token,            // adds a token known at once (AddRequest::token)
    ClickToLocation,  // the click-position dialog, after the record is stored
    Pause,            // the parameter dialogs ...
    Launch,
    RunMacro,
    ActivateGroup,
    SendMessage,
    CustomKey,
    Plugin,  // addPlugin of the library AddRequest::pluginBase
};

struct AddRequest {
    AddKind kind = AddKind::Token;
    std::string token;       // AddKind::Token
    std::string pluginBase;  // AddKind::Plugin
};

// The request for a command node: the pseudo-commands by their text, then
// a display name of pluginList (the setting Plugins), else the command's
// own text behind the modifier prefix.
AddRequest AddRequestFor(std::string_view text, std::string_view pluginList, std::string_view modifierPrefix);
