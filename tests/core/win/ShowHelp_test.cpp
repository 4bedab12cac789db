// Opening the help file through the shell's file associations, and the
// messages when that is not possible.
#include "ShowHelp.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "WinTestSupport.h"

namespace {

const char* const kHandler = "TovanixTestHtml";

std::string HtmlFileType() {
    char type[256] = "";
    LONG size = sizeof type;
    RegQueryValueA(HKEY_CLASSES_ROOT, ".html", type, &size);
    return type;
}

void SetHtmlFileType(const std::string& type) {
    RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, type.c_str(), static_cast<DWORD>(type.size()));
}

// Runs with a fresh current folder: the test program is not Tovanix.exe, so
// the help file is looked up relative to the current folder.
class ShowHelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, previousFolder);
        SetCurrentDirectoryA(folder.path().c_str());
        previousHtmlType = HtmlFileType();
    }
    void TearDown() override {
        SetCurrentDirectoryA(previousFolder);
        SetHtmlFileType(previousHtmlType);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kHandler);
        SetEnvironmentVariableA("TOVANIX_RECORD_FILE", nullptr);
    }

    // Makes .html files open with the given command (none: no open command).
    // The shell reads associations from the machine's classes, which is this
    // test prefix's own; the previous association comes back in TearDown.
    static void AssociateHtml(const std::string& openCommand) {
        SetHtmlFileType(kHandler);
        if (openCommand.empty()) {
            RegSetValueA(HKEY_CLASSES_ROOT, kHandler, REG_SZ, "Test", 4);
        } else {
            const std::string key = std::string(kHandler) + "\\shell\\open\\command";
            RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, openCommand.c_str(),
                         static_cast<DWORD>(openCommand.size()));
        }
    }

    static std::string WaitForFile(const std::string& path) {
        for (int i = 0; i < 100; ++i) {
            std::string text = ReadWholeFile(path);
            if (!text.empty()) return text;
            Sleep(50);
        }
        return "";
    }

    TempFolder folder;
    char previousFolder[MAX_PATH] = "";
    std::string previousHtmlType;
};

TEST_F(ShowHelpTest, WithoutTheHelpFileSaysItIsNotFound) {
    MessageBoxAnswerer answerer;
    ShowHelp(nullptr, "#Index");
    EXPECT_EQ(answerer.count(), 1);
    EXPECT_EQ(answerer.text(), "Help file not found!");
    EXPECT_EQ(answerer.caption(), "Help");
}

TEST_F(ShowHelpTest, OpensTheHelpFileAtTheAnchorWithTheAssociatedProgram) {
    WriteWholeFile(folder.path() + "Tovanix.html",
                   "<html><body><a name=\"Mainwindow\">Help</a></body></html>");
    AssociateHtml("\"" + TestProgramFolder() + "arg_recorder.exe\" \"%1\"");
    const std::string record = folder.path() + "arguments.txt";
    SetEnvironmentVariableA("TOVANIX_RECORD_FILE", record.c_str());

    MessageBoxAnswerer answerer;
    ShowHelp(nullptr, "#Mainwindow");
    EXPECT_EQ(WaitForFile(record), "Tovanix.html#Mainwindow\n");
    EXPECT_EQ(answerer.count(), 0);
}

TEST_F(ShowHelpTest, StartsAnAssociatedProgramWhosePathIsLongerThan256Characters) {
    // The shell hands back paths of up to MAX_PATH characters.
    std::string programFolder = folder.path();
    while (programFolder.size() < 257 - 40) {
        programFolder += std::string(20, 'p') + "\\";
        CreateDirectoryA(programFolder.c_str(), nullptr);
    }
    // Longer than the 256 characters that a smaller buffer would take.
    const std::string program = programFolder + std::string(257 - 4 - programFolder.size(), 'r') + ".exe";
    ASSERT_EQ(program.size(), 257u);
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "arg_recorder.exe").c_str(), program.c_str(), FALSE));
    WriteWholeFile(folder.path() + "Tovanix.html", "<html></html>");
    AssociateHtml("\"" + program + "\" \"%1\"");
    const std::string record = folder.path() + "arguments.txt";
    SetEnvironmentVariableA("TOVANIX_RECORD_FILE", record.c_str());

    MessageBoxAnswerer answerer;
    ShowHelp(nullptr, "#Settings");
    EXPECT_EQ(WaitForFile(record), "Tovanix.html#Settings\n");
    EXPECT_EQ(answerer.count(), 0);
}

TEST_F(ShowHelpTest, WithoutAnAssociationForHtmlSaysSo) {
    WriteWholeFile(folder.path() + "Tovanix.html", "<html></html>");
    AssociateHtml("");
    MessageBoxAnswerer answerer;
    ShowHelp(nullptr, "#Index");
    EXPECT_EQ(answerer.count(), 1);
    EXPECT_EQ(answerer.text(), "There is no association for the HTML file type!");
    EXPECT_EQ(answerer.caption(), "Opening help");
}

}  // namespace
