// Reading and safely replacing whole files, on real files under Wine.
#include "core/win/SafeFile.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <tuple>

#include "tests/support/WinTestSupport.h"

namespace {

using namespace std::string_literals;

const std::string kText = "ID:M1\r\nNAME:a\0b\r\nCOMMANDS:ENTER\r\n"s;

// Which file a name stands for: its volume and index.
std::tuple<DWORD, DWORD, DWORD> IdentityOf(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

class SafeFileTest : public ::testing::Test {
  protected:
    // Everything in the folder: no temporary file may stay behind.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder.path() + "*").c_str(), &found);
        do {
            if (found.cFileName != "."s && found.cFileName != ".."s) names.insert(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    // A failed write names the file and leaves the folder as it was.
    void ExpectKept(const std::string& path, const std::set<std::string>& entries) {
        const WriteResult result = WriteFileSafely(path, kText);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find("\"" + path + "\""), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("left as it was"), std::string::npos) << result.message;
        EXPECT_EQ(Entries(), entries);
    }

    TempFolder folder;
    const std::string target = folder.path() + "TOVANIX.CMD";
};

TEST_F(SafeFileTest, WritesNewAndReplacesOldFilesByteForByte) {
    const WriteResult result = WriteFileSafely(target, kText);
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(ReadWholeFile(target), kText);
    WriteWholeFile(target, std::string(100000, 'o'));
    ASSERT_TRUE(WriteFileSafely(target, kText).ok);
    EXPECT_EQ(ReadWholeFile(target), kText);
    ASSERT_TRUE(WriteFileSafely(target, "").ok);
    EXPECT_EQ(ReadWholeFile(target), "");
    EXPECT_EQ(Entries(), std::set<std::string>{"TOVANIX.CMD"});
}

// The old file is never opened for writing: the new text arrives as
// another file that takes the name in one step.
TEST_F(SafeFileTest, NewTextArrivesAsAnotherFile) {
    WriteWholeFile(target, "ID:M1\r\nNAME:old\r\n");
    const auto old = IdentityOf(target);
    ASSERT_TRUE(WriteFileSafely(target, kText).ok);
    EXPECT_NE(IdentityOf(target), old);
    EXPECT_EQ(ReadWholeFile(target), kText);
}

TEST_F(SafeFileTest, BareNamesAndForwardSlashesServe) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.path().c_str()));
    const bool bare = WriteFileSafely("bare.cmd", kText).ok;
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(bare);
    std::string slashed = folder.path() + "slashed.cmd";
    for (char& c : slashed) c = c == '\\' ? '/' : c;
    EXPECT_TRUE(WriteFileSafely(slashed, kText).ok);
    EXPECT_EQ(Entries(), (std::set<std::string>{"bare.cmd", "slashed.cmd"}));
}

TEST_F(SafeFileTest, FailedWritesKeepTheOldFile) {
    // The folder does not exist: not even a temporary file can be made.
    ExpectKept(folder.path() + "missing\\TOVANIX.CMD", {});
    // Another program holds the file open and lets nobody remove it.
    WriteWholeFile(target, "old");
    HANDLE holder = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ExpectKept(target, {"TOVANIX.CMD"});
    CloseHandle(holder);
    EXPECT_EQ(ReadWholeFile(target), "old");
    // The name belongs to a folder.
    ASSERT_TRUE(DeleteFileA(target.c_str()));
    ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
    ExpectKept(target, {"TOVANIX.CMD"});
    EXPECT_TRUE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryA(target.c_str());
}

TEST_F(SafeFileTest, AProgramHoldingTheFileForAMomentDoesNotStopTheSave) {
    WriteWholeFile(target, "old");
    HANDLE holder = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    std::thread letGo([holder] {
        Sleep(150);
        CloseHandle(holder);
    });
    const WriteResult result = WriteFileSafely(target, "new");
    letGo.join();
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(ReadWholeFile(target), "new");
    EXPECT_EQ(Entries(), (std::set<std::string>{"TOVANIX.CMD"}));
}

// One temporary name per file: a stale one is overwritten and moved away,
// so that saves cut short never pile files up in the program folder.
TEST_F(SafeFileTest, AStaleTemporaryFileIsReusedAndRemoved) {
    EXPECT_EQ(TemporaryFileOf(target), target + ".tmp");
    WriteWholeFile(target + ".tmp", "half a save");
    for (int save = 0; save < 3; ++save) {
        ASSERT_TRUE(WriteFileSafely(target, kText).ok);
        EXPECT_EQ(Entries(), std::set<std::string>{"TOVANIX.CMD"});
    }
    EXPECT_EQ(ReadWholeFile(target), kText);
    WriteWholeFile(target + ".tmp", "half a save");
    RemoveLeftoverTemporary(target);
    RemoveLeftoverTemporary(target);  // none left: nothing happens
    EXPECT_EQ(Entries(), std::set<std::string>{"TOVANIX.CMD"});
}

// A program that saves over and over is killed midway, again and again.
TEST_F(SafeFileTest, SavesKilledMidwayLeaveOneTemporaryFileAtMost) {
    const std::string writer = TestProgramFolder() + "safe_writer.exe";
    const std::string command = "\"" + writer + "\" \"" + target + "\"";
    const std::set<std::string> allowed = {"TOVANIX.CMD", "TOVANIX.CMD.tmp"};
    for (DWORD delay : {150, 230, 310, 420, 500}) {
        std::string line = command;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(writer.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &process));
        Sleep(delay);
        TerminateProcess(process.hProcess, 9);
        WaitForSingleObject(process.hProcess, 5000);
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        EXPECT_EQ(exitCode, 9u) << "the writer stopped by itself";
        const std::set<std::string> entries = Entries();
        for (const std::string& entry : entries) EXPECT_TRUE(allowed.count(entry)) << entry;
        // The file itself is always one whole text.
        const std::string text = ReadWholeFile(target);
        EXPECT_TRUE(text.empty() || text == std::string(4 << 20, 'a') || text == std::string(4 << 20, 'b'));
    }
    ASSERT_TRUE(WriteFileSafely(target, kText).ok);
    EXPECT_EQ(Entries(), std::set<std::string>{"TOVANIX.CMD"});
}

TEST_F(SafeFileTest, ReadsEveryByteOrFails) {
    std::string text;
    for (int i = 0; i < 300000; ++i) text += static_cast<char>(i % 251);
    WriteWholeFile(target, text);
    std::string read = "junk";
    ASSERT_TRUE(ReadFileText(target, read));
    EXPECT_EQ(read, text);
    WriteWholeFile(target, "");
    ASSERT_TRUE(ReadFileText(target, read));
    EXPECT_EQ(read, "");
    EXPECT_FALSE(ReadFileText(folder.path() + "missing.cmd", read));
    EXPECT_FALSE(ReadFileText(folder.path(), read));
}

TEST_F(SafeFileTest, ReadsAFileThatAnotherProgramIsWriting) {
    WriteWholeFile(target, kText);
    HANDLE writer = CreateFileA(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    std::string read;
    EXPECT_TRUE(ReadFileText(target, read));
    CloseHandle(writer);
    EXPECT_EQ(read, kText);
}

}  // namespace
