#include "core/LaunchElement.h"

#include "core/CommandList.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace {

// A drive path such as D:\Media; a UNC path (\\server\share) after an
// option letter is no drive, so LAUNCH:I:\\server\app.exe keeps its option.
bool StartsWithDrivePath(std::string_view text) {
    return text.size() >= 3 && text[1] == ':' && text[2] == '\\' && (text.size() == 3 || text[3] != '\\');
}

bool TakeOption(std::string_view& rest, char letter) {
    if (rest.size() < 2 || rest[0] != letter || rest[1] != ':' || StartsWithDrivePath(rest)) return false;
    rest.remove_prefix(2);
    return true;
}

// Where the file name ends: after an executable's extension that closes a
// word, so that dots inside folder names and web addresses do not end it.
std::size_t FileNameEnd(std::string_view rest) {
    const std::string upper = ToUpperAscii(rest);
    for (std::string_view extension : {".EXE", ".COM", ".BAT"}) {
        for (std::size_t at = upper.find(extension); at != std::string::npos;
             at = upper.find(extension, at + 1)) {
            const std::size_t end = at + extension.size();
            if (end == upper.size() || upper[end] == ' ') return end;
        }
    }
    return rest.size();
}

}  // namespace

LaunchElement SplitLaunch(std::string_view element, LaunchFolder folder) {
    LaunchElement launch;
    std::optional<std::string_view> rest = TextAfter(element, kLaunchPrefix);
    if (!rest) return launch;
    launch.deactivate = TakeOption(*rest, 'D');
    launch.oneInstance = TakeOption(*rest, 'I');
    const std::size_t end = FileNameEnd(*rest);
    launch.file = TrimBlanks(rest->substr(0, end));
    launch.parameters = TrimBlanks(rest->substr(end));
    if (folder == LaunchFolder::Strip) launch.file = FileNameOf(launch.file);
    return launch;
}

std::string WriteLaunchElement(const LaunchElement& launch) {
    std::string element = "LAUNCH";
    if (launch.deactivate) element += ":D";
    if (launch.oneInstance) element += ":I";
    element += ':';
    element += launch.file;
    element += ' ';
    element += launch.parameters;
    return std::string(TrimBlanks(element));
}
