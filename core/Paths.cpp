#include "Paths.h"

#include <algorithm>
#include <cctype>

namespace {
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}
}  // namespace

std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ProgramFolderOf(std::string_view programFile) {
    // The whole file name must match: a program named MyTovanix.exe is
    // another program and gets no program folder.
    const std::string name = FileNameOf(programFile);
    if (!EqualIgnoringCase(name, kProgramFileName)) return "";
    return std::string(programFile.substr(0, programFile.size() - name.size()));
}
