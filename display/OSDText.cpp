#include "display/OSDText.h"

#include "core/Text.h"

std::string OSDTextOf(const char* text) { return std::string(FixedText(text, kOSDTextSize)); }
