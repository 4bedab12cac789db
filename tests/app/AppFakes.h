// Fakes of the desktop, the clock, the timers and the program around the
// dispatch and the executor; they record what happens as lines of text.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/logic/Clock.h"
#include "app/logic/Desktop.h"
#include "app/logic/Items.h"
#include "app/logic/ProgramHooks.h"
#include "app/logic/Timers.h"
#include "store/ItemStore.h"

struct FakeWindow {
    FakeWindow(std::string title = "", std::string program = "", WindowHandle owner = 0)
        : title(std::move(title)), program(std::move(program)), owner(owner) {}
    std::string title;
    std::string program;  // full path of the owning program
    WindowHandle owner = 0;
    bool visible = true;
    bool minimized = false;
    WindowRect rect;
};

class FakeDesktop : public Desktop {
  public:
    std::vector<std::string> events;
    std::map<WindowHandle, FakeWindow> windows;  // top-level windows
    std::vector<WindowHandle> zOrder;            // top first
    WindowHandle foreground = 0;
    std::set<WindowHandle> refusesInput;                  // AttachInputTo fails
    std::map<WindowHandle, WindowHandle> disablingPopup;  // window -> the popup that disables it
    intptr_t openResult = 42;
    // Windows that appear when a file is opened: file -> window.
    std::map<std::string, std::pair<WindowHandle, FakeWindow>> launches;
    bool startMenuOpen = false;

    void AddWindow(WindowHandle handle, FakeWindow window) {
        windows[handle] = window;
        zOrder.push_back(handle);
    }

    WindowHandle ForegroundWindow() override { return foreground; }
    bool SetForeground(WindowHandle window) override {
        events.push_back("foreground " + std::to_string(window));
        if (!windows.count(window)) return false;
        foreground = window;
        return true;
    }
    bool IsWindow(WindowHandle window) override { return windows.count(window) != 0; }
    bool IsVisible(WindowHandle window) override { return windows.count(window) && windows[window].visible; }
    bool IsMinimized(WindowHandle window) override {
        return windows.count(window) && windows[window].minimized;
    }
    void Restore(WindowHandle window) override {
        events.push_back("restore " + std::to_string(window));
        if (windows.count(window)) windows[window].minimized = false;
    }
    bool IsEnabled(WindowHandle window) override { return !disablingPopup.count(window); }
    WindowHandle LastActivePopup(WindowHandle window) override {
        return disablingPopup.count(window) ? disablingPopup[window] : window;
    }
    std::vector<WindowHandle> TopLevelWindows() override { return zOrder; }
    std::string WindowTitle(WindowHandle window) override {
        return windows.count(window) ? windows[window].title : "";
    }
    std::string ProgramFileOf(WindowHandle window) override {
        return windows.count(window) ? windows[window].program : "";
    }
    WindowHandle OwnerParent(WindowHandle window) override {
        while (windows.count(window) && windows[window].owner) window = windows[window].owner;
        return window;
    }
    std::optional<WindowRect> WindowRectOf(WindowHandle window) override {
        if (!windows.count(window)) return std::nullopt;
        return windows[window].rect;
    }
    void SendWindowMessage(WindowHandle window, uint32_t message, intptr_t wParam, intptr_t lParam) override {
        events.push_back("message " + std::to_string(window) + " " + std::to_string(message) + " " +
                         std::to_string(wParam) + " " + std::to_string(lParam));
        if (message == 0x0112 && wParam == 61728 && windows.count(window)) windows[window].minimized = false;
    }
    bool AttachInputTo(WindowHandle window) override {
        if (refusesInput.count(window)) return false;
        events.push_back("attach " + std::to_string(window));
        return true;
    }
    void DetachInputFrom(WindowHandle window) override {
        events.push_back("detach " + std::to_string(window));
    }
    void KeyEvent(uint8_t virtualKey, bool up) override {
        events.push_back(std::string(up ? "up " : "down ") + std::to_string(virtualKey));
    }
    void MouseButtonEvent(MouseButton button, bool up) override {
        const char* name = button == MouseButton::Left    ? "left"
                           : button == MouseButton::Right ? "right"
                                                          : "middle";
        events.push_back(std::string("mouse ") + name + (up ? " up" : " down"));
    }
    void MoveMouseBy(int dx, int dy) override {
        events.push_back("move " + std::to_string(dx) + " " + std::to_string(dy));
    }
    void SetCursorPosition(int x, int y) override {
        events.push_back("cursor " + std::to_string(x) + " " + std::to_string(y));
    }
    intptr_t OpenFile(const std::string& file, const std::string& parameters) override {
        events.push_back("open " + file + "|" + parameters);
        auto launched = launches.find(file);
        if (openResult > 32 && launched != launches.end())
            AddWindow(launched->second.first, launched->second.second);
        return openResult;
    }
    void ShutDown() override { events.push_back("shutdown"); }
    bool IsStartMenuOpen() override { return startMenuOpen; }
    void ToggleStartMenu() override {
        startMenuOpen = !startMenuOpen;
        events.push_back("start menu");
    }
    void RunPlugin(const std::string& base, const std::string& parameters, WindowHandle window) override {
        events.push_back("plugin " + base + "|" + parameters + "|" + std::to_string(window));
    }
};

