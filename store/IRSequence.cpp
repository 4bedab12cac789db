#include "store/IRSequence.h"

#include <algorithm>

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

Sequence ParseSequence(std::string_view text) {
    Sequence sequence;
    for (const std::string_view part : Split(text, ';')) {
        Button& button = sequence.emplace_back();
        for (const std::string_view variant : Split(part, ',')) {
            if (!variant.empty()) button.emplace_back(variant);
        }
    }
    return sequence;
}

bool Accepts(const Button& button, std::string_view received) {
    return std::find(button.begin(), button.end(), received) != button.end();
}

bool StartsWith(const Sequence& item, const std::vector<std::string_view>& received) {
    return item.size() >= received.size() &&
           std::equal(received.begin(), received.end(), item.begin(),
                      [](std::string_view text, const Button& button) { return Accepts(button, text); });
}

bool Clash(const Sequence& a, const Sequence& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](const Button& x, const Button& y) {
               return std::any_of(x.begin(), x.end(),
                                  [&](const std::string& variant) { return Accepts(y, variant); });
           });
}
