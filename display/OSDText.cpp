#include "OSDText.h"

#include "Text.h"

std::string OSDTextOf(const char* text) { return std::string(FixedText(text, kOSDTextSize)); }
