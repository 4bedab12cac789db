// The lines of a text file as hand editors on any system leave them.
#pragma once

#include <string_view>

// Calls line(text) for each line without its line end: CR LF, LF or CR
// alone (older Mac editors). A final line without a line end counts; the
// empty rest after a final line end does not.
template <class LineFn>
void ForEachLine(std::string_view text, LineFn line) {
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        line(text.substr(0, end));
        if (end == std::string_view::npos) return;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
}
