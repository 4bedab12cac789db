// The integrity levels of Tovanix and of a window's process, read from the
// processes' tokens.
#pragma once

#include "app/logic/ElevationNotice.h"
#include "core/WindowQueries.h"

class WinIntegrity : public IntegrityQuery {
  public:
    explicit WinIntegrity(WindowQueries& windows) : windows_(windows) {}

    std::optional<uint32_t> OwnLevel() override;
    std::optional<uint32_t> LevelOf(WindowHandle window) override;
    std::string ProgramFileOf(WindowHandle window) override { return windows_.ProgramFileOf(window); }

  private:
    // The level last read: a window belongs to one process for its life, so
    // the same window of the same process (each press into it) has it still.
    struct LastLevel {
        WindowHandle window;
        unsigned long processId;
        std::optional<uint32_t> level;
    };

    WindowQueries& windows_;
    std::optional<uint32_t> own_;  // it does not change while the program runs
    std::optional<LastLevel> last_;
};
