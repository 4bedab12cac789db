// The tick counter and waits of Windows; waits never spin the processor.
#pragma once

#include "app/logic/Clock.h"

class WinClock : public Clock {
  public:
    uint32_t TickCount() override;
    // Sleeps, or with processMessages waits for messages and dispatches them
    // until the time is up. A quit message ends the wait early and is posted
    // again for the message loop.
    void Wait(uint32_t milliseconds, bool processMessages) override;
};
