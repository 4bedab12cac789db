// The button panel as showButtonPanel opens it on the test's own thread,
// worked with the real mouse: clicks, drags, its menus and its dialogs.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Records.h"
#include "core/Text.h"
#include "display/ButtonList.h"
#include "display/tovshow.h"
#include "display/win/TdlgBtnPropertiesRes.h"
#include "display/win/TdlgPanelPropRes.h"
#include "store/tovdata.h"
#include "tests/display/win/DisplayTestSupport.h"
#include "tests/support/DialogScript.h"

namespace {

std::string Entry(int id, int x, int y, int w, int h, const std::string& mid, const std::string& cap,
                  const std::string& pic = "") {
    return "ID:" + std::to_string(id) + "\r\nX:" + std::to_string(x) + "\r\nY:" + std::to_string(y) +
           "\r\nW:" + std::to_string(w) + "\r\nH:" + std::to_string(h) + "\r\nMID:" + mid + "\r\nCAP:" + cap +
           "\r\nPIC:" + pic + "\r\n";
}

std::string TextOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The mouse as the user moves it, with the thread's messages handled between
// its steps (the panel lives on this thread).
void MoveMouse(POINT point) {
    SetCursorPos(point.x, point.y);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    PumpMessages(40);
}
void MouseButton(DWORD flags) {
    mouse_event(flags, 0, 0, 0, 0);
    PumpMessages(40);
}
void ClickAt(POINT point, bool right = false) {
    MoveMouse(point);
    MouseButton(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    MouseButton(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}
void DragFromTo(POINT from, POINT to) {
    MoveMouse(from);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MoveMouse({(from.x + to.x) / 2, (from.y + to.y) / 2});
    MoveMouse(to);
    MouseButton(MOUSEEVENTF_LEFTUP);
}

// Chooses the item at that place in the next pop-up menu of this thread, with
// the arrow keys as a user without the mouse does.
class MenuChoice {
  public:
    explicit MenuChoice(int position) : position_(position) {
        active_ = this;
        timer_ = SetTimer(nullptr, 0, 50, &Tick);
    }
    ~MenuChoice() {
        KillTimer(nullptr, timer_);
        active_ = nullptr;
    }
    bool chosen() const { return chosen_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        MenuChoice* self = active_;
        const HWND menu = FindWindowA("#32768", nullptr);
        if (!self || self->chosen_ || !menu || !IsWindowVisible(menu)) return;
        for (int i = 0; i <= self->position_; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        self->chosen_ = true;
    }
    static inline MenuChoice* active_ = nullptr;
    int position_;
    UINT_PTR timer_;
    bool chosen_ = false;
};

// The places of the panel's menus.
constexpr int kAddButton = 0, kPanelProperties = 1, kDesignMode = 2, kClose = 3;
constexpr int kDeleteButton = 0, kButtonProperties = 1;

class ButtonPanelTest : public ::testing::Test {
  protected:
    ButtonPanelTest() {
        // Outside Tovanix.exe the program folder is the current folder.
        GetCurrentDirectoryA(MAX_PATH, previousFolder_);
        SetCurrentDirectoryA(folder_.path().c_str());
    }
    ~ButtonPanelTest() override {
        if (IsWindow(panel_)) DestroyWindow(panel_);
        SetCurrentDirectoryA(previousFolder_);
    }

    void WriteList(const std::string& text) { WriteWholeFile(ListPath(), text); }
    std::string ListPath() const { return folder_.path() + "BTNLIST.TXT"; }
    std::string List() const { return ReadWholeFile(ListPath()); }

    HWND Open() {
        showButtonPanel(TPanelWindowProc{&ButtonPanelTest::PanelChanged, this},
                        TRunItemProc{&ButtonPanelTest::RunItem, this});
        panel_ = told_.empty() ? nullptr : told_.back();
        PumpMessages(50);
        return panel_;
    }
    HWND Button(const char* caption) const { return FindWindowExA(panel_, nullptr, "Button", caption); }
    // A point of the window, from its top-left corner.
    static POINT At(HWND window, int x, int y) {
        const RECT rect = WindowRect(window);
        return {rect.left + x, rect.top + y};
    }
    // Where a button sits on the panel, and its size.
    RECT PlaceOnPanel(HWND button) const {
        RECT rect = WindowRect(button);
        MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    void ChooseFromPanelMenu(int position) {
        MenuChoice choice(position);
        ClickAt(At(panel_, 3, WindowRect(panel_).bottom - WindowRect(panel_).top - 3), true);
        PumpMessages(100);
        EXPECT_TRUE(choice.chosen());
    }
    void ChooseFromButtonMenu(HWND button, int position) {
        MenuChoice choice(position);
        ClickAt(At(button, 5, 5), true);
        PumpMessages(100);
        EXPECT_TRUE(choice.chosen());
    }

    static void PanelChanged(void* context, HWND window) {
        static_cast<ButtonPanelTest*>(context)->told_.push_back(window);
    }
    static void RunItem(void* context, const char* id) {
        static_cast<ButtonPanelTest*>(context)->ran_.push_back(id);
    }

    CleanSettings settings_;
    TempFolder folder_;
    char previousFolder_[MAX_PATH] = "";
    HWND panel_ = nullptr;
    std::vector<HWND> told_;
    std::vector<std::string> ran_;
};

TEST_F(ButtonPanelTest, ANewPanelOpensAtTheScreensCornerAsABorderlessToolWindowOnTop) {
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_EQ(TextOf(panel), "Button panel");
    const RECT rect = WindowRect(panel);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 40);
    EXPECT_EQ(rect.bottom - rect.top, 90);
    const LONG_PTR style = GetWindowLongPtrA(panel, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(panel, GWL_EXSTYLE);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(FindWindowExA(panel, nullptr, "Button", nullptr), nullptr);
}

TEST_F(ButtonPanelTest, OpensAtTheStoredPlaceWithTheButtonsOfTheFile) {
    WriteSetting(setting::BtnPanelX, 200);
    WriteSetting(setting::BtnPanelY, 150);
    WriteSetting(setting::BtnPanelW, 120);
    WriteSetting(setting::BtnPanelH, 60);
    WriteList(Entry(1, 5, 6, 50, 25, "M1", "Play") + Entry(2, 60, 6, 50, 25, "", "Stop"));
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    const RECT rect = WindowRect(panel);
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 150);
    EXPECT_EQ(rect.right - rect.left, 120);
    EXPECT_EQ(rect.bottom - rect.top, 60);
    ASSERT_NE(Button("Play"), nullptr);
    ASSERT_NE(Button("Stop"), nullptr);
    const RECT play = PlaceOnPanel(Button("Play"));
    EXPECT_EQ(play.left, 5);
    EXPECT_EQ(play.top, 6);
    EXPECT_EQ(play.right - play.left, 50);
    EXPECT_EQ(play.bottom - play.top, 25);
    EXPECT_FALSE(GetWindowLongPtrA(Button("Play"), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonPanelTest, APlaceOffTheWorkAreaComesBackOntoIt) {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    WriteSetting(setting::BtnPanelX, area.right + 500);
    WriteSetting(setting::BtnPanelY, area.bottom + 10);
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    const RECT rect = WindowRect(panel);
    EXPECT_EQ(rect.right, area.right);
    EXPECT_EQ(rect.bottom, area.bottom);
}

TEST_F(ButtonPanelTest, AClickRunsTheButtonsItemAndLeavesTheWindowInFrontWhereItWas) {
    WriteSetting(setting::BtnPanelW, 120);
    WriteList(Entry(1, 5, 5, 50, 25, "M7", "Play") + Entry(2, 5, 40, 50, 25, "", "None"));
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    const HWND front = CreateWindowExA(0, "STATIC", "front", WS_POPUP | WS_VISIBLE, 300, 300, 100, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(front);
    PumpMessages(100);
    ASSERT_EQ(GetForegroundWindow(), front);

    ClickAt(At(Button("Play"), 20, 12));
    EXPECT_EQ(ran_, std::vector<std::string>{"M7"});
    EXPECT_EQ(GetForegroundWindow(), front);
    // A button without an item does nothing; nor does a press let go elsewhere.
    ClickAt(At(Button("None"), 20, 12));
    DragFromTo(At(Button("Play"), 20, 12), At(Button("Play"), 80, 12));
    EXPECT_EQ(ran_.size(), 1u);
    DestroyWindow(front);
}

TEST_F(ButtonPanelTest, InDesignModeAClickRunsNothingAndTheMouseMovesAndSizesButtons) {
    WriteSetting(setting::BtnPanelW, 150);
    WriteSetting(setting::BtnPanelH, 100);
    WriteList(Entry(1, 10, 10, 40, 30, "M1", "Play"));
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    ChooseFromPanelMenu(kDesignMode);
    const HWND play = Button("Play");

    ClickAt(At(play, 20, 15));
    EXPECT_TRUE(ran_.empty());

    // From its middle the button moves...
    DragFromTo(At(play, 20, 15), At(play, 50, 35));
    RECT place = PlaceOnPanel(play);
    EXPECT_EQ(place.left, 40);
    EXPECT_EQ(place.top, 30);
    EXPECT_EQ(place.right - place.left, 40);
    // ...its right edge sizes it...
    DragFromTo(At(play, 39, 15), At(play, 59, 15));
    place = PlaceOnPanel(play);
    EXPECT_EQ(place.left, 40);
    EXPECT_EQ(place.right - place.left, 60);
    // ...and made 2 pixels wide it springs back.
    DragFromTo(At(play, 59, 15), At(play, 1, 15));
    place = PlaceOnPanel(play);
    EXPECT_EQ(place.right - place.left, 60);
    EXPECT_TRUE(ran_.empty());

    ChooseFromPanelMenu(kClose);
    EXPECT_EQ(List(), Entry(1, 40, 30, 60, 30, "M1", "Play"));
}

TEST_F(ButtonPanelTest, DraggingTheBackgroundMovesThePanelAndStoresItsPlace) {
    WriteSetting(setting::BtnPanelX, 100);
    WriteSetting(setting::BtnPanelY, 100);
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    DragFromTo(At(panel, 20, 45), At(panel, 70, 25));
    const RECT rect = WindowRect(panel);
    EXPECT_EQ(rect.left, 150);
    EXPECT_EQ(rect.top, 80);
    EXPECT_EQ(ReadSetting(setting::BtnPanelX), 150);
    EXPECT_EQ(ReadSetting(setting::BtnPanelY), 80);
    EXPECT_EQ(ReadSetting(setting::BtnPanelW), 40);

    // In design mode its bottom-right corner sizes it; too small it springs back.
    ChooseFromPanelMenu(kDesignMode);
    DragFromTo(At(panel, 38, 88), At(panel, 58, 98));
    EXPECT_EQ(ReadSetting(setting::BtnPanelW), 60);
    EXPECT_EQ(ReadSetting(setting::BtnPanelH), 100);
    DragFromTo(At(panel, 58, 98), At(panel, 3, 98));
    EXPECT_EQ(ReadSetting(setting::BtnPanelW), 60);
}

TEST_F(ButtonPanelTest, ADragWhoseMouseIsTakenAwayEnds) {
    WriteSetting(setting::BtnPanelX, 100);
    WriteSetting(setting::BtnPanelY, 100);
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    MoveMouse(At(panel, 20, 45));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    // Another window takes the mouse, and the pointer moves on over the panel.
    const HWND other =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetCapture(other);
    ReleaseCapture();
    MoveMouse(At(panel, 30, 55));
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(WindowRect(panel).left, 100);
    EXPECT_EQ(WindowRect(panel).top, 100);
    DestroyWindow(other);
}

TEST_F(ButtonPanelTest, ButtonsAreAddedAndDeletedFromTheMenusAndClosingWritesThem) {
    WriteSetting(setting::BtnPanelW, 100);
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    // Outside design mode "Add button" does nothing.
    ChooseFromPanelMenu(kAddButton);
    PumpMessages(50);
    EXPECT_EQ(FindWindowExA(panel, nullptr, "Button", nullptr), nullptr);

    ChooseFromPanelMenu(kDesignMode);
    ChooseFromPanelMenu(kAddButton);
    ChooseFromPanelMenu(kAddButton);
    PumpMessages(50);
    // The second lands beside the first and, dragged onto it, is the one on top.
    const HWND first = ChildWindowFromPoint(panel, POINT{10, 10});
    const HWND second = ChildWindowFromPoint(panel, POINT{30, 10});
    ASSERT_NE(second, panel);
    DragFromTo(At(second, 10, 10), At(second, 0, 10));
    EXPECT_EQ(ChildWindowFromPoint(panel, POINT{15, 10}), second);
    ChooseFromButtonMenu(first, kDeleteButton);
    PumpMessages(50);
    ChooseFromPanelMenu(kAddButton);
    PumpMessages(50);

    ChooseFromPanelMenu(kClose);
    PumpMessages(50);
    EXPECT_EQ(List(), Entry(2, 11, 0, 21, 21, "", "") + Entry(3, 32, 0, 21, 21, "", ""));
    EXPECT_FALSE(IsWindow(panel));
    EXPECT_EQ(told_, (std::vector<HWND>{panel, nullptr}));
}

TEST_F(ButtonPanelTest, DestroyingThePanelWritesItsButtons) {
    const std::string list = Entry(4, 1, 2, 30, 20, "A3", "Group");
    WriteList("note\r\n" + list);
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    // Windows ending the session ends the program without destroying it.
    SendMessageA(panel, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(List(), list);
    WriteList("");
    DestroyWindow(panel);
    EXPECT_EQ(List(), list);
    EXPECT_EQ(told_, std::vector<HWND>{panel});
}

TEST_F(ButtonPanelTest, AFailedWriteIsToldOnceNamingTheFile) {
    MessageBoxAnswerer answerer;
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    CreateDirectoryA(ListPath().c_str(), nullptr);
    ChooseFromPanelMenu(kClose);
    PumpMessages(50);
    DestroyWindow(panel);
    EXPECT_EQ(answerer.count(), 1);
    // Outside Tovanix.exe the file lies in the current folder.
    EXPECT_NE(answerer.text().find("\"BTNLIST.TXT\""), std::string::npos) << answerer.text();
    RemoveDirectoryA(ListPath().c_str());
}

TEST_F(ButtonPanelTest, AFileThatCouldNotBeReadIsToldAndKeptUnlessTheChangedPanelMayReplaceIt) {
    const std::string list = Entry(1, 5, 5, 30, 20, "M1", "Play");
    WriteList(list);
    // Another program holds the file.
    const HANDLE held = CreateFileA(ListPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        MessageBoxAnswerer answerer;
        ASSERT_NE(Open(), nullptr);
        CloseHandle(held);
        ChooseFromPanelMenu(kClose);
        EXPECT_EQ(answerer.count(), 1);
    }
    EXPECT_EQ(List(), list);

    // Keys in lower case give no button: told, and replaced once a button is added and Yes answered.
    WriteList("id:1\r\nw:30\r\n");
    DialogSteps answers({[](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); },
                         [](HWND box) { PostMessageA(box, WM_COMMAND, IDYES, 0); }});
    ASSERT_NE(Open(), nullptr);
    ChooseFromPanelMenu(kDesignMode);
    ChooseFromPanelMenu(kAddButton);
    ChooseFromPanelMenu(kClose);
    PumpMessages(100);
    EXPECT_EQ(answers.done(), 2u);
    EXPECT_EQ(List(), Entry(1, 0, 0, 21, 21, "", ""));
}

TEST_F(ButtonPanelTest, ButtonsBeyondTheMostThePanelShowsAreToldAndKeptInTheFile) {
    std::string list;
    for (std::size_t id = 1; id <= kMaxPanelButtons + 1; ++id)
        list += Entry(static_cast<int>(id), 0, 0, 21, 21, "", "");
    WriteList(list);
    MessageBoxAnswerer answerer;
    ASSERT_NE(Open(), nullptr);
    std::size_t buttons = 0;
    for (HWND b = FindWindowExA(panel_, nullptr, "Button", nullptr); b;
         b = FindWindowExA(panel_, b, "Button", nullptr))
        ++buttons;
    EXPECT_EQ(buttons, kMaxPanelButtons);
    EXPECT_EQ(answerer.count(), 1);
    DestroyWindow(panel_);
    EXPECT_EQ(List(), list);
}

// Items in the store of tovdata.dll for the properties dialog's list.
class StoreItems {
  public:
    StoreItems() {
        AddGroup("A1", "Player");
        AddMacro("M1", "Play", "A1");
        AddMacro("M2", "Mute", "");
    }
    ~StoreItems() {
        deleteItem("A1");
        deleteItem("M2");
    }

  private:
    static void AddGroup(const char* id, const char* name) {
        TBGroupRecord group{};
        CopyText(group.ID, id);
        CopyText(group.Name, name);
        addBGroup(&group);
    }
    static void AddMacro(const char* id, const char* name, const char* group) {
        TMacroRecord macro{};
        CopyText(macro.ID, id);
        CopyText(macro.Name, name);
        CopyText(macro.AppID, group);
        addMacro(&macro);
    }
};

std::string Text(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }
void SetText(HWND dialog, int id, const char* text) { SetWindowTextA(GetDlgItem(dialog, id), text); }

TEST_F(ButtonPanelTest, TheButtonPropertiesDialogChangesTheEntry) {
    StoreItems items;
    WriteSetting(setting::BtnPanelW, 100);
    WriteList(Entry(1, 5, 5, 60, 25, "M2", "Play"));
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);

    std::vector<std::string> seen;
    DialogScript script({[&](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_BTNPROPERTIES_CMBMACROS);
        seen.push_back(TextOf(dialog));
        for (int i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
            char text[64] = "";
            SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            seen.push_back(text);
        }
        seen.push_back(std::to_string(SendMessageA(list, CB_GETCURSEL, 0, 0)));
        // A picture empties the caption, and a caption the picture.
        SetText(dialog, IDC_BTNPROPERTIES_TXTPIC, "C:\\p.bmp");
        seen.push_back("[" + Text(dialog, IDC_BTNPROPERTIES_TXTCAPTION) + "]");
        SetText(dialog, IDC_BTNPROPERTIES_TXTCAPTION, "Player");
        seen.push_back("[" + Text(dialog, IDC_BTNPROPERTIES_TXTPIC) + "]");
        // Picking an entry as the user does.
        SendMessageA(list, CB_SETCURSEL, 0, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_BTNPROPERTIES_CMBMACROS, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        return true;
    }});
    ChooseFromButtonMenu(Button("Play"), kButtonProperties);
    PumpMessages(100);
    EXPECT_EQ(seen, (std::vector<std::string>{"Button Play properties", "Group - Player", "  Macro - Play",
                                              "Macro - Mute", "2", "[]", "[]"}));
    ASSERT_NE(Button("Player"), nullptr);
    DestroyWindow(panel);
    EXPECT_EQ(List(), Entry(1, 5, 5, 60, 25, "A1", "Player"));
}

TEST_F(ButtonPanelTest, APictureButtonKeepsItsPictureThroughItsProperties) {
    const std::string list = Entry(1, 5, 5, 30, 20, "", "", "C:\\p.bmp");
    WriteList(list);
    ASSERT_NE(Open(), nullptr);
    DialogSteps ok({[](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); }});
    ChooseFromButtonMenu(FindWindowExA(panel_, nullptr, "Button", nullptr), kButtonProperties);
    PumpMessages(100);
    DestroyWindow(panel_);
    EXPECT_EQ(List(), list);
}

TEST_F(ButtonPanelTest, CancelLeavesTheEntryAndThePanelPropertiesKeepThePicture) {
    WriteSetting(setting::BtnPanelW, 100);
    const std::string list = Entry(1, 5, 5, 60, 25, "M9", "Play");
    WriteList(list);
    const HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    {
        DialogScript script({[&](HWND dialog) {
            SetText(dialog, IDC_BTNPROPERTIES_TXTCAPTION, "Changed");
            PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
            return true;
        }});
        ChooseFromButtonMenu(Button("Play"), kButtonProperties);
        PumpMessages(100);
        ASSERT_TRUE(script.shown());
    }
    WriteSetting(setting::BtnPanelBack, "C:\\old.bmp");
    std::string shown;
    {
        DialogScript script({[&](HWND dialog) {
            shown = Text(dialog, IDC_PANELPROP_TXTPIC);
            SetText(dialog, IDC_PANELPROP_TXTPIC, "");
            PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
            return true;
        }});
        ChooseFromPanelMenu(kPanelProperties);
        PumpMessages(100);
    }
    EXPECT_EQ(shown, "C:\\old.bmp");
    EXPECT_EQ(ReadSetting(setting::BtnPanelBack), "");
    DestroyWindow(panel);
    EXPECT_EQ(List(), list);
}

}  // namespace
