// The main window: start-up, the receiver's state, the tray icon, the tree
// of groups and macros and its commands. Dispatch and executor run inside it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "ComboBox2.h"
#include "Dispatcher.h"
#include "Dpi.h"
#include "MacroExecutor.h"
#include "ProgramHooks.h"
#include "Records.h"
#include "Timers.h"
#include "TovdataItems.h"
#include "TrayIcon.h"
#include "VolumeControl.h"
#include "WinClock.h"
#include "WinDesktop.h"
#include "Window.h"

class TdlgSplash;

class TfrmMain : public ProgramHooks, public Timers, public TWindow {
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

    // Messages that go to the window's accelerators first.
    bool TranslateAccelerator(MSG& message);

    // ProgramHooks.
    bool IsReceiverActive() override;
    void SetReceiverRepeat(bool repeat) override;
    void SetReceiverActive(bool fromUser, bool activate, bool minimizeAfter) override;
    void WatchLaunchedWindow(WindowHandle window) override;
    void CommandReceived() override { IdleSeconds = 0; }
    void UpdateTrayIcon(bool active, bool busy) override;
    void ShowCommand(const char* text) override;
    void ChooseAndExecuteCommand(TMacroRecord* macro) override;
    void StepVolume(bool up) override;
    void ToggleMute() override;

    // Timers of the dispatch.
    void Start(DispatchTimer timer, unsigned milliseconds) override;
    void Stop(DispatchTimer timer) override;
    bool IsRunning(DispatchTimer timer) override;

  private:
    enum TrayImage { kNoTrayImage = -1, Inactive, Active, Busy };

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
    void OnCommand(int id, int notification, HWND control);
    void OnTimer(UINT_PTR timer);
    void DoStartUp();
    void timActivateTimer();
    void timReactivateTimer();
    void InitReceiver();
    void CloseReceiver();
    void HideToTray();
    void ShowFromTray();
    void RestorePosition();
    void SavePosition();
    void SetCaptions(bool active);
    void Delay(double seconds);

    // The tree and its commands.
    LRESULT OnTreeNotify(NMHDR* header);
    void BuildTree(const std::string& groupID);
    // Every node anew, the selection kept.
    void RebuildTree();
    HTREEITEM AddNode(HTREEITEM parent, const char* name, void* record, int image);
    HTREEITEM FindNode(HTREEITEM first, const void* record) const;
    void SortTree();
    void RefreshNode();
    void RefreshNodeText(HTREEITEM node);
    bool SelectItem(const std::string& id);
    std::string SelectedID() const;
    HTREEITEM ParentGroupNode(HTREEITEM node) const;
    void UpdateMenus();
    void FillStartupCombo();
    void ToggleDisabled();
    void ToggleHidden(bool toggle);
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
    void BatchLearn();
    void RevealItem(const std::string& id);
    void ShowLearntCommand();
    void RemoveLearn();

    // The settings dialog, with the receiver closed around it (MainSettings.cpp).
    void ChangeSettingsCommand();
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
    HWND outActions_ = nullptr;
    HWND btnActivate_ = nullptr;
    HWND cbStart_ = nullptr;
    HWND lblStartup_ = nullptr;
    HWND cbHidden_ = nullptr;
    TComboBox2 cmbActions_;
    HMENU mainMenu_ = nullptr;
    HMENU popupMenu_ = nullptr;
    HMENU trayMenu_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HIMAGELIST imageList_ = nullptr;
    UINT dpi_ = kDefaultDpi;
    HFONT font_ = nullptr;
    HHOOK shutdownHook_ = nullptr;
    TTrayIcon TrayIcon1;
    HICON trayIcons_[3] = {};  // indexed by TrayImage
    TrayImage trayImage_ = kNoTrayImage;

    TovdataItems items_;
    WinDesktop desktop_;
    WinClock clock_;
    std::unique_ptr<VolumeControl> volume_;
    MacroExecutor executor_;
    Dispatcher dispatcher_;

    bool CloseAllowed = false;
    bool receiverReady_ = false;
    int IdleSeconds = 0;
    int ReactivateMinutes = 60;
    bool StartUpTimerIsDelay = false;
    // The open button panel; null when there is none.
    HWND ButtonPanelWindow = nullptr;
    WindowHandle LaunchedWindow = 0;
    bool building_ = false;
    // The learn dialog has the driver: the tray menu, which it does not
    // block, must not switch the receiver meanwhile.
    bool learning_ = false;
    TMacroRecord clipboard_{};
    bool buttonTimerRunning_ = false;
    bool repeatTimerRunning_ = false;
};
