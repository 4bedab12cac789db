// The installer as a user meets it: installed silently into a folder of
// their choice, Tovanix run from there with the sender tool, installed again
// over the user's own command file, and uninstalled as "Apps" does it.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "core/Settings.h"
#include "tests/support/ProgramItems.h"
#include "tests/support/TestWindow.h"
#include "tests/support/TovanixProgram.h"
#include "tests/support/WinTestSupport.h"

namespace {

const char* const kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tovanix";
const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string PackageFolder() { return TestProgramFolder() + "..\\package\\"; }

// The files the packages were made from, relative to the program folder:
// the installer's payload apart from the command file and the button list,
// which are the user's.
std::vector<std::string> PayloadFiles(const std::string& folder = PackageFolder() + "work\\payload\\",
                                      const std::string& relative = "") {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + relative + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        const std::string name = relative + found.cFileName;
        if (found.cFileName[0] == '.' || name == "TOVANIX.CMD" || name == "BTNLIST.TXT") continue;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            files.push_back(name);
            continue;
        }
        for (const std::string& inner : PayloadFiles(folder, name + "\\")) files.push_back(inner);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

// A value of HKEY_CURRENT_USER as text ("" when missing; DWORDs in decimal).
std::string UserValue(const char* key, const char* name) {
    char text[1024] = "";
    DWORD size = sizeof text;
    DWORD type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, text, &size) !=
        ERROR_SUCCESS)
        return "";
    if (type == REG_DWORD) return std::to_string(*reinterpret_cast<DWORD*>(text));
    return text;
}

bool KeyExists(const char* key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string StartMenuShortcut() {
    char programs[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    return std::string(programs) + "\\Tovanix.lnk";
}

// Runs a command line as the registry holds it: "program" arguments.
int RunCommandLine(const std::string& commandLine) {
    const size_t close = commandLine.find('"', 1);
    if (commandLine.empty() || commandLine[0] != '"' || close == std::string::npos) return -1;
    return RunProgram(commandLine.substr(1, close - 1), commandLine.substr(close + 1), 60000);
}

class Installer : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
        WriteSetting(setting::OSD, 0);
        WriteStartSetting(true);
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
        // Wine starts what the Run key names with each new session.
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Tovanix");
        RegDeleteTreeA(HKEY_CURRENT_USER, kUninstallKey);
        DeleteFileA(StartMenuShortcut().c_str());
    }

    int Install() {
        const std::string setup = PackageFolder() + "Tovanix-" TOVANIX_VERSION "-setup.exe";
        // /D= comes last and is never quoted; the folder does not exist yet.
        return RunProgram(setup, "/S /D=" + installed.substr(0, installed.size() - 1), 60000);
    }

    TempFolder temp;
    const std::string installed = temp.path() + "My Programs\\Tovanix\\";
};

TEST_F(Installer, InstallsRunsAndUninstallsKeepingTheUsersFiles) {
    const std::vector<std::string> payload = PayloadFiles();
    ASSERT_GE(payload.size(), 10u);
    ASSERT_EQ(Install(), 0);
    for (const std::string& file : payload) EXPECT_TRUE(FileExists(installed + file)) << file;
    EXPECT_TRUE(FileExists(installed + "Uninstall.exe"));
    EXPECT_EQ(ReadWholeFile(installed + "TOVANIX.CMD"),
              ReadWholeFile(TestProgramFolder() + "sample_TOVANIX.CMD"));
    EXPECT_TRUE(FileExists(installed + "BTNLIST.TXT"));
    EXPECT_TRUE(FileExists(StartMenuShortcut()));
    EXPECT_EQ(UserValue(kRunKey, "Tovanix"), "\"" + installed + "Tovanix.exe\"");
    EXPECT_EQ(UserValue(kUninstallKey, "DisplayName"), "Tovanix");
    EXPECT_EQ(UserValue(kUninstallKey, "DisplayVersion"), TOVANIX_VERSION);
    EXPECT_EQ(UserValue(kUninstallKey, "Publisher"), "Morvale");
    EXPECT_EQ(UserValue(kUninstallKey, "InstallLocation") + "\\", installed);
    EXPECT_EQ(UserValue(kUninstallKey, "UninstallString"), "\"" + installed + "Uninstall.exe\"");
    EXPECT_EQ(UserValue(kUninstallKey, "NoModify"), "1");
    EXPECT_EQ(UserValue(kUninstallKey, "NoRepair"), "1");

    // The user's own command file and button list, run from the installed folder.
    const std::string commandFile =
        Macro("M1", "Witness", "SENDMESSAGE:1031:1:2", "", "KEY_OK", "Press witness");
    const std::string buttonList = "ID:1\r\nCAPTION:Play\r\n";
    WriteWholeFile(installed + "TOVANIX.CMD", commandFile);
    WriteWholeFile(installed + "BTNLIST.TXT", buttonList);
    {
        TestWindow witness("Press witness");
        TovanixProgram tovanix(installed);
        ASSERT_TRUE(tovanix.Start());
        ASSERT_TRUE(WaitFor([&] { return tovanix.Caption() == "Tovanix - receiving"; }, 9000));
        EXPECT_EQ(RunProgram(installed + "tovsend.exe", "KEY_OK"), 0);
        EXPECT_TRUE(WaitFor([&] { return !witness.userMessages.empty(); }, 3000));
        EXPECT_EQ(witness.userMessages, (std::vector<std::string>{"1031 1 2"}));
        ASSERT_TRUE(tovanix.Close());
    }

    // A second install keeps the user's command file and button list.
    ASSERT_EQ(Install(), 0);
    EXPECT_EQ(ReadWholeFile(installed + "TOVANIX.CMD"), commandFile);
    EXPECT_EQ(ReadWholeFile(installed + "BTNLIST.TXT"), buttonList);

    // The uninstaller runs from a copy of itself and returns at once: its
    // last step takes the key away.
    ASSERT_EQ(RunCommandLine(UserValue(kUninstallKey, "QuietUninstallString")), 0);
    ASSERT_TRUE(WaitFor([&] { return !KeyExists(kUninstallKey); }, 30000));
    for (const std::string& file : payload) EXPECT_FALSE(FileExists(installed + file)) << file;
    EXPECT_FALSE(FileExists(installed + "Uninstall.exe"));
    EXPECT_FALSE(FileExists(installed + "docs"));
    EXPECT_FALSE(FileExists(StartMenuShortcut()));
    EXPECT_EQ(UserValue(kRunKey, "Tovanix"), "");
    EXPECT_EQ(ReadWholeFile(installed + "TOVANIX.CMD"), commandFile);
    EXPECT_EQ(ReadWholeFile(installed + "BTNLIST.TXT"), buttonList);
}

}  // namespace
