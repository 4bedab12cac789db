#include "core/Paths.h"

#include "core/Text.h"

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
