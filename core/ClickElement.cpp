#include "core/ClickElement.h"

#include <string>

#include "core/CommandList.h"

namespace {

// 0-based offsets of the fixed fields.
constexpr std::size_t kXAt = 6;
constexpr std::size_t kYAt = 11;
constexpr std::size_t kCoordinateDigits = 4;
constexpr std::size_t kButtonAt = 16;
constexpr std::size_t kReferenceAt = 18;
constexpr std::size_t kFixedLength = kReferenceAt + 1;
constexpr int kMaxCoordinate = 9999;

std::optional<int> ReadCoordinate(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Whether one of the ":"-separated fields of the text is exactly wanted; only
// text after a ":" counts, never a continuation of the reference letter.
bool HasField(std::string_view text, std::string_view wanted) {
    for (std::size_t colon = text.find(':'); colon != std::string_view::npos;
         colon = text.find(':', colon + 1)) {
        const std::string_view field = text.substr(colon + 1);
        if (field.substr(0, field.find(':')) == wanted) return true;
    }
    return false;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

MouseButton ReadButton(char letter) {
    return letter == 'L' ? MouseButton::Left : letter == 'M' ? MouseButton::Middle : MouseButton::Right;
}

ClickAction ReadAction(std::string_view tail) {
    if (Contains(tail, ":CLICK")) return ClickAction::Click;
    if (Contains(tail, ":DOWN")) return ClickAction::Down;
    if (Contains(tail, ":UP")) return ClickAction::Up;
    return ClickAction::Click;
}

std::string PaddedCoordinate(int value) {
    const std::string digits = std::to_string(value);
    return std::string(kCoordinateDigits - digits.size(), '0') + digits;
}

char ButtonLetter(MouseButton button) {
    return button == MouseButton::Left ? 'L' : button == MouseButton::Middle ? 'M' : 'R';
}

std::string_view ActionWord(ClickAction action) {
    return action == ClickAction::Down ? "DOWN" : action == ClickAction::Up ? "UP" : "CLICK";
}

}  // namespace

std::optional<ClickElement> ReadClickElement(std::string_view element) {
    if (element.size() < kFixedLength || !StartsWith(element, kClickPrefix)) return std::nullopt;
    if (element[kXAt + kCoordinateDigits] != ':' || element[kYAt + kCoordinateDigits] != ':' ||
        element[kButtonAt + 1] != ':') {
        return std::nullopt;
    }
    const std::optional<int> x = ReadCoordinate(element.substr(kXAt, kCoordinateDigits));
    const std::optional<int> y = ReadCoordinate(element.substr(kYAt, kCoordinateDigits));
    if (!x || !y) return std::nullopt;

    ClickElement click;
    click.x = *x;
    click.y = *y;
    click.button = ReadButton(element[kButtonAt]);
    click.reference = element[kReferenceAt] == 'S' ? ClickReference::Screen : ClickReference::Window;
    const std::string_view tail = element.substr(kFixedLength);
    click.count = HasField(tail, "D") ? 2 : 1;
    click.action = ReadAction(tail);
    return click;
}

std::optional<std::string> WriteClickElement(const ClickElement& click) {
    if (click.x < 0 || click.x > kMaxCoordinate || click.y < 0 || click.y > kMaxCoordinate)
        return std::nullopt;
    std::string element(kClickPrefix);
    element += PaddedCoordinate(click.x) + ':' + PaddedCoordinate(click.y) + ':';
    element += ButtonLetter(click.button);
    element += ':';
    element += click.reference == ClickReference::Screen ? 'S' : 'W';
    if (click.count == 2 && click.action == ClickAction::Click) element += ":D";
    element += ':';
    element += ActionWord(click.action);
    return element;
}
