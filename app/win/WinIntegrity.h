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
    WindowQueries& windows_;
    std::optional<uint32_t> own_;  // it does not change while the program runs
};
