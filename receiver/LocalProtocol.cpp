#include "receiver/LocalProtocol.h"

#include <climits>

#include "receiver/IRCommandText.h"

namespace {
constexpr std::string_view kPress = "press ";
}

std::string FormatLocalPress(const LocalPress& press) {
    return std::string(kPress) + std::to_string(press.repeatCount) + " " + press.command + "\n";
}

std::optional<LocalPress> ParseLocalPress(std::string_view line) {
    if (line.substr(0, kPress.size()) != kPress) return std::nullopt;
    line.remove_prefix(kPress.size());
    const std::size_t space = line.find(' ');
    if (space == 0 || space == std::string_view::npos || space > 9) return std::nullopt;
    LocalPress press;
    for (char c : line.substr(0, space)) {
        if (c < '0' || c > '9') return std::nullopt;
        press.repeatCount = press.repeatCount * 10 + (c - '0');
    }
    press.command = line.substr(space + 1);
    if (!CheckLocalCommand(press.command).empty()) return std::nullopt;
    return press;
}

std::string CheckLocalCommand(std::string_view command) {
    if (command.empty()) return "an empty command cannot be sent";
    if (command.size() > kMaxIRCommandLength) return "a command has at most 128 characters";
    if (MakeIRCommand(command) != command)
        return "a command cannot contain \";\", \",\" or control characters";
    return "";
}

void LocalReader::Feed(std::string_view data, const std::function<void(const LocalPress&)>& press) {
    lines_.Feed(data, [&](std::string_view line) {
        if (std::optional<LocalPress> parsed = ParseLocalPress(line)) press(*parsed);
    });
}
