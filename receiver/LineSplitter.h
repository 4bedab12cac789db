// Cuts a byte stream into lines with a bounded buffer: a line longer than
// the limit is dropped whole, so a faulty peer cannot make it grow.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class LineSplitter {
  public:
    explicit LineSplitter(std::size_t maxLength) : maxLength_(maxLength) {}

    // Calls line for each complete line in data (without "\n" or a "\r"
    // before it); a partial line is kept for the next call.
    void Feed(std::string_view data, const std::function<void(std::string_view)>& line);

  private:
    const std::size_t maxLength_;
    std::string buffer_;
    bool overlong_ = false;
};
