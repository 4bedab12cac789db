#include "display/ButtonItems.h"

#include <charconv>

namespace {

// The ID without its first letter, as a whole number (0 when it is none).
int NumberOf(std::string_view id) {
    int number = 0;
    if (!id.empty()) std::from_chars(id.data() + 1, id.data() + id.size(), number);
    return number;
}

}  // namespace

std::vector<ButtonItem> ButtonItemList(const std::vector<GroupItems>& groups,
                                       const std::vector<ItemName>& generalMacros) {
    std::vector<ButtonItem> items;
    for (const GroupItems& group : groups) {
        items.push_back({"Group - " + group.group.name, NumberOf(group.group.id)});
        for (const ItemName& macro : group.macros)
            items.push_back({"  Macro - " + macro.name, NumberOf(macro.id)});
    }
    for (const ItemName& macro : generalMacros)
        items.push_back({"Macro - " + macro.name, NumberOf(macro.id)});
    return items;
}

std::string ButtonItemID(const ButtonItem& item) {
    const bool group = item.text.compare(0, 5, "Group") == 0;
    return ((group ? "A" : "M") + std::to_string(item.number)).substr(0, 5);
}

int FindButtonItem(const std::vector<ButtonItem>& items, std::string_view id) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (ButtonItemID(items[i]) == id) return static_cast<int>(i);
    return -1;
}
