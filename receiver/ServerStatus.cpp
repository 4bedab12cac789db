#include "receiver/ServerStatus.h"

std::string ServerAddress(std::string_view host, std::string_view port) {
    const bool ipv6 = host.find(':') != std::string_view::npos;
    return (ipv6 ? "[" + std::string(host) + "]" : std::string(host)) + ":" + std::string(port);
}

std::optional<std::string> ServerStatus::Unreachable() {
    if (lossTold_) return std::nullopt;
    lossTold_ = true;
    return "Tovanix cannot reach the IR receiver server at " + address_ + ".";
}

std::optional<std::string> ServerStatus::Connected() {
    if (!lossTold_) return std::nullopt;
    lossTold_ = false;
    return "Tovanix is connected to the IR receiver server at " + address_ + " again.";
}
