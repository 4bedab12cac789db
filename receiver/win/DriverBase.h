// What the receiver driver libraries share: the exports of the driver
// interface, a background thread per started receiver, and its host.
// Each driver library defines kDriver.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ReceiverDriver.h"

// Reports presses to the host from the background thread.
class PressReporter {
  public:
    explicit PressReporter(const TovReceiverHost& host) : host_(host) {}
    void Press(const std::string& command, int repeatCount) const {
        host_.press(host_.context, command.c_str(), repeatCount);
    }

  private:
    TovReceiverHost host_;
};

// A started receiver's work on its background thread.
class Listener {
  public:
    virtual ~Listener() = default;
    // Receives until stop (a manual-reset event) is signalled, blocking on
    // handles and never spinning. Exceptions end receiving.
    virtual void Listen(HANDLE stop, const PressReporter& reporter) = 0;
};

// The wait between attempts to reach a receiver that went away: a quarter
// of a second at first, twice as long each time, at most five seconds.
class RetryDelay {
  public:
    void Reset() { ms_ = kFirstMs; }
    // False when stop was signalled meanwhile.
    bool Wait(HANDLE stop) {
        const DWORD ms = ms_;
        ms_ = ms_ * 2 < kMaxMs ? ms_ * 2 : kMaxMs;
        return WaitForSingleObject(stop, ms) == WAIT_TIMEOUT;
    }

  private:
    static constexpr DWORD kFirstMs = 250;
    static constexpr DWORD kMaxMs = 5000;
    DWORD ms_ = kFirstMs;
};

struct DriverDefinition {
    // The display name, at most 32 characters.
    const char* name;
    // Called by start on the host's thread: connects to the receiver and
    // returns its listener, or null when the receiver cannot be reached.
    std::unique_ptr<Listener> (*begin)();
    void (*settings)(HWND owner);
};

extern const DriverDefinition kDriver;
