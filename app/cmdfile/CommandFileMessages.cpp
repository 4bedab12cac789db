#include "app/cmdfile/CommandFileMessages.h"

#include <string_view>

#include "store/ItemIDs.h"

namespace {

// 100000 as "100,000".
std::string Count(std::size_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

const std::string kLimit =
    "at most " + Count(kMaxItemNumber) + " button groups and " + Count(kMaxItemNumber) + " macros";

// An ID as the file writes it, short enough for a message; a control
// character (a zero byte would end the message there) shows as "?".
std::string Written(std::string_view id) {
    if (id.empty()) return "(no ID)";
    std::string shown(id.substr(0, 12));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return id.size() <= 12 ? shown : shown + "...";
}

std::string ChangeLine(const IDChange& change) {
    std::string line = change.group ? "Button group " : "Macro ";
    line += change.name.empty() ? "without a name" : "\"" + change.name + "\"";
    line += ": " + Written(change.from) + " is now " + change.to;
    if (change.taken) line += " (" + Written(change.from) + " belongs to an earlier item)";
    return line + "\n";
}

std::string ChangedIDsText(const LoadReport& report, const std::string& path) {
    const auto& changes = report.changedIDs;
    std::string text =
        "Some IDs in \"" + path + "\" were changed so that every item has an ID of its own:\n\n";
    for (std::size_t i = 0; i < changes.size() && i < kListedIDChanges; ++i) text += ChangeLine(changes[i]);
    if (changes.size() > kListedIDChanges)
        text += "... and " + Count(changes.size() - kListedIDChanges) + " more.\n";
    text += "\nEvery macro stays in its group and every group keeps its start macro.";
    if (report.itemsNotLoaded == 0) text += " The file is saved with the new IDs at the next change.";
    return text;
}

std::string MadeGeneralText(const LoadReport& report, const std::string& path) {
    const auto& macros = report.madeGeneral;
    std::string text = "These macros belong to a button group that \"" + path +
                       "\" does not hold. They are now general macros, which you can move or delete:\n\n";
    for (std::size_t i = 0; i < macros.size() && i < kListedIDChanges; ++i) {
        const MacroMadeGeneral& macro = macros[i];
        text += "Macro " + (macro.name.empty() ? std::string("without a name") : "\"" + macro.name + "\"") +
                " (" + macro.id + "): group " + Written(macro.group) + "\n";
    }
    if (macros.size() > kListedIDChanges)
        text += "... and " + Count(macros.size() - kListedIDChanges) + " more.\n";
    if (report.itemsNotLoaded == 0)
        text += "\nThe file is saved with them as general macros at the next change.";
    return text;
}

std::string NotLoadedText(const LoadReport& report, const std::string& path) {
    return "\"" + path + "\" holds " + Count(report.itemsInFile) + " items, more than Tovanix can keep (" +
           kLimit + "). " + Count(report.itemsNotLoaded) +
           " items were not loaded.\n\nTovanix does not save your changes over this file unless you allow "
           "it, so that these items are not lost.";
}

std::string UnreadableText(const std::string& path, bool fromUser) {
    if (fromUser) return "\"" + path + "\" could not be read: nothing was imported.";
    return "\"" + path +
           "\" could not be read; another program may be holding it open. Tovanix starts without "
           "its items.\n\nTovanix does not save your changes over this file unless you allow it, so that its "
           "items are not lost.";
}

std::string NotImportedText(const LoadReport& report, const std::string& path) {
    return Count(report.itemsNotLoaded) + " of the " + Count(report.itemsInFile) + " items in \"" + path +
           "\" could not be imported: Tovanix keeps " + kLimit + ".";
}

}  // namespace

std::string LoadMessage(const LoadReport& report, const std::string& path, bool fromUser) {
    if (report.unreadable) return UnreadableText(path, fromUser);
    if (fromUser) return report.itemsNotLoaded == 0 ? "" : NotImportedText(report, path);
    std::string text;
    if (report.itemsNotLoaded > 0) text = NotLoadedText(report, path);
    if (!report.changedIDs.empty()) text += (text.empty() ? "" : "\n\n") + ChangedIDsText(report, path);
    if (!report.madeGeneral.empty()) text += (text.empty() ? "" : "\n\n") + MadeGeneralText(report, path);
    return text;
}

std::string OverwriteQuestion(const LoadReport& report, const std::string& path) {
    std::string lost;
    if (report.unreadable)
        lost =
            "\"" + path +
            "\" could not be read when Tovanix started. Saving your changes would replace the items in it.";
    else if (report.itemsNotLoaded > 0)
        lost = "\"" + path + "\" holds " + Count(report.itemsNotLoaded) +
               " items that Tovanix could not load. Saving your changes would remove them from the file.";
    else
        return "";
    return lost +
           "\n\n"
           "Save anyway?\n"
           "Yes: the file then holds only the items that Tovanix has loaded.\n"
           "No: the file stays as it is; your changes last until Tovanix ends.";
}
