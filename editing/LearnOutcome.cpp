#include "editing/LearnOutcome.h"

#include <string>

std::optional<std::string> LearnTitle(EditStore& store, const char* id) {
    if (const TBGroupRecord* group = store.getBGroup(id))
        return "Learn " + std::string(FieldText(group->Name));
    const TMacroRecord* macro = store.getMacro(id);
    if (!macro) return std::nullopt;
    std::string title = "Learn ";
    // A macro whose group has gone shows its own name only.
    if (const TBGroupRecord* owner = store.getBGroup(macro->AppID)) {
        title += FieldText(owner->Name);
        title += '/';
    }
    return title + std::string(FieldText(macro->Name));
}

int StoreLearnt(EditStore& store, const char* id, LearnEnd end, std::string_view learnt) {
    if (end == LearnEnd::CancelBatch) return kBatchCancelled;
    if (end != LearnEnd::Ok || learnt.empty()) return kNotLearnt;
    const std::string command(learnt.substr(0, kMaxLearntLength));
    if (!store.checkIRCommandConflict(id, command.c_str())) return kNotLearnt;
    if (TMacroRecord* macro = store.getMacro(id)) {
        CopyText(macro->IRCommand, command);
        return kLearnt;
    }
    if (TBGroupRecord* group = store.getBGroup(id)) {
        CopyText(group->IRCommand, command);
        return kLearnt;
    }
    return kNotLearnt;
}
