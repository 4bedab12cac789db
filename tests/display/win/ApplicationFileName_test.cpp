// The program file of a window through RXNT.DLL from the program folder, and
// the search for a running program that builds on it.
#include <gtest/gtest.h>

#include <memory>

#include "core/Paths.h"
#include "core/Text.h"
#include "display/tovshow.h"
#include "tests/display/win/DisplayTestSupport.h"
#include "tests/support/WinTestSupport.h"

namespace {

using FileName = std::unique_ptr<char, decltype(&freeApplicationFileName)>;

FileName ApplicationFileName(HWND window) {
    return FileName(getApplicationFileName(window), freeApplicationFileName);
}

std::string ThisProgram() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

HWND MakeWindow(const char* className, HWND owner = nullptr) {
    return CreateWindowExA(0, className, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, owner, nullptr,
                           nullptr, nullptr);
}

TEST(GetApplicationFileName, IsThePathOfTheProgramThatMadeTheWindow) {
    const HWND window = MakeWindow("STATIC");
    const FileName fileName = ApplicationFileName(window);
    ASSERT_NE(fileName, nullptr);
    EXPECT_TRUE(EqualIgnoringCase(fileName.get(), ThisProgram())) << fileName.get();
    DestroyWindow(window);
}

TEST(GetApplicationFileName, ReleasesTheLibraryAfterEachCall) {
    const std::string library = TestProgramFolder() + "RXNT.DLL";
    ASSERT_EQ(GetFileAttributesA(library.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    const FileName fileName = ApplicationFileName(GetDesktopWindow());
    EXPECT_EQ(GetModuleHandleA(library.c_str()), nullptr);
}

TEST(GetApplicationFileName, IsNullWithoutTheLibraryInTheProgramFolder) {
    LibraryCopy copy;
    ASSERT_NE(copy.module(), nullptr);
    const auto get = copy.Export<decltype(getApplicationFileName)>("getApplicationFileName");
    const auto find = copy.Export<decltype(getRunningAppHandle)>("getRunningAppHandle");
    const HWND window = MakeWindow("STATIC");
    EXPECT_EQ(get(window), nullptr);
    HWND found = window;
    EXPECT_FALSE(find(nullptr, ThisProgram().c_str(), "", &found));
    EXPECT_EQ(found, nullptr);
    DestroyWindow(window);
}

TEST(GetApplicationFileName, IsNullWhenTheLibraryHasNoGetAPPFileName) {
    // A library of another kind under the process-name library's name.
    LibraryCopy copy("tovshow.dll");
    ASSERT_NE(copy.module(), nullptr);
    const HWND window = MakeWindow("STATIC");
    EXPECT_EQ(copy.Export<decltype(getApplicationFileName)>("getApplicationFileName")(window), nullptr);
    DestroyWindow(window);
}

class RunningAppTest : public ::testing::Test {
  protected:
    RunningAppTest() {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "RunningAppTestWindow";
        RegisterClassExA(&windowClass);
        // Made last, the owned window is the top of this program's windows.
        owner = MakeWindow("RunningAppTestWindow");
        owned = MakeWindow("STATIC", owner);
    }
    ~RunningAppTest() override { DestroyWindow(owner); }

    HWND owner;
    HWND owned;
};

TEST_F(RunningAppTest, FindsTheProgramsWindowOfTheClassOrWithoutOneItsTopOwner) {
    HWND found = nullptr;
    EXPECT_TRUE(getRunningAppHandle(nullptr, ThisProgram().c_str(), "", &found));
    EXPECT_EQ(found, owner);
    found = nullptr;
    EXPECT_TRUE(
        getRunningAppHandle(nullptr, ToUpperAscii(ThisProgram()).c_str(), "RunningAppTestWindow", &found));
    EXPECT_EQ(found, owner);
}

TEST_F(RunningAppTest, AClassOfAnotherCaseIsNoMatchButGivesTheProgramsLastWindow) {
    HWND found = nullptr;
    EXPECT_FALSE(getRunningAppHandle(nullptr, ThisProgram().c_str(), "runningapptestwindow", &found));
    EXPECT_NE(found, nullptr);
    EXPECT_TRUE(IsWindowVisible(found));
    const FileName fileName = ApplicationFileName(found);
    ASSERT_NE(fileName, nullptr);
    EXPECT_TRUE(EqualIgnoringCase(fileName.get(), ThisProgram()));
}

}  // namespace
