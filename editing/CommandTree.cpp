#include "editing/CommandTree.h"

#include <initializer_list>

#include "core/CommandList.h"
#include "core/KeyNames.h"

namespace cc = command_code;

namespace {

constexpr int kFirstKeyCode = 8;
constexpr int kLastKeyCode = 123;
constexpr int kFirstModifierlessCode = 300;

// The named codes of a range, in code order.
std::vector<std::string> NamesFrom(int first, int last) {
    std::vector<std::string> names;
    for (int code = first; code <= last; ++code) {
        if (!KeyName(code).empty()) names.emplace_back(KeyName(code));
    }
    return names;
}

std::vector<std::string> NamesOf(std::initializer_list<int> codes) {
    std::vector<std::string> names;
    for (int code : codes) names.emplace_back(KeyName(code));
    return names;
}

struct PseudoCommand {
    int code;
    AddKind kind;
    std::string_view token;  // for AddKind::Token
};

constexpr PseudoCommand kPseudoCommands[] = {
    {cc::kClickToLocation, AddKind::ClickToLocation, {}},
    {cc::kPause, AddKind::Pause, {}},
    {cc::kActivateReceiver, AddKind::Token, kActivateReceiverElement},
    {cc::kDeactivateReceiver, AddKind::Token, kDeactivateReceiverElement},
    {cc::kExitWindows, AddKind::Token, kExitElement},
    {cc::kLaunchFile, AddKind::Launch, {}},
    {cc::kRunMacro, AddKind::RunMacro, {}},
    {cc::kActivateGroup, AddKind::ActivateGroup, {}},
    {cc::kSendMessage, AddKind::SendMessage, {}},
    {cc::kStartKeyDown, AddKind::Token, kStartMenuOpenElement},
    {cc::kStartKeyUp, AddKind::Token, kStartMenuCloseElement},
};

}  // namespace

std::vector<CommandCategory> BuildCommandTree(const std::vector<PluginEntry>& plugins) {
    std::vector<CommandCategory> tree{
        {"Keys", NamesFrom(kFirstKeyCode, kLastKeyCode)},
        {"Mouse", NamesFrom(cc::kLButtonClick, cc::kClickToLocation)},
        {"Tovanix",
         NamesOf({cc::kActivateReceiver, cc::kDeactivateReceiver, cc::kRunMacro, cc::kActivateGroup})},
        {"Volume", NamesOf({cc::kVolumeUp, cc::kVolumeDown, cc::kToggleMute})},
        {"Windows", NamesOf({cc::kMaximizeWindow, cc::kMinimizeWindow, cc::kRestoreWindow, cc::kExitWindows,
                             cc::kSendMessage, cc::kStartKeyDown, cc::kStartKeyUp})},
        {"Files", NamesOf({cc::kLaunchFile})},
        {"Utilities", NamesOf({cc::kPause})},
        {kCustomCommandsCategory, {}},
    };
    tree.front().commands.emplace_back(kCustomKeyCommand);
    // As WritePluginList keeps the names, so that Add finds them there.
    for (const PluginEntry& plugin : plugins) tree.back().commands.push_back(CommasToBlanks(plugin.name));
    return tree;
}

std::optional<int> NodeCode(std::string_view text) {
    const KeyNameTable& names = KeyNames();
    for (std::size_t code = 0; code < names.size(); ++code) {
        if (!text.empty() && names[code] == text) return static_cast<int>(code);
    }
    return std::nullopt;
}

bool TakesModifiers(std::string_view text) {
    const std::optional<int> code = NodeCode(text);
    return code && *code < kFirstModifierlessCode;
}

AddRequest AddRequestFor(std::string_view text, std::string_view pluginList,
                         std::string_view modifierPrefix) {
    if (const std::optional<int> code = NodeCode(text)) {
        for (const PseudoCommand& pseudo : kPseudoCommands) {
            if (pseudo.code == *code) return {pseudo.kind, std::string(pseudo.token), {}};
        }
    }
    if (text == kCustomKeyCommand) return {AddKind::CustomKey, {}, {}};
    if (std::optional<std::string> base = PluginBaseFor(pluginList, text))
        return {AddKind::Plugin, {}, *base};
    const std::string prefix = TakesModifiers(text) ? std::string(modifierPrefix) : std::string();
    return {AddKind::Token, prefix + std::string(text), {}};
}
