#include "HoldMark.h"

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
    std::string readable;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = command.find(';', start);
        const MarkedCommand button = SplitHoldMark(command.substr(start, end - start));
        readable += button.mark == HoldMark::Hold ? button.button + " (held)" : button.button;
        if (end == std::string::npos) return readable;
        readable += ';';
        start = end + 1;
    }
}
