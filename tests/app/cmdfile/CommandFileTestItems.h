// A store with items, filled the way the editors fill records, for the
// tests of saving, exporting and loading.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/cmdfile/CommandFileReader.h"
#include "store/ItemStore.h"
#include "tests/app/cmdfile/StoreAccess.h"

class CommandFileTestStore {
  public:
    ItemStore store;
    StoreAccess access{store};

    void Group(std::string_view id, std::string_view name, std::string_view command = "",
               std::string_view macroID = "") {
        TBGroupRecord group = FreshBGroupRecord();
        CopyText(group.ID, id);
        CopyText(group.Name, name);
        CopyText(group.IRCommand, command);
        CopyText(group.MacroID, macroID);
        store.addBGroup(group);
    }

    void Macro(std::string_view id, std::string_view appID, std::string_view name,
               std::string_view command = "", std::string_view commands = "ENTER") {
        TMacroRecord macro = FreshMacroRecord();
        CopyText(macro.ID, id);
        CopyText(macro.AppID, appID);
        CopyText(macro.Name, name);
        CopyText(macro.IRCommand, command);
        CopyText(macro.Commands, commands);
        macro.OSD = 1;
        store.addMacro(macro);
    }

    // Every item as "ID" for groups and "ID/AppID" for macros, groups first, in store order.
    std::vector<std::string> StoredItems() const {
        std::vector<std::string> items;
        int position = -1;
        while (const TBGroupRecord* group = store.getNextBGroup(position))
            items.emplace_back(FieldText(group->ID));
        position = -1;
        while (const TMacroRecord* macro = store.getNextMacro(position, "", true))
            items.push_back(std::string(FieldText(macro->ID)) + "/" + std::string(FieldText(macro->AppID)));
        return items;
    }

    const TMacroRecord& MacroNamed(const char* name) const {
        static const TMacroRecord none = FreshMacroRecord();
        const TMacroRecord* macro = store.findMacroByName(name);
        return macro ? *macro : none;
    }
};

// The IDs of a text's items in file order, macros as "ID/AppID".
inline std::vector<std::string> ItemsInText(std::string_view text) {
    std::vector<std::string> items;
    for (const ItemValues& item : ReadCommandFile(text))
        items.push_back(item.IsGroup() ? item[Key::ID] : item[Key::ID] + "/" + item[Key::AppID]);
    return items;
}
