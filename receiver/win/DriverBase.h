// What the receiver driver libraries share: the exports of the driver
// interface, a background thread per started receiver, and its host.
// Each driver library defines kDriver.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "receiver/Backoff.h"
#include "receiver/win/ReceiverDriver.h"

// Reports presses and status texts to the host from the background thread.
class HostReporter {
  public:
    explicit HostReporter(const TovReceiverHost& host) : host_(host) {}
    void Press(const std::string& command, int repeatCount) const {
        host_.press(host_.context, command.c_str(), repeatCount);
    }
    void Status(const std::string& text) const { host_.status(host_.context, text.c_str()); }

  private:
    TovReceiverHost host_;
};

// A started receiver's work on its background thread.
class Listener {
  public:
    virtual ~Listener() = default;
    // Receives until stop (a manual-reset event) is signalled, blocking on
    // handles and never spinning. Exceptions end receiving.
    virtual void Listen(HANDLE stop, const HostReporter& reporter) = 0;
};

// The wait between attempts to reach a receiver that went away (Backoff).
class RetryDelay {
  public:
    void Reset() { backoff_.Reset(); }
    // False when stop was signalled meanwhile.
    bool Wait(HANDLE stop) {
        return WaitForSingleObject(stop, static_cast<DWORD>(backoff_.Next().count())) == WAIT_TIMEOUT;
    }

  private:
    Backoff backoff_;
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
