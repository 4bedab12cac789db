// The dispatch's two timers; the main window runs them and calls back.
#pragma once

enum class DispatchTimer {
    Button,  // end of a sequence: calls timButtonTimer
    Repeat,  // end of a burst of repetitions: calls RepeatTimerFired
};

class Timers {
  public:
    virtual ~Timers() = default;
    virtual void Start(DispatchTimer timer, unsigned milliseconds) = 0;
    virtual void Stop(DispatchTimer timer) = 0;
    virtual bool IsRunning(DispatchTimer timer) = 0;
};
