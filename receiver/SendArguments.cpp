#include "receiver/SendArguments.h"

#include "receiver/LocalProtocol.h"

const char* const kSendUsage =
    "usage: tovsend [--hold <ms>] <command>...\n"
    "Presses each command in turn on the Tovanix local receiver.\n"
    "  --hold <ms>  hold each button for <ms> milliseconds (0 to 60000),\n"
    "               repeating it every 110 ms as a remote control does\n"
    "  --           the arguments that follow are commands\n"
    "Exit codes: 0 sent, 1 bad arguments, 2 no Tovanix receiver listening,\n"
    "3 the receiver went away while sending, 4 other programs kept the receiver busy.\n";

namespace {

bool ParseMilliseconds(const std::string& text, int& value) {
    if (text.empty() || text.size() > 5) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= kMaxHoldMs;
}

}  // namespace

SendRequest ParseSendArguments(const std::vector<std::string>& arguments) {
    SendRequest request;
    bool options = true;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (options && (argument == "-h" || argument == "--help")) {
            request.help = true;
        } else if (options && argument == "--hold") {
            if (i + 1 == arguments.size() || !ParseMilliseconds(arguments[i + 1], request.holdMs)) {
                request.error = "--hold needs a number of milliseconds from 0 to 60000";
                return request;
            }
            ++i;
        } else if (options && argument == "--") {
            options = false;
        } else if (options && argument.size() > 1 && argument[0] == '-' && argument[1] == '-') {
            request.error = "unknown option " + argument;
            return request;
        } else {
            const std::string problem = CheckLocalCommand(argument);
            if (!problem.empty()) {
                request.error = problem + ": " + argument;
                return request;
            }
            request.commands.push_back(argument);
        }
    }
    if (!request.help && request.commands.empty()) request.error = "no command given";
    return request;
}
