// tovlocal.dll, the local receiver: other programs of the same user on this
// machine press buttons through the local channel (the sender tool tovsend).
// Several senders are served at once, each on a pipe instance of its own, so
// that a slow one cannot keep the others out.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <vector>

#include "core/win/Scoped.h"
#include "receiver/LocalProtocol.h"
#include "receiver/win/DriverBase.h"
#include "receiver/win/LocalChannel.h"

namespace {

// A sender must complete a press within this time of connecting and of its
// previous press; one that says nothing or trickles bytes is dropped.
constexpr ULONGLONG kPressTimeoutMs = 5000;

// One pipe instance and its sender, served with overlapped operations whose
// completion signals event().
class Instance {
  public:
    explicit Instance(HANDLE pipe)
        : pipe_(OwnedFile(pipe)), event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        overlapped_.hEvent = event_.get();
    }
    ~Instance() { Cancel(); }
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    bool ok() const { return pipe_ && event_; }
    HANDLE event() const { return event_.get(); }
    // An operation is under way (false only for a pipe that broke).
    bool busy() const { return state_ != State::kIdle; }
    // When the connected sender is dropped; ULLONG_MAX while none is.
    ULONGLONG deadline() const { return state_ == State::kReading ? deadline_ : ULLONG_MAX; }

    // Waits for the next sender (one may have connected already).
    void Accept() {
        reader_.emplace();
        ResetEvent(event_.get());
        state_ = State::kConnecting;
        const DWORD error =
            ConnectNamedPipe(pipe_.get(), &overlapped_) ? ERROR_PIPE_CONNECTED : GetLastError();
        if (error == ERROR_PIPE_CONNECTED) {
            Connected();
        } else if (error == ERROR_NO_DATA) {  // it has gone again
            Drop();
        } else if (error != ERROR_IO_PENDING) {
            state_ = State::kIdle;
        }
    }

    // Takes what completed, or drops a sender whose time is up.
    void Serve(const HostReporter& reporter, ULONGLONG now) {
        if (WaitForSingleObject(event_.get(), 0) == WAIT_OBJECT_0) return Complete(reporter);
        if (now < deadline()) return;
        Cancel();
        Drop();
    }

    // Ends the operation under way.
    void Cancel() {
        if (!busy()) return;
        CancelIo(pipe_.get());
        DWORD bytes;
        GetOverlappedResult(pipe_.get(), &overlapped_, &bytes, TRUE);
        state_ = State::kIdle;
    }

  private:
    enum class State { kIdle, kConnecting, kReading };

    // Takes the result of the operation that signalled event().
    void Complete(const HostReporter& reporter) {
        DWORD bytes = 0;
        const bool done = GetOverlappedResult(pipe_.get(), &overlapped_, &bytes, FALSE);
        if (!done || (state_ == State::kReading && bytes == 0)) return Drop();
        if (state_ == State::kConnecting) return Connected();
        reader_->Feed(std::string_view(buffer_, bytes), [&](const LocalPress& press) {
            deadline_ = GetTickCount64() + kPressTimeoutMs;
            reporter.Press(press.command, press.repeatCount);
        });
        Read();
    }

    void Drop() {
        DisconnectNamedPipe(pipe_.get());
        Accept();
    }

    void Connected() {
        deadline_ = GetTickCount64() + kPressTimeoutMs;
        Read();
    }

    void Read() {
        ResetEvent(event_.get());
        state_ = State::kReading;
        if (!ReadFile(pipe_.get(), buffer_, sizeof buffer_, nullptr, &overlapped_) &&
            GetLastError() != ERROR_IO_PENDING)
            Drop();
    }

    const UniqueHandle pipe_;
    const UniqueHandle event_;
    OVERLAPPED overlapped_{};
    State state_ = State::kIdle;
    ULONGLONG deadline_ = 0;
    std::optional<LocalReader> reader_;
    char buffer_[512];
};

class LocalListener : public Listener {
  public:
    explicit LocalListener(std::vector<std::unique_ptr<Instance>> instances)
        : instances_(std::move(instances)) {}

    void Listen(HANDLE stop, const HostReporter& reporter) override {
        for (auto& instance : instances_) instance->Accept();
        for (;;) {
            std::vector<HANDLE> handles{stop};
            std::vector<Instance*> waiting;
            ULONGLONG next = ULLONG_MAX;
            for (auto& instance : instances_) {
                if (!instance->busy()) continue;
                handles.push_back(instance->event());
                waiting.push_back(instance.get());
                next = std::min(next, instance->deadline());
            }
            const ULONGLONG now = GetTickCount64();
            const DWORD timeout =
                next == ULLONG_MAX ? INFINITE : static_cast<DWORD>(next > now ? next - now : 0);
            const DWORD woken =
                WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, timeout);
            if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) break;
            // Each in turn, so that a sender that floods cannot keep the others waiting.
            for (Instance* instance : waiting) instance->Serve(reporter, GetTickCount64());
        }
        for (auto& instance : instances_) instance->Cancel();
    }

  private:
    std::vector<std::unique_ptr<Instance>> instances_;
};

std::unique_ptr<Listener> Begin() {
    const std::string name = LocalPipeName();
    if (name.empty()) return nullptr;
    std::vector<std::unique_ptr<Instance>> instances;
    for (int index = 0; index < kLocalPipeInstances; ++index) {
        instances.push_back(std::make_unique<Instance>(CreateLocalPipe(name, index == 0)));
        if (!instances.back()->ok()) return nullptr;
    }
    return std::make_unique<LocalListener>(std::move(instances));
}

void ShowSettings(HWND owner) {
    MessageBoxA(owner,
                "The local receiver has no settings.\n\n"
                "Programs and scripts of your user account press buttons with the sender tool "
                "in the Tovanix folder, for example:\n\n"
                "    tovsend KEY_UP\n"
                "    tovsend --hold 800 KEY_VOLUMEUP",
                "Local receiver", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

const DriverDefinition kDriver{"Local receiver (tovsend)", &Begin, &ShowSettings};
