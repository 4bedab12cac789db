// A helper for the safe-write tests: saves big texts to the file named on
// its command line, over and over, until the test kills it midway.
#include <windows.h>

#include <string>

#include "core/win/SafeFile.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string texts[] = {std::string(4 << 20, 'a'), std::string(4 << 20, 'b')};
    for (unsigned i = 0;; ++i)
        if (!WriteFileSafely(argv[1], texts[i % 2]).ok) return 1;
}
