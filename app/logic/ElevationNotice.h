// Windows drops keys and clicks that a program sends to a program of a
// higher integrity level (one that runs as administrator) without an error
// (user interface privilege isolation). The notice tells the user once per
// such program.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "core/WindowHandle.h"

// Integrity levels are the relative identifiers of the mandatory labels:
// 0x2000 medium (a normal program), 0x3000 high (run as administrator).
class IntegrityQuery {
  public:
    virtual ~IntegrityQuery() = default;
    // Tovanix's own level; nothing when it cannot be read.
    virtual std::optional<uint32_t> OwnLevel() = 0;
    // The level of the process that owns the window; nothing when unknown.
    virtual std::optional<uint32_t> LevelOf(WindowHandle window) = 0;
    // The full path of that process's program file; "" when unknown.
    virtual std::string ProgramFileOf(WindowHandle window) = 0;
};

class ElevationNotice {
  public:
    explicit ElevationNotice(IntegrityQuery& query) : query_(query) {}

    // Before keys or clicks go to the window: the text to show when its
    // program runs at a higher level than Tovanix and has not been named
    // before; nothing otherwise, and nothing when a level is unknown.
    std::optional<std::string> Check(WindowHandle window);

  private:
    IntegrityQuery& query_;
    std::set<std::string> told_;  // program file names, in upper case
};
