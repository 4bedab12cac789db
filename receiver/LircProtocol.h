// The line protocol of lircd and WinLIRC: the server sends one line per
// decoded press to every client,
//     <code, hex> <repeat count, hex> <button> <remote>
// e.g. "000000008001006c 00 KEY_DOWN devinput", with the count going up while
// the button is held. Replies to commands come as blocks:
//     BEGIN, <command>, [SUCCESS | ERROR], [DATA, <n>, <n lines>], END
// (a broadcast such as SIGHUP has no SUCCESS or ERROR).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "receiver/LineSplitter.h"

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
// malformed or over-long lines skipped. A reply block is bounded: a line
// that does not fit where it stands ends the block and is read as a press
// line again, so that a stray BEGIN cannot silence the receiver.
class LircReader {
  public:
    static constexpr std::size_t kMaxLineLength = 512;
    // The most DATA lines a reply may announce; a larger count is no reply.
    static constexpr unsigned long kMaxDataLines = 1000;

    void Feed(std::string_view data, const std::function<void(const LircPress&)>& press);

    // True once a whole line has come: the peer speaks a line protocol.
    bool SawLine() const { return sawLine_; }

  private:
    enum class Reply { kNone, kCommand, kStatus, kDataOrEnd, kCount, kData, kEnd };

    // The line, read within the reply block; false when it does not belong
    // to one and is to be read as a press line.
    bool InReply(std::string_view line);

    LineSplitter lines_{kMaxLineLength};
    Reply reply_ = Reply::kNone;
    unsigned long dataLeft_ = 0;
    bool sawLine_ = false;
};
