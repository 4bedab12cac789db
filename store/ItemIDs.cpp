#include "store/ItemIDs.h"

#include "core/Records.h"

int IDNumber(const char* id, char letter) {
    TItemID text;
    CopyItemID(text, id);
    return text[1] == '0' ? 0 : WrittenIDNumber(FieldText(text), letter);
}

int WrittenIDNumber(std::string_view text, char letter) {
    if (text.size() < 2 || text[0] != letter) return 0;
    int number = 0;
    for (const char digit : text.substr(1)) {
        if (digit < '0' || digit > '9') return 0;
        number = number * 10 + (digit - '0');
        if (number > kMaxItemNumber) return 0;
    }
    return number;
}

std::string MakeID(char letter, int number) { return letter + std::to_string(number); }
