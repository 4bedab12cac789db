// The program folder as a program and a library loaded by it see it.
#include <windows.h>
#include <gtest/gtest.h>

#include "core/Paths.h"
#include "tests/support/WinTestSupport.h"

namespace {

// Copies the probe program under the given name beside its library, runs
// it and returns the two folders it reports.
std::pair<std::string, std::string> ProbeAs(const TempFolder& folder, const std::string& programName) {
    const std::string bin = TestProgramFolder();
    const std::string program = folder.path() + programName;
    EXPECT_TRUE(CopyFileA((bin + "folder_probe.exe").c_str(), program.c_str(), FALSE));
    EXPECT_TRUE(CopyFileA((bin + "folder_probe_dll.dll").c_str(),
                          (folder.path() + "folder_probe_dll.dll").c_str(), FALSE));
    const std::string report = folder.path() + "report.txt";
    EXPECT_EQ(RunProgram(program, "\"" + report + "\""), 0);
    const std::string text = ReadWholeFile(report);
    const std::size_t newline = text.find('\n');
    if (newline == std::string::npos) return {"<no report>", "<no report>"};
    return {text.substr(0, newline), text.substr(newline + 1, text.size() - newline - 2)};
}

TEST(ProgramFolder, IsTheFolderOfTovanixExeInTheProgramAndItsLibrary) {
    TempFolder folder;
    auto [program, library] = ProbeAs(folder, "Tovanix.exe");
    EXPECT_EQ(program, folder.path());
    EXPECT_EQ(library, folder.path());
}

TEST(ProgramFolder, LetterCaseOfTheProgramNameDoesNotMatter) {
    TempFolder folder;
    auto [program, library] = ProbeAs(folder, "TOVANIX.EXE");
    EXPECT_EQ(program, folder.path());
    EXPECT_EQ(library, folder.path());
}

TEST(ProgramFolder, IsEmptyForAProgramOfAnotherName) {
    TempFolder folder;
    auto [program, library] = ProbeAs(folder, "Other.exe");
    EXPECT_EQ(program, "");
    EXPECT_EQ(library, "");
}

TEST(ProgramFolder, IsEmptyForTheTestProgramItself) { EXPECT_EQ(ProgramFolder(), ""); }

}  // namespace
