// Writes its arguments, one a line, to the file named by TOVANIX_RECORD_FILE.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* file = std::getenv("TOVANIX_RECORD_FILE");
    if (!file) return 2;
    FILE* out = std::fopen(file, "wb");
    if (!out) return 3;
    for (int i = 1; i < argc; ++i) std::fprintf(out, "%s\n", argv[i]);
    std::fclose(out);
    return 0;
}
