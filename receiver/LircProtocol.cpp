#include "receiver/LircProtocol.h"

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

// A decimal number from 0 to maximum.
std::optional<unsigned long> Decimal(std::string_view text, unsigned long maximum) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > maximum) return std::nullopt;
    return static_cast<unsigned long>(value);
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

bool LircReader::InReply(std::string_view line) {
    const Reply state = reply_;
    reply_ = Reply::kNone;
    switch (state) {
        case Reply::kNone:
            return false;
        case Reply::kCommand:
            // Tovanix sends no commands, so no reply it gets echoes one that
            // looks like a press: such a line is a press after a stray BEGIN.
            if (ParseLircLine(line)) return false;
            reply_ = Reply::kStatus;
            return true;
        case Reply::kStatus:
            if (line == "END") return true;
            if (line != "SUCCESS" && line != "ERROR") return false;
            reply_ = Reply::kDataOrEnd;
            return true;
        case Reply::kDataOrEnd:
            if (line == "END") return true;
            if (line != "DATA") return false;
            reply_ = Reply::kCount;
            return true;
        case Reply::kCount: {
            const std::optional<unsigned long> count = Decimal(line, kMaxDataLines);
            if (!count) return false;
            dataLeft_ = *count;
            reply_ = dataLeft_ > 0 ? Reply::kData : Reply::kEnd;
            return true;
        }
        case Reply::kData:
            reply_ = --dataLeft_ > 0 ? Reply::kData : Reply::kEnd;
            return true;
        case Reply::kEnd:
            return line == "END";
    }
    return false;
}

void LircReader::Feed(std::string_view data, const std::function<void(const LircPress&)>& press) {
    lines_.Feed(data, [&](std::string_view line) {
        sawLine_ = true;
        if (InReply(line)) return;
        if (line == "BEGIN") {
            reply_ = Reply::kCommand;
        } else if (std::optional<LircPress> parsed = ParseLircLine(line)) {
            press(*parsed);
        }
    });
}
