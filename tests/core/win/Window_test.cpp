// The window base: real windows on Wine's desktop.
#include "core/win/Window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr const char* kClassName = "TovanixWindowTestProbe";
constexpr UINT kThrowMessage = WM_APP + 7;

class Probe : public TWindow {
  public:
    using TWindow::Create;
    using TWindow::DeleteWithWindow;

    static inline int alive = 0;
    Probe() { ++alive; }
    ~Probe() override { --alive; }

    bool Open(DWORD style = WS_POPUP) {
        TWindowClass windowClass;
        windowClass.name = kClassName;
        return Create(windowClass, 0, "Probe", style, 10, 10, 120, 80);
    }

    UINT throwOn = 0;
    std::vector<HWND> handlesDuringCreation;  // at WM_NCCREATE and WM_CREATE
    int destroyed = 0;
    HWND handleWhenDestroyed = reinterpret_cast<HWND>(1);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NCCREATE || message == WM_CREATE) handlesDuringCreation.push_back(Handle());
        if (message == throwOn) throw std::runtime_error("handler failed");
        if (message == kThrowMessage) throw std::runtime_error("handler failed");
        return TWindow::HandleMessage(message, wParam, lParam);
    }
    void WindowDestroyed() override {
        ++destroyed;
        handleWhenDestroyed = Handle();
    }
};

TEST(TWindow, HandlersKnowTheHandleFromTheFirstMessageOn) {
    Probe probe;
    ASSERT_TRUE(probe.Open());
    ASSERT_NE(probe.Handle(), nullptr);
    EXPECT_EQ(probe.handlesDuringCreation, (std::vector<HWND>{probe.Handle(), probe.Handle()}));
}

TEST(TWindow, ClassIsRegisteredOnceInTheModuleOfItsCode) {
    Probe first, second;
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open());
    // The core is linked into this test program, so its module is the program's.
    EXPECT_EQ(ThisModule(), GetModuleHandleA(nullptr));
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    EXPECT_TRUE(GetClassInfoExA(ThisModule(), kClassName, &info));
    EXPECT_EQ(reinterpret_cast<HINSTANCE>(GetClassLongPtrA(second.Handle(), GCLP_HMODULE)), ThisModule());
    EXPECT_EQ(GetClassLongPtrA(first.Handle(), GCLP_WNDPROC),
              GetClassLongPtrA(second.Handle(), GCLP_WNDPROC));
}

TEST(TWindow, AFailingHandlerLeavesTheMessageToTheDefaultProcedure) {
    Probe failsAtCreation;
    failsAtCreation.throwOn = WM_NCCREATE;
    EXPECT_TRUE(failsAtCreation.Open());  // creation goes on

    Probe failsToPaint;
    failsToPaint.throwOn = WM_PAINT;
    ASSERT_TRUE(failsToPaint.Open(WS_POPUP | WS_VISIBLE));
    UpdateWindow(failsToPaint.Handle());
    EXPECT_FALSE(GetUpdateRect(failsToPaint.Handle(), nullptr, FALSE));  // painting was validated

    EXPECT_EQ(SendMessageA(failsToPaint.Handle(), kThrowMessage, 0, 0), 0);
    EXPECT_TRUE(IsWindow(failsToPaint.Handle()));
}

TEST(TWindow, TheObjectLearnsThatItsWindowIsGone) {
    Probe probe;
    ASSERT_TRUE(probe.Open());
    const HWND window = probe.Handle();
    DestroyWindow(window);
    EXPECT_EQ(probe.Handle(), nullptr);
    EXPECT_EQ(probe.destroyed, 1);
    EXPECT_EQ(probe.handleWhenDestroyed, nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST(TWindow, DestroyingTheObjectDestroysItsWindowWithoutCallingBack) {
    HWND window = nullptr;
    {
        Probe probe;
        ASSERT_TRUE(probe.Open());
        window = probe.Handle();
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST(TWindow, AWindowThatOwnsItsObjectDeletesItWhenDestroyed) {
    const int before = Probe::alive;
    auto* probe = new Probe;
    ASSERT_TRUE(probe->Open());
    probe->DeleteWithWindow();
    const HWND window = probe->Handle();
    EXPECT_EQ(Probe::alive, before + 1);
    DestroyWindow(window);
    EXPECT_EQ(Probe::alive, before);
}

}  // namespace
