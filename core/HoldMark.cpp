#include "core/HoldMark.h"

#include <string_view>

namespace {

constexpr std::size_t kMaxCommandLength = 128;
constexpr std::string_view kHold = "@hold";
constexpr std::string_view kRelease = "@release";

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() > end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::string WithHoldMark(const std::string& command, HoldMark mark) {
    const std::string_view text = mark == HoldMark::Release ? kRelease : mark == HoldMark::Hold ? kHold : "";
    return command.substr(0, kMaxCommandLength - text.size()) + std::string(text);
}

MarkedCommand SplitHoldMark(const std::string& command) {
    if (EndsWith(command, kHold)) return {command.substr(0, command.size() - kHold.size()), HoldMark::Hold};
    if (EndsWith(command, kRelease))
        return {command.substr(0, command.size() - kRelease.size()), HoldMark::Release};
    return {command, HoldMark::None};
}

std::string ReadableCommand(const std::string& command) {
    const MarkedCommand marked = SplitHoldMark(command);
    return marked.mark == HoldMark::Hold ? marked.button + " (held)" : command;
}
