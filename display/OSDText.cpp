#include "OSDText.h"

#include <cstring>

std::string OSDTextOf(const char* text) {
    if (!text) return "";
    return std::string(text, strnlen(text, kOSDTextSize - 1));
}
