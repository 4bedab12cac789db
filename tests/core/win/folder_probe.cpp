// Writes two lines to the file named by its argument: the program folder as
// this program sees it, then as a library that it loads sees it.
#include <cstdio>

#include "core/Paths.h"

extern "C" __declspec(dllimport) const char* LibraryProgramFolder();

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    FILE* out = std::fopen(argv[1], "wb");
    if (!out) return 3;
    std::fprintf(out, "%s\n%s\n", ProgramFolder().c_str(), LibraryProgramFolder());
    std::fclose(out);
    return 0;
}
