#include "app/mainrules/TreeRules.h"

#include <algorithm>
#include <cstring>

#include "core/Text.h"

int NodeImage(const TBGroupRecord& group) {
    if (group.Disabled) return kGroupDisabled;
    return FieldText(group.IRCommand).empty() ? kGroupUnlearnt : kGroupLearnt;
}

int NodeImage(const TMacroRecord& macro) {
    const bool learnt = !FieldText(macro.IRCommand).empty();
    if (macro.Hidden) {
        if (macro.Disabled) return kHiddenMacroDisabled;
        return learnt ? kHiddenMacroLearnt : kHiddenMacroUnlearnt;
    }
    if (macro.Disabled) return kMacroDisabled;
    return learnt ? kMacroLearnt : kMacroUnlearnt;
}

char NodeKind(const char* id) {
    if (!id) return 0;
    const std::string_view text = FixedText(id, kItemIDSize);
    if (text.find('A') != std::string_view::npos) return 'A';
    if (text.find('M') != std::string_view::npos) return 'M';
    return 0;
}

int CompareNodes(char kind1, std::string_view text1, char kind2, std::string_view text2) {
    if (kind1 != kind2) return kind1 == 'A' ? -1 : kind2 == 'A' ? 1 : 0;
    const std::string upper1 = ToUpperAscii(text1);
    const std::string upper2 = ToUpperAscii(text2);
    // Byte by byte, as unsigned characters.
    const int order = std::memcmp(upper1.data(), upper2.data(), std::min(upper1.size(), upper2.size()));
    if (order != 0) return order;
    return upper1.size() < upper2.size() ? -1 : upper1.size() > upper2.size() ? 1 : 0;
}
