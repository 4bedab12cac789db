#include "LircProtocol.h"

#include <climits>
#include <vector>

namespace {

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
        const std::size_t end = line.find_first_of(" \t", at);
        fields.push_back(line.substr(at, end - at));
        if (end == std::string_view::npos) break;
        at = end;
    }
    return fields;
}

// A hexadecimal number of 1 to maxDigits digits.
std::optional<unsigned long long> Hex(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    unsigned long long value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace

std::optional<LircPress> ParseLircLine(std::string_view line) {
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != 4 || !Hex(fields[0], 16)) return std::nullopt;
    const std::optional<unsigned long long> repeat = Hex(fields[1], 8);
    if (!repeat) return std::nullopt;
    LircPress press;
    press.button = fields[2];
    press.remote = fields[3];
    press.repeatCount = *repeat > INT_MAX ? INT_MAX : static_cast<int>(*repeat);
    return press;
}

std::string LircCommand(const LircPress& press) { return press.remote + "." + press.button; }

void LircReader::Feed(std::string_view data, const std::function<void(const LircPress&)>& press) {
    lines_.Feed(data, [&](std::string_view line) {
        if (inReply_) {
            inReply_ = line != "END";
        } else if (line == "BEGIN") {
            inReply_ = true;
        } else if (std::optional<LircPress> parsed = ParseLircLine(line)) {
            press(*parsed);
        }
    });
}
