// Opening the help file through the shell's file associations, and the
// messages when that is not possible.
#include "core/win/ShowHelp.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"

namespace {

// Runs with a fresh current folder: the test program is not Tovanix.exe, so
// the help file is looked up relative to the current folder.
class ShowHelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, previousFolder);
        SetCurrentDirectoryA(folder.path().c_str());
    }
    void TearDown() override { SetCurrentDirectoryA(previousFolder); }

    TempFolder folder;
    char previousFolder[MAX_PATH] = "";
};

// The shell also looks for a file beside the running program, where the
// build puts the help file: it is moved aside while it lives.
class HelpFileMovedAside {
  public:
    explicit HelpFileMovedAside(const std::string& aside)
        : file_(TestProgramFolder() + "Tovanix.html"), aside_(aside) {
        MoveFileExA(file_.c_str(), aside_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    ~HelpFileMovedAside() { MoveFileExA(aside_.c_str(), file_.c_str(), MOVEFILE_REPLACE_EXISTING); }
    HelpFileMovedAside(const HelpFileMovedAside&) = delete;
    HelpFileMovedAside& operator=(const HelpFileMovedAside&) = delete;

  private:
    const std::string file_;
    const std::string aside_;
};

TEST_F(ShowHelpTest, WithoutTheHelpFileSaysItIsNotFound) {
    TempFolder aside;
    HelpFileMovedAside moved(aside.path() + "Tovanix.html");
    MessageBoxAnswerer answerer;
    ShowHelp(nullptr, "#Index");
    EXPECT_EQ(answerer.count(), 1);
    EXPECT_EQ(answerer.text(), "Help file not found!");
    EXPECT_EQ(answerer.caption(), "Help");
}

TEST_F(ShowHelpTest, OpensTheHelpFileAtTheAnchorWithTheAssociatedProgram) {
    WriteWholeFile(folder.path() + "Tovanix.html",
                   "<html><body><a name=\"Mainwindow\">Help</a></body></html>");
    RecordingBrowser browser;

    MessageBoxAnswerer answerer;
    ShowHelp(nullptr, "#Mainwindow");
    EXPECT_EQ(browser.Arguments(), "Tovanix.html#Mainwindow\n");
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
    RecordingBrowser browser(program);

    MessageBoxAnswerer answerer;
    ShowHelp(nullptr, "#Settings");
    EXPECT_EQ(browser.Arguments(), "Tovanix.html#Settings\n");
    EXPECT_EQ(answerer.count(), 0);
}

TEST_F(ShowHelpTest, WithoutAnAssociationForHtmlSaysSo) {
    WriteWholeFile(folder.path() + "Tovanix.html", "<html></html>");
    HtmlAssociation noProgram("");
    MessageBoxAnswerer answerer;
    ShowHelp(nullptr, "#Index");
    EXPECT_EQ(answerer.count(), 1);
    EXPECT_EQ(answerer.text(), "There is no association for the HTML file type!");
    EXPECT_EQ(answerer.caption(), "Opening help");
}

}  // namespace
