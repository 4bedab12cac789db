// tovdrv's life cycle and driver selection, with the real driver libraries.
#include "receiver/tovdrv.h"

#include <windows.h>
#include <gtest/gtest.h>

// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstring>
#include <string>
#include <utility>

#include "core/Settings.h"
#include "tests/support/ReceiverTestSupport.h"
#include "tests/support/SettingOverride.h"
#include "tests/support/WinTestSupport.h"

namespace {

// The tests' program is not Tovanix.exe: drivers come from the current folder.
class TovdrvTest : public testing::Test {
  protected:
    void SetUp() override { SetCurrentDirectoryA(TestProgramFolder().c_str()); }
    void TearDown() override { DRV_Close(); }
};

TEST_F(TovdrvTest, EmptyDriverSelectsTheLocalReceiver) {
    SettingOverride driver(setting::Driver, "");
    EXPECT_TRUE(DRV_Init());
    EXPECT_FALSE(DRV_IsActivated());
    EXPECT_TRUE(DRV_Activate());
    EXPECT_TRUE(DRV_IsActivated());
    EXPECT_TRUE(DRV_Deactivate());
    EXPECT_FALSE(DRV_IsActivated());
}

TEST_F(TovdrvTest, EachDriverLibraryInitialises) {
    for (const char* file : {"tovlocal.dll", "tovnet.dll", "tovirman.dll", "tovhid.dll"}) {
        SettingOverride driver(setting::Driver, file);
        EXPECT_TRUE(DRV_Init()) << file;
        DRV_Close();
    }
}

TEST_F(TovdrvTest, AMissingLibraryOrOneThatIsNoDriverFails) {
    for (const char* file : {"nosuch.dll", "tovdrv.dll", "RXNT.DLL", "tovsend.exe", "..\\bin\\tovlocal.dll",
                             "C:\\windows\\system32\\kernel32.dll"}) {
        SettingOverride driver(setting::Driver, file);
        EXPECT_FALSE(DRV_Init()) << file;
        EXPECT_FALSE(DRV_Activate()) << file;
        EXPECT_FALSE(DRV_IsActivated()) << file;
    }
}

TEST_F(TovdrvTest, NothingWorksBeforeInitOrAfterClose) {
    EXPECT_FALSE(DRV_Activate());
    SettingOverride driver(setting::Driver, "");
    ASSERT_TRUE(DRV_Init());
    ASSERT_TRUE(DRV_Activate());
    DRV_Close();
    EXPECT_FALSE(DRV_IsActivated());
    EXPECT_FALSE(DRV_Activate());
    EXPECT_TRUE(DRV_Deactivate());
}

TEST_F(TovdrvTest, InitAfterCloseWorksAgain) {
    SettingOverride driver(setting::Driver, "");
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(DRV_Init());
        ASSERT_TRUE(DRV_Activate());
        DRV_Close();
    }
}

TEST_F(TovdrvTest, InitWhileActiveReleasesTheOldReceiverFirst) {
    SettingOverride driver(setting::Driver, "");
    ASSERT_TRUE(DRV_Init());
    ASSERT_TRUE(DRV_Activate());
    ASSERT_TRUE(DRV_Init());
    EXPECT_FALSE(DRV_IsActivated());
    // The local channel of the first receiver is free again.
    EXPECT_TRUE(DRV_Activate());
}

TEST_F(TovdrvTest, ADriverOfTheFirstInterfaceVersionStillWorks) {
    SettingOverride driver(setting::Driver, "version1_driver.dll");
    Recorder recorder;
    ASSERT_TRUE(DRV_Init());
    DRV_SetIRCommandProc(recorder.proc());
    ASSERT_TRUE(DRV_Activate());
    ASSERT_TRUE(recorder.WaitFor(1));
    EXPECT_EQ(recorder.commands, (std::vector<std::string>{"old.KEY_OK"}));
}

TEST_F(TovdrvTest, NoDriverOffersLearning) {
    SettingOverride driver(setting::Driver, "");
    ASSERT_TRUE(DRV_Init());
    EXPECT_FALSE(DRV_LearnAvailable());
    TIRCommand command = "junk";
    DRV_Learn(command);
    EXPECT_STREQ(command, "");
}

int ThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    CloseHandle(snapshot);
    return count;
}

// As the settings dialog lists drivers: load, ask the name, unload.
TEST(DriverLibraries, GiveTheirNameAndDoNothingElseWhenLoaded) {
    const std::string folder = TestProgramFolder();
    const int threads = ThreadCount();
    const std::pair<const char*, const char*> drivers[] = {{"tovlocal.dll", "Local receiver (tovsend)"},
                                                           {"tovnet.dll", "Network receiver (lircd/WinLIRC)"},
                                                           {"tovirman.dll", "IRMan serial receiver"}};
    for (const auto& [file, expected] : drivers) {
        HMODULE library = LoadLibraryA((folder + file).c_str());
        ASSERT_TRUE(library) << file;
        auto getDriverName = reinterpret_cast<void (*)(char*)>(
            reinterpret_cast<void*>(GetProcAddress(library, "getDriverName")));
        ASSERT_TRUE(getDriverName) << file;
        char name[33];
        std::memset(name, 'x', sizeof name);
        getDriverName(name);
        // Whole: a name longer than 32 characters would be cut.
        EXPECT_EQ(std::string(name), expected) << file;
        EXPECT_EQ(FindWindowA("TovanixReceiverDelivery", nullptr), nullptr);
        EXPECT_TRUE(FreeLibrary(library));
    }
    EXPECT_EQ(ThreadCount(), threads);
}

TEST(DriverLibraries, RefuseAnInterfaceVersionTheyDoNotSpeak) {
    HMODULE library = LoadLibraryA((TestProgramFolder() + "tovnet.dll").c_str());
    ASSERT_TRUE(library);
    auto entry = reinterpret_cast<const void* (*)(unsigned)>(
        reinterpret_cast<void*>(GetProcAddress(library, "tovReceiverDriver")));
    ASSERT_TRUE(entry);
    EXPECT_NE(entry(2), nullptr);
    EXPECT_EQ(entry(1), nullptr) << "a host of version 1 offers no status function";
    EXPECT_EQ(entry(0), nullptr);
    EXPECT_EQ(entry(3), nullptr);
    FreeLibrary(library);
}

}  // namespace
