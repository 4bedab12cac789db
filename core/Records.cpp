#include "Records.h"

ItemKind KindOfID(const char* id) {
    if (id == nullptr) return ItemKind::None;
    switch (id[0]) {
        case 'A':
            return ItemKind::Group;
        case 'M':
            return ItemKind::Macro;
        default:
            return ItemKind::None;
    }
}

TMacroRecord FreshMacroRecord() {
    TMacroRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

TBGroupRecord FreshBGroupRecord() {
    TBGroupRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

void CopyItemID(TItemID& target, const char* id) {
    std::memset(target, 0, sizeof target);
    if (id == nullptr) return;
    for (std::size_t i = 0; i + 1 < sizeof target && id[i] != '\0'; ++i) target[i] = id[i];
}
