// What the network receiver tells the user about its server: once when it
// cannot be reached, not at every retry, and once when it can again. The
// next loss is told after a connection was made.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// "host:port", an IPv6 address in brackets: "[::1]:8765".
std::string ServerAddress(std::string_view host, std::string_view port);

class ServerStatus {
  public:
    explicit ServerStatus(std::string address) : address_(std::move(address)) {}

    // After an attempt to connect failed: the text to tell, or nothing when
    // this loss was told already.
    std::optional<std::string> Unreachable();
    // After a connection was made: the text to tell when a loss was told.
    std::optional<std::string> Connected();

  private:
    const std::string address_;
    bool lossTold_ = false;
};
