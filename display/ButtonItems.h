// The items a panel button can run, as its properties dialog lists them:
// each group followed by its macros, then the general macros, each entry
// carrying the number of its item's ID.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct ItemName {
    std::string id;
    std::string name;
};

struct GroupItems {
    ItemName group;
    std::vector<ItemName> macros;
};

struct ButtonItem {
    std::string text;
    int number;
};

std::vector<ButtonItem> ButtonItemList(const std::vector<GroupItems>& groups,
                                       const std::vector<ItemName>& generalMacros);

// The ID that picking the entry assigns: "A" and the number for a group
// (an entry whose text begins with "Group"), otherwise "M" and the number,
// cut to 5 characters.
std::string ButtonItemID(const ButtonItem& item);

// The entry whose ID is the button's; -1 when none is.
int FindButtonItem(const std::vector<ButtonItem>& items, std::string_view id);
