#include "receiver/win/DriverBase.h"

#include <thread>

#include "core/Guarded.h"
#include "core/Text.h"
#include "core/win/Scoped.h"

namespace {

// getDriverName's buffer.
constexpr std::size_t kDriverNameSize = 33;

class Receiver {
  public:
    explicit Receiver(const TovReceiverHost& host) : reporter_(host) {}
    ~Receiver() { Stop(); }

    bool Start() {
        std::unique_ptr<Listener> listener = kDriver.begin();
        if (!listener) return false;
        stop_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        if (!stop_) return false;
        listener_ = std::move(listener);
        thread_ = std::thread([this] {
            try {
                listener_->Listen(stop_.get(), reporter_);
            } catch (...) {
                // Receiving ends; the host sees no more presses.
            }
        });
        return true;
    }

    void Stop() {
        if (!thread_.joinable()) return;
        SetEvent(stop_.get());
        thread_.join();
        listener_.reset();
        stop_.reset();
    }

  private:
    HostReporter reporter_;
    std::unique_ptr<Listener> listener_;
    UniqueHandle stop_;
    std::thread thread_;
};

void* Open(const TovReceiverHost* host) {
    return Guarded<void*>(nullptr, [host] { return new Receiver(*host); });
}

void Close(void* receiver) { delete static_cast<Receiver*>(receiver); }

bool Start(void* receiver) {
    return Guarded([receiver] { return static_cast<Receiver*>(receiver)->Start(); });
}

void Stop(void* receiver) { static_cast<Receiver*>(receiver)->Stop(); }

void Settings(HWND owner) {
    Guarded([owner] { kDriver.settings(owner); });
}

// None of these receivers can produce a command on demand.
const TovReceiverDriver kFunctions{&Open, &Close, &Start, &Stop, nullptr, &Settings};

}  // namespace

extern "C" __declspec(dllexport) void getDriverName(char* name) {
    CopyFixedText(name, kDriverNameSize, kDriver.name);
}

extern "C" __declspec(dllexport) const TovReceiverDriver* tovReceiverDriver(unsigned version) {
    return version == TOV_RECEIVER_DRIVER_VERSION ? &kFunctions : nullptr;
}