class FakeClock : public Clock {
  public:
    uint32_t now = 1000;
    std::vector<std::string> waits;
    uint32_t TickCount() override { return now; }
    void Wait(uint32_t milliseconds, bool processMessages) override {
        waits.push_back(std::to_string(milliseconds) + (processMessages ? " with messages" : ""));
        now += milliseconds;
    }
};

class FakeTimers : public Timers {
  public:
    std::map<DispatchTimer, unsigned> running;
    void Start(DispatchTimer timer, unsigned milliseconds) override { running[timer] = milliseconds; }
    void Stop(DispatchTimer timer) override { running.erase(timer); }
    bool IsRunning(DispatchTimer timer) override { return running.count(timer) != 0; }
};

class FakeHooks : public ProgramHooks {
  public:
    std::vector<std::string> calls;
    bool receiverActive = true;
    int commandsReceived = 0;

    bool IsReceiverActive() override { return receiverActive; }
    void SetReceiverRepeat(bool repeat) override { calls.push_back(repeat ? "repeat on" : "repeat off"); }
    void SetReceiverActive(bool fromUser, bool activate, bool minimizeAfter) override {
        calls.push_back(std::string("receiver ") + (activate ? "on" : "off") + (fromUser ? " user" : "") +
                        (minimizeAfter ? " minimize" : ""));
        receiverActive = activate;
    }
    void WatchLaunchedWindow(WindowHandle window) override {
        calls.push_back("watch " + std::to_string(window));
    }
    void CommandReceived() override { ++commandsReceived; }
    void UpdateTrayIcon(bool active, bool busy) override {
        calls.push_back(std::string("tray ") + (active ? "active" : "inactive") + (busy ? " busy" : ""));
        if (timeline) timeline->push_back(calls.back());
    }
    void ShowCommand(const char* text) override {
        calls.push_back(std::string("show ") + text);
        if (timeline) timeline->push_back(std::string("show ") + text);
    }
    // Where the display and the tray icon come among the desktop's events,
    // when set.
    std::vector<std::string>* timeline = nullptr;
    void ChooseAndExecuteCommand(TMacroRecord* macro) override {
        calls.push_back(std::string("choose ") + macro->ID);
    }
    void StepVolume(bool up) override { calls.push_back(up ? "volume up" : "volume down"); }
    void ToggleMute() override { calls.push_back("mute"); }
};

// The real item store behind the dispatch's view of it.
class StoreItems : public Items {
  public:
    ItemStore store;
    TMacroRecord* getMacro(const char* id) override { return store.getMacro(id); }
    TBGroupRecord* getBGroup(const char* id) override { return store.getBGroup(id); }
    TMacroRecord* findMacroByName(const char* name) override { return store.findMacroByName(name); }
    TBGroupRecord* findBGroupByName(const char* name) override { return store.findBGroupByName(name); }
    ItemMatch findItemByCommand(const char* sequence, bool final) override {
        CommandMatch match = store.findItemByCommand(sequence, final);
        return ItemMatch{match.id, match.count};
    }
    void activateBGroup(const char* id) override { store.activateBGroup(id); }

    // Adds a macro and returns its ID.
    std::string AddMacro(const std::string& name, const std::string& commands,
                         const std::string& irCommand = "", const std::string& group = "") {
        TMacroRecord record = FreshMacroRecord();
        const std::string id = store.getNewMacroID();
        CopyText(record.ID, id);
        CopyText(record.Name, name);
        CopyText(record.Commands, commands);
        CopyText(record.IRCommand, irCommand);
        CopyText(record.AppID, group);
        record.CurrentWindow = 1;
        store.addMacro(record);
        return id;
    }
    std::string AddGroup(const std::string& name, const std::string& irCommand,
                         const std::string& startMacro = "") {
        TBGroupRecord record = FreshBGroupRecord();
        const std::string id = store.getNewBGroupID();
        CopyText(record.ID, id);
        CopyText(record.Name, name);
        CopyText(record.IRCommand, irCommand);
        CopyText(record.MacroID, startMacro);
        store.addBGroup(record);
        return id;
    }
};
