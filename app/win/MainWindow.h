// The main window: start-up, the tray icon, the tree of groups and macros and
// its commands; the receiver's life cycle is its controller's. Dispatch and
// executor run inside it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "app/logic/DeferredTrayImage.h"
#include "app/logic/Dispatcher.h"
#include "app/logic/MacroExecutor.h"
#include "app/logic/ProgramHooks.h"
#include "app/logic/ReceiverController.h"
#include "app/logic/Timers.h"
#include "app/mainrules/MenuState.h"
#include "app/mixer/VolumeControl.h"
#include "app/win/ForegroundHook.h"
#include "app/win/ItemTree.h"
#include "app/win/PoolTimer.h"
#include "app/win/TovdataItems.h"
#include "app/win/TovdrvReceiver.h"
#include "app/win/TrayIcon.h"
#include "app/win/WinClock.h"
#include "app/win/WinDesktop.h"
#include "app/win/WinIntegrity.h"
#include "core/Records.h"
#include "core/win/ComboBox2.h"
#include "core/win/Dpi.h"
#include "core/win/Scoped.h"
#include "core/win/Window.h"

class TdlgSplash;
class TfrmMonitor;

class TfrmMain : public ProgramHooks, public Timers, public TWindow, private ReceiverWindow {
  public:
    // At 96 DPI; the window scales them for its monitor's DPI.
    static constexpr int kWidth = 296;
    static constexpr int kDefaultHeight = 472;
    static constexpr int kMinimumHeight = 200;
    static constexpr const char* kClassName = "TfrmMain";

    // Creates the window and runs the start-up (splash, items, receiver).
    explicit TfrmMain(HINSTANCE instance);
    ~TfrmMain() override;
    TfrmMain(const TfrmMain&) = delete;
    TfrmMain& operator=(const TfrmMain&) = delete;

    // Messages that go to the window's accelerators first (the receiver
    // monitor's own keys to the monitor); true when one was taken.
    bool TranslateAccelerator(MSG& message);

    // ProgramHooks.
    bool IsReceiverActive() override;
    void SetReceiverRepeat(bool repeat) override;
    void SetReceiverActive(bool fromUser, bool activate, bool minimizeAfter) override;
    void WatchLaunchedWindow(WindowHandle window) override;
    void CommandReceived() override { receiver_.CommandReceived(); }
    void InputGoesTo(WindowHandle window) override;
    void UpdateTrayIcon(bool active, bool busy) override;
    void ShowCommand(const char* text) override;
    void ShowCommandNear(const char* text, WindowHandle target) override;
    void ChooseAndExecuteCommand(TMacroRecord* macro) override;
    void StepVolume(bool up) override;
    void ToggleMute() override;

    // Timers of the dispatch.
    void Start(DispatchTimer timer, unsigned milliseconds) override;
    void Stop(DispatchTimer timer) override;
    bool IsRunning(DispatchTimer timer) override;

  private:
    // A command of the main menu, the tree's menu, the tray menu and the
    // accelerators, with the field of MenuState that makes it available
    // (null: always available). One ID wherever the command appears.
    struct Command {
        UINT id;
        void (*run)(TfrmMain& window);
        bool MenuState::*available;
    };
    static const Command kCommands[];

    enum TrayImage { Inactive, Active, Busy };

    enum TimerID : UINT_PTR {
        kButtonTimer = 1,
        kRepeatTimer,
        kStartUpTimer,
        kActivateTimer,
        kReactivateTimer
    };

    static LRESULT CALLBACK ShutdownHook(int code, WPARAM wParam, LPARAM lParam);
    static void ReceiveIRCommand(void* context, const char* command);
    static void ReceiverStatus(void* context, const char* text);
    // The command chosen in the command chooser.
    static void ExecuteChosen(void* context, TMacroRecord* macro, bool showOSD, int index);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Life cycle.
    void FormCreate();
    void CreateControls();
    bool FormCloseQuery();
    void FormClose();
    // The controls, their places and the DPI (MainLayout.cpp).
    void FormResize();
    int Scaled(int pixels) const { return ScaleForDpi(pixels, dpi_); }
    // The font and the tree's pictures for the window's DPI.
    void ApplyDpi();
    // Moved to a monitor of another DPI: Windows suggests the new rectangle.
    void DpiChanged(UINT dpi, const RECT& suggested);
    // The commands from the table; the controls' own notifications (MainCommands.cpp).
    void OnCommand(int id, int notification);
    // Availability and captions of the menus' commands after the selection.
    void UpdateMenus();
    void ActivateCommand();
    void ShowOrHideCommand();
    // Opens the receiver monitor, or brings it to the front.
    void OpenMonitor();
    void OnTimer(UINT_PTR timer);
    void DoStartUp();
    // The foreground hook while FollowForeground is on, none while it is off.
    void FollowForeground();
    void timActivateTimer();
    // On the pool's thread, a frame after the tray image changed.
    void TrayFrameOver();
    // With trayMutex_ held.
    void ShowTrayImage(int image);
    void ShowFromTray();
    void RestorePosition();
    void SavePosition();

