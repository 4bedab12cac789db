#include "editing/NumberEdit.h"

#include "core/NumberFields.h"

bool ShowsAnotherNumber(const std::string& typed, int32_t kept) {
    const std::optional<int32_t> number = ParseDialogInteger(typed);
    return number && *number != kept;
}
