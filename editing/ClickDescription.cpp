#include "editing/ClickDescription.h"

#include "core/ClickElement.h"

namespace {

const char* ButtonWord(MouseButton button) {
    return button == MouseButton::Left ? "Left" : button == MouseButton::Middle ? "Middle" : "Right";
}

const char* ActionWords(const ClickElement& click) {
    if (click.action == ClickAction::Down) return "down ";
    if (click.action == ClickAction::Up) return "up ";
    return click.count == 2 ? "double click to " : "click to ";
}

}  // namespace

std::string describeClickCommand(std::string_view token) {
    const std::optional<ClickElement> click = ReadClickElement(token);
    if (!click) return {};
    std::string text = ButtonWord(click->button);
    text += " mouse button ";
    text += ActionWords(*click);
    text += std::to_string(click->x) + ", " + std::to_string(click->y) + ". ";
    text += click->reference == ClickReference::Screen ? "Coordinates are in relation to whole screen."
                                                       : "Coordinates are in relation to destination window.";
    return text;
}
