#include "display/ButtonListMessages.h"

#include "display/ButtonList.h"

namespace {
const char* const kNotSavedOver =
    "\n\nTovanix does not save the panel over this file unless you allow it, so that nothing in it is lost.";
}  // namespace

std::string ButtonListNotice(ButtonListFound found, std::size_t entries, const std::string& path) {
    switch (found) {
        case ButtonListFound::Unreadable:
            return "\"" + path +
                   "\" could not be read; another program may be holding it open. The button panel opens "
                   "without its buttons." +
                   kNotSavedOver;
        case ButtonListFound::NothingRead:
            return "\"" + path +
                   "\" holds no button that Tovanix can read: each button starts with a line \"ID:\" and its "
                   "number, and every key is written in capitals. The button panel opens without buttons." +
                   kNotSavedOver;
        default:
            if (entries <= kMaxPanelButtons) return "";
            return "\"" + path + "\" holds " + std::to_string(entries) +
                   " buttons; the button panel shows the first " + std::to_string(kMaxPanelButtons) +
                   ". The others stay in the file as they are.";
    }
}

std::string ButtonListOverwriteQuestion(const std::string& path) {
    return "\"" + path +
           "\" could not be read when the button panel opened. Saving the panel would replace what the file "
           "holds.\n\n"
           "Save anyway?\n"
           "Yes: the file then holds only the panel's buttons.\n"
           "No: the file stays as it is; your changes to the panel are not kept.";
}
