#include "core/CommandList.h"

#include <algorithm>

namespace {
constexpr char kSeparator = ',';
constexpr std::string_view kRepeatWord = "REPEAT";
}  // namespace

CommandList ReadCommandList(std::string_view text) {
    const std::optional<std::string_view> afterWord = TextAfter(text, kRepeatWord);
    if (afterWord && afterWord->empty()) return {true, ""};
    if (afterWord && afterWord->front() == kSeparator) return {true, std::string(afterWord->substr(1))};
    return {false, std::string(text)};
}

std::string WriteCommandList(const CommandList& list) {
    if (!list.repeat) return list.body;
    return std::string(kRepeatWord) + kSeparator + list.body;
}

int CountCommands(std::string_view body) {
    if (body.empty()) return 0;
    return 1 + static_cast<int>(std::count(body.begin(), body.end(), kSeparator));
}

std::vector<std::string> SplitCommands(std::string_view body) {
    std::vector<std::string> elements;
    if (body.empty()) return elements;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = body.find(kSeparator, start);
        if (comma == std::string_view::npos) {
            elements.emplace_back(body.substr(start));
            return elements;
        }
        elements.emplace_back(body.substr(start, comma - start));
        start = comma + 1;
    }
}

std::optional<std::string> CommandAt(std::string_view body, int index) {
    if (index < 0 || index >= CountCommands(body)) return std::nullopt;
    return SplitCommands(body)[static_cast<std::size_t>(index)];
}

std::string CommasToBlanks(std::string_view text) {
    std::string blanks(text);
    std::replace(blanks.begin(), blanks.end(), kSeparator, ' ');
    return blanks;
}

std::string JoinCommands(const std::vector<std::string>& elements) {
    std::string list;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (i > 0) list += kSeparator;
        list += elements[i];
    }
    return list;
}

std::optional<std::string_view> TextAfter(std::string_view element, std::string_view prefix) {
    if (!StartsWith(element, prefix)) return std::nullopt;
    return element.substr(prefix.size());
}
