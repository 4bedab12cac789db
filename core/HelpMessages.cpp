#include "core/HelpMessages.h"

namespace {
// Results of the shell's look-up of an associated program.
constexpr intptr_t kFileNotFound = 2;
constexpr intptr_t kNoAssociation = 31;
constexpr intptr_t kLastError = 32;
}  // namespace

std::optional<HelpMessage> HelpLookupMessage(intptr_t findResult) {
    if (findResult > kLastError) return std::nullopt;
    if (findResult == kNoAssociation)
        return HelpMessage{"There is no association for the HTML file type!", "Opening help"};
    if (findResult == kFileNotFound) return HelpMessage{"Help file not found!", "Help"};
    return HelpMessage{"Error finding default browser for HTML files!", "Help"};
}

HelpMessage HelpStartMessage() { return HelpMessage{"Cannot open helpfile!", "Help"}; }
