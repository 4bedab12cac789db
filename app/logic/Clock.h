// Time as the executor and dispatch see it.
#pragma once

#include <cstdint>

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since some start, wrapping like a tick counter.
    virtual uint32_t TickCount() = 0;
    // Waits at least that long without using the processor; with
    // processMessages the program's windows go on working meanwhile.
    virtual void Wait(uint32_t milliseconds, bool processMessages) = 0;
};
