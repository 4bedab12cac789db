// RXNT.DLL: the program file of a running process.
#include "procname/rxnt.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"

namespace {

class RxntTest : public testing::Test {
  protected:
    void SetUp() override {
        library = LoadLibraryA((TestProgramFolder() + "RXNT.DLL").c_str());
        ASSERT_TRUE(library);
        getAPPFileName = reinterpret_cast<TGetAPPFileName>(
            reinterpret_cast<void*>(GetProcAddress(library, "getAPPFileName")));
        ASSERT_TRUE(getAPPFileName);
    }
    void TearDown() override {
        if (library) FreeLibrary(library);
    }

    HMODULE library = nullptr;
    TGetAPPFileName getAPPFileName = nullptr;
};

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST_F(RxntTest, GivesTheFullPathOfOurOwnProgram) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const char* name = getAPPFileName(GetCurrentProcessId());
    ASSERT_TRUE(name);
    EXPECT_EQ(Upper(name), Upper(path));
}

TEST_F(RxntTest, GivesTheProgramOfAnotherRunningProcess) {
    TempFolder folder;
    // A program copied under a name of its own, so the path is surely its.
    const std::string program = folder.path() + "Some Program.exe";
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "tovsend.exe").c_str(), program.c_str(), FALSE));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // Started suspended, so that it surely still runs when asked about.
    std::string commandLine = "\"" + program + "\" KEY_UP";
    ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                               nullptr, nullptr, &startup, &process));
    const char* name = getAPPFileName(process.dwProcessId);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_TRUE(name);
    EXPECT_EQ(Upper(name), Upper(program));
}

TEST_F(RxntTest, GivesNullForAProcessThatDoesNotExist) {
    // Process ids are multiples of 4; this one is never handed out.
    EXPECT_EQ(getAPPFileName(0xFFFFFFF1), nullptr);
}

TEST_F(RxntTest, GivesNullForAProcessThatHasEnded) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const std::string program = TestProgramFolder() + "tovsend.exe";
    std::string commandLine = "\"" + program + "\" --help";
    ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    const DWORD id = process.dwProcessId;
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(getAPPFileName(id), nullptr);
}

TEST_F(RxntTest, TheTextStaysValidUntilTheNextCall) {
    const char* first = getAPPFileName(GetCurrentProcessId());
    ASSERT_TRUE(first);
    const std::string copy = first;
    EXPECT_EQ(getAPPFileName(0xFFFFFFF1), nullptr);
    EXPECT_EQ(std::string(first), copy);
}

TEST(RxntLibrary, IsFoundByItsExactFileName) {
    SetCurrentDirectoryA(TestProgramFolder().c_str());
    HMODULE library = LoadLibraryA("RXNT.DLL");
    ASSERT_TRUE(library);
    EXPECT_TRUE(GetProcAddress(library, "getAPPFileName"));
    FreeLibrary(library);
}

}  // namespace
