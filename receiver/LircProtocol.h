// The line protocol of lircd and WinLIRC: the server sends one line per
// decoded press to every client,
//     <code, hex> <repeat count, hex> <button> <remote>
// e.g. "000000008001006c 00 KEY_DOWN devinput", with the count going up while
// the button is held. Replies to commands come as blocks from BEGIN to END.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "LineSplitter.h"

struct LircPress {
    std::string remote;
    std::string button;
    int repeatCount = 0;
};

// A press line, or nothing for any other line.
std::optional<LircPress> ParseLircLine(std::string_view line);

// The IR command of a press: "<remote>.<button>".
std::string LircCommand(const LircPress& press);

// Reads the stream of one connection: presses out, reply blocks and
// malformed or over-long lines skipped.
class LircReader {
  public:
    static constexpr std::size_t kMaxLineLength = 512;

    void Feed(std::string_view data, const std::function<void(const LircPress&)>& press);

  private:
    LineSplitter lines_{kMaxLineLength};
    bool inReply_ = false;
};
