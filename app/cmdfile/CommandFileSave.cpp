// Writing items to text: the default file and exports.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/cmdfile/CommandFile.h"
#include "app/cmdfile/CommandFileWriter.h"

namespace {

std::string ExportedMacroText(const TMacroRecord& stored) {
    TMacroRecord macro = stored;
    CopyText(macro.ID, "M1");
    CopyText(macro.IRCommand, "");
    std::string out;
    AppendMacroLines(out, macro);
    return out;
}

std::string ExportedGroupText(ItemStoreAccess& store, const TBGroupRecord& stored) {
    TBGroupRecord group = stored;
    CopyText(group.ID, "A1");
    CopyText(group.IRCommand, "");
    // The start macro is M1 wherever it stands among the group's macros.
    const std::string oldStartID(FieldText(stored.MacroID));
    int next = 1;
    if (!oldStartID.empty()) {
        CopyText(group.MacroID, "M1");
        next = 2;
    }
    std::string out;
    AppendGroupLines(out, group);
    int position = -1;
    while (const TMacroRecord* storedMacro = store.getNextMacro(position, stored.ID, false)) {
        TMacroRecord macro = *storedMacro;
        const bool isStart = !oldStartID.empty() && FieldText(storedMacro->ID) == oldStartID;
        CopyText(macro.ID, isStart ? std::string("M1") : "M" + std::to_string(next++));
        CopyText(macro.AppID, "A1");
        CopyText(macro.IRCommand, "");
        AppendMacroLines(out, macro);
    }
    return out;
}

}  // namespace

std::string AllItemsText(ItemStoreAccess& store) {
    // One walk over the macros rather than one per group, which would take
    // as many steps as groups times macros in a large store.
    std::unordered_map<std::string_view, std::vector<const TMacroRecord*>> macrosOf;
    int position = -1;
    while (const TMacroRecord* macro = store.getNextMacro(position, "", true))
        macrosOf[FieldText(macro->AppID)].push_back(macro);
    std::string out;
    const auto appendMacrosOf = [&](std::string_view groupID) {
        auto macros = macrosOf.find(groupID);
        if (macros == macrosOf.end()) return;
        for (const TMacroRecord* macro : macros->second) AppendMacroLines(out, *macro);
        macrosOf.erase(macros);
    };
    position = -1;
    while (const TBGroupRecord* group = store.getNextBGroup(position)) {
        AppendGroupLines(out, *group);
        appendMacrosOf(FieldText(group->ID));
    }
    appendMacrosOf("");
    // Macros of a group that the file does not hold (a hand-edited file):
    // kept, so that saving never loses an item.
    position = -1;
    while (const TMacroRecord* macro = store.getNextMacro(position, "", true))
        if (macrosOf.count(FieldText(macro->AppID))) AppendMacroLines(out, *macro);
    return out;
}

std::string ExportedItemText(ItemStoreAccess& store, const char* id) {
    TMacroRecord* macro = nullptr;
    TBGroupRecord* group = nullptr;
    if (!store.getBGroupOrMacro(id, macro, group)) return "";
    return macro ? ExportedMacroText(*macro) : ExportedGroupText(store, *group);
}
