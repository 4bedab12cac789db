#include "display/ShowLearnModel.h"

std::string LearntCommandsTitle(std::string_view name) { return "Learnt commands of " + std::string(name); }

std::vector<std::string> LearntCommandLines(std::string_view learnt) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : learnt) {
        if (c != ',' && c != ';') {
            line += c;
            continue;
        }
        lines.push_back(std::move(line));
        line.clear();
        if (c == ';') lines.emplace_back();
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}