    // ReceiverWindow.
    void ShowReceiving(bool active) override;
    void ShowTrayState(bool active) override { UpdateTrayIcon(active, false); }
    bool ActivateEnabled() override { return IsWindowEnabled(btnActivate_); }
    void EnableActivate(bool enabled) override;
    void HideToTray() override;
    void ShowBusy(bool busy) override;
    void ReportInitFailure() override;
    void ReportResumeFailure() override;
    void StartReactivateTimer() override { SetTimer(Handle(), kReactivateTimer, 1000, nullptr); }
    void StopReactivateTimer() override { KillTimer(Handle(), kReactivateTimer); }
    void ForgetLastMacro() override { dispatcher_.ClearLastMacro(); }
    void Wait(double seconds) override;

    // The tree's notifications and the commands on its items (MainTree.cpp).
    LRESULT OnTreeNotify(NMHDR* header);
    void FillStartupCombo();
    void ToggleDisabled();
    void ToggleHidden();
    void ToggleShowHidden();
    void DeleteItemCommand();
    void CopyMacro(bool cut);
    void PasteMacro();
    void ShowTreeMenu();

    // Adding and editing items in tovedit's editors (MainEdit.cpp).
    // Runs an editor with closing held off: the tray menu, which a modal
    // dialog does not block, must not end Tovanix under it; nothing while
    // another dialog of the main window runs. Whatever the editor answers,
    // what it changed reaches the tree and the file: the group editor keeps
    // a group made with "New..." or "Learn..." also on Cancel. Returns the
    // editor's answer.
    bool RunEditor(const std::function<bool()>& editor);
    // The file, the tree and the start-up list follow the store.
    void ItemsChanged();
    void AddGroupCommand();
    // A macro of the selected group, or of the selected macro's group.
    void AddGroupMacroCommand();
    // groupID "": a general macro.
    void AddMacroCommand(const std::string& groupID);
    void EditItemCommand();

    // Learning (MainLearn.cpp).
    int LearnItem(bool batch);
    // Learns the selected item's button when AutoLearn is on and it has none.
    void LearnIfUnlearnt();
    // Every item without a button, with the receiver off around them.
    void BatchLearn();
    void LearnEveryUnlearnt();
    void RevealItem(const std::string& id);
    void ShowLearntCommand();
    void RemoveLearn();

    // The button panel (MainPanel.cpp).
    void ToggleButtonPanel();
    void ButtonPanelChanged(HWND window);
    void CloseButtonPanel();
    static void PanelWindowProc(void* context, HWND window);
    static void RunItemProc(void* context, const char* id);

    // The command file.
    void SaveAllItems();
    void LoadItems(bool fromUser);
    void ExportSelected();
    // Asked before saving over the default file while the start could not
    // load all of it (items beyond the IDs, or a file it could not read);
    // empty once the load was complete or the user allowed the save.
    std::string overwriteQuestion_;

    HINSTANCE instance_;
    // Shown while the start-up runs.
    TdlgSplash* splash_ = nullptr;
    TItemTree tree_;
    HWND btnActivate_ = nullptr;
    HWND cbStart_ = nullptr;
    HWND lblStartup_ = nullptr;
    HWND cbHidden_ = nullptr;
    TComboBox2 cmbActions_;
    HMENU mainMenu_ = nullptr;
    UniqueMenu popupMenu_;
    UniqueMenu trayMenu_;
    HACCEL accelerators_ = nullptr;
    UniqueImageList imageList_;
    UINT dpi_ = kDefaultDpi;
    UniqueFont font_;
    HHOOK shutdownHook_ = nullptr;
    TTrayIcon TrayIcon1;
    UniqueIcon trayIcons_[3];  // indexed by TrayImage
    // The image as the shell is told it, from this thread and the frame timer's.
    std::mutex trayMutex_;
    DeferredTrayImage trayImage_;
    PoolTimer trayFrame_{[this] { TrayFrameOver(); }};

    TovdataItems items_;
    WinDesktop desktop_;
    WinClock clock_;
    std::unique_ptr<VolumeControl> volume_;
    MacroExecutor executor_;
    Dispatcher dispatcher_;
    TovdrvReceiver driver_;
    ReceiverController receiver_;
    std::optional<ForegroundHook> foregroundHook_;
    WinIntegrity integrity_{desktop_};
    ElevationNotice elevation_{integrity_};
    // The receiver monitor once opened (its window may be closed since); it
    // goes before the dispatch it watches.
    std::unique_ptr<TfrmMonitor> monitor_;
    // The wait cursor from the outermost ShowBusy(true) on, and how deep they nest.
    std::optional<WaitCursor> busyCursor_;
    int busyDepth_ = 0;

    bool StartUpTimerIsDelay = false;
    // The open button panel; null when there is none.
    HWND ButtonPanelWindow = nullptr;
    WindowHandle LaunchedWindow = 0;
    TMacroRecord clipboard_{};
    bool buttonTimerRunning_ = false;
    bool repeatTimerRunning_ = false;
};
