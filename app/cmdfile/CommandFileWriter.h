// Writing items in the form of the command file: one "KEY:value" line per
// stored field, in a fixed order for each kind, each line ending in CR LF.
#pragma once

#include <string>

#include "core/Records.h"

// Flags are written as "0" or "1". A line break inside a text (which no
// editor enters) is written as a blank, so that a value never spills into
// a line of its own.
void AppendGroupLines(std::string& out, const TBGroupRecord& group);
void AppendMacroLines(std::string& out, const TMacroRecord& macro);
