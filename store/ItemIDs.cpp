#include "ItemIDs.h"

#include "Records.h"

int IDNumber(const char* id, char letter) {
    TItemID text;
    CopyItemID(text, id);
    if (text[0] != letter || text[1] < '1' || text[1] > '9') return 0;
    int number = 0;
    for (const char* digit = text + 1; *digit != '\0'; ++digit) {
        if (*digit < '0' || *digit > '9') return 0;
        number = number * 10 + (*digit - '0');
    }
    return number;
}

std::string MakeID(char letter, int number) { return letter + std::to_string(number); }
