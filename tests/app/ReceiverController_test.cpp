#include "app/logic/ReceiverController.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/MemorySettings.h"
#include "core/Settings.h"

namespace {

// Driver and window in one, writing every call to one log.
class Recorder : public ReceiverDriver, public ReceiverWindow {
  public:
    std::string log;
    bool initOk = true;
    bool activateOk = true;
    bool activated = false;
    bool activateEnabled = false;

    bool Init() override { return Note("init"), initOk; }
    void Close() override { Note("close"); }
    bool Activate() override { return Note("activate"), activated = activateOk; }
    bool Deactivate() override { return Note("deactivate"), !(activated = false); }
    bool IsActivated() override { return activated; }
    void SetPause(bool paused) override { Note(paused ? "pause" : "run"); }
    void SetRepeat(bool repeat) override { Note(repeat ? "repeat" : "single"); }
    void InstallCommandCallback() override { Note("cmdcb"); }
    void InstallStatusCallback() override { Note("statuscb"); }

    void ShowReceiving(bool active) override { Note(active ? "caption-on" : "caption-off"); }
    void ShowTrayState(bool active) override { Note(active ? "tray-on" : "tray-off"); }
    bool ActivateEnabled() override { return activateEnabled; }
    void EnableActivate(bool enabled) override { Note((activateEnabled = enabled) ? "enable" : "disable"); }
    void HideToTray() override { Note("hide"); }
    void ShowBusy(bool) override {}
    void ReportInitFailure() override { Note("report"); }
    void StartReactivateTimer() override { Note("timer-on"); }
    void StopReactivateTimer() override { Note("timer-off"); }
    void ForgetLastMacro() override { Note("forget"); }
    void Wait(double seconds) override { Note("wait" + std::to_string(static_cast<int>(seconds * 10))); }

    void Note(const std::string& entry) { log += (log.empty() ? "" : " ") + entry; }
};

struct Case {
    const char* rule;
    bool activeBefore;
    bool closeAllowed;
    std::function<void(ReceiverController&, Recorder&)> action;
    std::string log;
    bool closeAllowedAfter;
};

// A dialog that notes whether closing is held off while it runs.
auto Dialog(Recorder& r, ReceiverController& c) {
    return [&] { r.Note(c.CloseAllowed ? "dialog" : "dialog-held"); };
}

const char* const kActivate = "forget disable activate run caption-on timer-on enable tray-on cmdcb statuscb";
const char* const kDeactivate = "deactivate pause caption-off timer-off tray-off cmdcb statuscb";

TEST(ReceiverController, LifeCycleRules) {
    MemorySettings settings;
    UseSettingsBackend(&settings);
    const std::string activate = kActivate, deactivate = kDeactivate;
    const Case cases[] = {
        {"a driver that cannot start is closed again and reported", false, true,
         [](auto& c, auto& r) {
             r.initOk = false, c.Init(), c.SetRepeat(true), r.Note(c.IsActive() ? "on" : "off");
         },
         "init disable close report off", true},
        {"the user's switch activates, the button available again", false, true,
         [](auto& c, auto&) { c.SetActive(true, true, true); }, kActivate, true},
        {"with Minimize on, an activation hides the window", false, true,
         [](auto& c, auto&) { WriteMinimizeSetting(true), c.SetActive(true, true, true); },
         "forget disable activate run caption-on timer-on hide enable tray-on cmdcb statuscb", true},
        {"an unattended start that fails still ends in the tray", false, true,
         [](auto& c, auto& r) {
             r.activateOk = false, WriteMinimizeSetting(true), c.SetActive(false, true, true);
             c.SetActive(true, true, true);
         },
         "forget disable activate hide enable tray-off cmdcb statuscb "
         "forget disable activate enable tray-off cmdcb statuscb",
         true},
        {"switching off", true, true, [](auto& c, auto&) { c.SetActive(true, false, false); }, kDeactivate,
         true},
        {"learning switches off around the dialog and on again", true, true,
         [](auto& c, auto& r) { c.Learn([&] { return r.Note(c.Learning() ? "learning" : "?"), 3; }); },
         deactivate + " wait2 learning pause cmdcb wait10 " + activate, true},
        {"learning while off only gives the callback back", false, false,
         [](auto& c, auto& r) { c.Learn([&] { return r.Note("learning"), 0; }); }, "learning pause cmdcb",
         false},
        {"a batch waits before switching on again", true, true,
         [](auto& c, auto& r) { c.LearnBatch(Dialog(r, c)); }, deactivate + " dialog-held wait5 " + activate,
         true},
        {"no batch while closing is held off", true, false,
         [](auto& c, auto& r) { c.LearnBatch(Dialog(r, c)); }, "", false},
        {"the settings close the driver around the dialog", true, true,
         [](auto& c, auto& r) { c.ChangeSettings(Dialog(r, c)); },
         deactivate + " wait10 close dialog-held init pause enable wait5 " + activate, true},
        {"no settings while closing is held off", false, false,
         [](auto& c, auto& r) { c.ChangeSettings(Dialog(r, c)); }, "", false},
        {"the restart comes after ReactivateTime minutes without a command", true, true,
         [](auto& c, auto&) {
             for (int second = 0; second < 59; ++second) c.ReactivateTick();
             c.CommandReceived();
             for (int second = 0; second < 60; ++second) c.ReactivateTick();
         },
         deactivate + " wait5 close wait2 init pause enable wait2 " + activate, true},
        {"a restart while a dialog holds closing off leaves it held off", true, false,
         [](auto& c, auto&) {
             for (int second = 0; second < 60; ++second) c.ReactivateTick();
         },
         deactivate + " wait5 close wait2 init pause enable wait2 " + activate, false},
        {"closing switches the receiver off", true, true,
         [](auto& c, auto& r) { r.Note(c.CloseQuery() ? "yes" : "no"); }, deactivate + " yes", true},
        {"no closing while held off", true, false,
         [](auto& c, auto& r) { r.Note(c.CloseQuery() ? "yes" : "no"); }, "no", false},
    };
    for (const Case& test : cases) {
        settings.Clear();
        WriteSetting(setting::Reactivate, 1);
        WriteSetting(setting::ReactivateTime, 1);
        Recorder recorder;
        ReceiverController controller(recorder, recorder);
        controller.Init();
        if (test.activeBefore) controller.SetActive(true, true, false);
        controller.CloseAllowed = test.closeAllowed;
        recorder.log.clear();
        test.action(controller, recorder);
        EXPECT_EQ(recorder.log, test.log) << test.rule;
        EXPECT_EQ(controller.CloseAllowed, test.closeAllowedAfter) << test.rule;
    }
    UseSettingsBackend(nullptr);
}

}  // namespace
