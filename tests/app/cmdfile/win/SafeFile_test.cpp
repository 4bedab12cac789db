// Reading and safely replacing whole files, on real files under Wine.
#include "SafeFile.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <tuple>

#include "WinTestSupport.h"

namespace {

using namespace std::string_literals;

class CommandFileSafeWriteTest : public ::testing::Test {
  protected:
    std::string File(const char* name) const { return folder.path() + name; }

    // The names of everything in the folder: no temporary file may stay.
    std::set<std::string> FolderEntries() const {
        std::set<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder.path() + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
                names.insert(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    static void ExpectFailureNaming(const WriteResult& result, const std::string& path) {
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find("\"" + path + "\""), std::string::npos) << result.message;
    }

    TempFolder folder;
};

// Which file a name stands for: its volume and index.
using FileIdentity = std::tuple<DWORD, DWORD, DWORD>;

FileIdentity IdentityOf(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

const std::string kText = "ID:M1\r\nNAME:a\0b\r\nCOMMANDS:ENTER\r\n"s;

// --- Writing

TEST_F(CommandFileSafeWriteTest, WritesANewFileByteForByte) {
    const WriteResult result = WriteFileSafely(File("TOVANIX.CMD"), kText);
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(ReadWholeFile(File("TOVANIX.CMD")), kText);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"TOVANIX.CMD"});
}

TEST_F(CommandFileSafeWriteTest, ReplacesALongerFileAndLeavesNothingElse) {
    WriteWholeFile(File("TOVANIX.CMD"), std::string(100000, 'o'));
    ASSERT_TRUE(WriteFileSafely(File("TOVANIX.CMD"), kText).ok);
    EXPECT_EQ(ReadWholeFile(File("TOVANIX.CMD")), kText);
    ASSERT_TRUE(WriteFileSafely(File("TOVANIX.CMD"), "").ok);
    EXPECT_EQ(ReadWholeFile(File("TOVANIX.CMD")), "");
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"TOVANIX.CMD"});
}

// The new text is written to another file, which takes the name in one
// step: the old file is never opened for writing, so it cannot be left
// half-written.
TEST_F(CommandFileSafeWriteTest, NewTextArrivesAsAnotherFile) {
    WriteWholeFile(File("TOVANIX.CMD"), "ID:M1\r\nNAME:old\r\n");
    const FileIdentity old = IdentityOf(File("TOVANIX.CMD"));
    ASSERT_TRUE(WriteFileSafely(File("TOVANIX.CMD"), kText).ok);
    EXPECT_NE(IdentityOf(File("TOVANIX.CMD")), old);
    EXPECT_EQ(ReadWholeFile(File("TOVANIX.CMD")), kText);
}

TEST_F(CommandFileSafeWriteTest, BareFileNameIsWrittenInTheCurrentFolder) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.path().c_str()));
    const WriteResult result = WriteFileSafely("bare.cmd", kText);
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(ReadWholeFile(File("bare.cmd")), kText);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"bare.cmd"});
}

TEST_F(CommandFileSafeWriteTest, ForwardSlashesServeAsWell) {
    std::string path = File("slashed.cmd");
    for (char& c : path) c = c == '\\' ? '/' : c;
    EXPECT_TRUE(WriteFileSafely(path, kText).ok);
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"slashed.cmd"});
}

// --- Failing writes keep the old file and name it

TEST_F(CommandFileSafeWriteTest, TargetThatIsAFolderIsKept) {
    const std::string target = File("TOVANIX.CMD");
    ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
    ExpectFailureNaming(WriteFileSafely(target, kText), target);
    EXPECT_EQ(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_DIRECTORY, DWORD(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"TOVANIX.CMD"});
    RemoveDirectoryA(target.c_str());
}

TEST_F(CommandFileSafeWriteTest, MissingFolderGetsNoTemporaryFile) {
    const std::string target = File("missing\\TOVANIX.CMD");
    const WriteResult result = WriteFileSafely(target, kText);
    ExpectFailureNaming(result, target);
    EXPECT_NE(result.message.find("left as it was"), std::string::npos) << result.message;
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(CommandFileSafeWriteTest, FileHeldOpenWithoutSharingIsKept) {
    const std::string target = File("TOVANIX.CMD");
    WriteWholeFile(target, "old");
    HANDLE holder = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const WriteResult result = WriteFileSafely(target, kText);
    CloseHandle(holder);
    ExpectFailureNaming(result, target);
    EXPECT_EQ(ReadWholeFile(target), "old");
    EXPECT_EQ(FolderEntries(), std::set<std::string>{"TOVANIX.CMD"});
}

// --- Reading

TEST_F(CommandFileSafeWriteTest, ReadsEveryByteOfALargeFile) {
    std::string text;
    for (int i = 0; i < 300000; ++i) text += static_cast<char>(i % 251);
    WriteWholeFile(File("big.cmd"), text);
    std::string read = "junk";
    ASSERT_TRUE(ReadFileText(File("big.cmd"), read));
    EXPECT_EQ(read, text);
}

TEST_F(CommandFileSafeWriteTest, ReadsAnEmptyFileAsEmpty) {
    WriteWholeFile(File("empty.cmd"), "");
    std::string read = "junk";
    ASSERT_TRUE(ReadFileText(File("empty.cmd"), read));
    EXPECT_EQ(read, "");
}

TEST_F(CommandFileSafeWriteTest, MissingFileOrFolderCannotBeRead) {
    std::string read;
    EXPECT_FALSE(ReadFileText(File("missing.cmd"), read));
    EXPECT_FALSE(ReadFileText(folder.path(), read));
}

TEST_F(CommandFileSafeWriteTest, ReadsAFileThatAnotherProgramHasOpenForWriting) {
    WriteWholeFile(File("open.cmd"), kText);
    HANDLE writer = CreateFileA(File("open.cmd").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    std::string read;
    EXPECT_TRUE(ReadFileText(File("open.cmd"), read));
    CloseHandle(writer);
    EXPECT_EQ(read, kText);
}

}  // namespace
