#include "receiver/IRCommandText.h"

std::string MakeIRCommand(std::string_view text) {
    std::string command(text.substr(0, kMaxIRCommandLength));
    for (char& c : command) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == ';' || c == ',' || u < 0x20 || u == 0x7f) c = '_';
    }
    return command;
}
