#include "core/LaunchElement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct LaunchCase {
    const char* element;
    const char* file;
    const char* parameters;
    bool deactivate;
    bool oneInstance;
};

void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.element; }

class SplitLaunchTest : public testing::TestWithParam<LaunchCase> {};

TEST_P(SplitLaunchTest, ReadsFileParametersAndOptions) {
    const LaunchCase& c = GetParam();
    const LaunchElement launch = SplitLaunch(c.element);
    EXPECT_EQ(launch.file, c.file);
    EXPECT_EQ(launch.parameters, c.parameters);
    EXPECT_EQ(launch.deactivate, c.deactivate);
    EXPECT_EQ(launch.oneInstance, c.oneInstance);
}

INSTANTIATE_TEST_SUITE_P(
    Written, SplitLaunchTest,
    testing::Values(LaunchCase{"LAUNCH:I:C:\\Tools\\app.exe -x", "C:\\Tools\\app.exe", "-x", false, true},
                    LaunchCase{"LAUNCH:D:I:C:\\Tools\\app.exe -v", "C:\\Tools\\app.exe", "-v", true, true},
                    LaunchCase{"LAUNCH:D:C:\\Tools\\app.exe", "C:\\Tools\\app.exe", "", true, false},
                    LaunchCase{"LAUNCH:notes.txt", "notes.txt", "", false, false},
                    LaunchCase{"LAUNCH:C:\\run.com /q", "C:\\run.com", "/q", false, false},
                    LaunchCase{"LAUNCH:C:\\b.bat one two", "C:\\b.bat", "one two", false, false}));

INSTANTIATE_TEST_SUITE_P(Empty, SplitLaunchTest,
                         testing::Values(LaunchCase{"LAUNCH:", "", "", false, false},
                                         LaunchCase{"LAUNCH", "", "", false, false},
                                         LaunchCase{"LAUNCH:   ", "", "", false, false},
                                         LaunchCase{"LAUNCH:I:", "", "", false, true},
                                         LaunchCase{"LAUNCH:D:", "", "", true, false},
                                         LaunchCase{"LAUNCH:D:I:", "", "", true, true},
                                         LaunchCase{"", "", "", false, false},
                                         LaunchCase{"LAUNCHER:x.exe", "", "", false, false},
                                         LaunchCase{"launch:x.exe", "", "", false, false}));

// A letter followed by ":\" is a drive; an option letter is D or I and ":".
INSTANTIATE_TEST_SUITE_P(
    DrivesAndOptions, SplitLaunchTest,
    testing::Values(LaunchCase{"LAUNCH:D:\\Media\\x.exe", "D:\\Media\\x.exe", "", false, false},
                    LaunchCase{"LAUNCH:I:\\Apps\\y.exe -a", "I:\\Apps\\y.exe", "-a", false, false},
                    LaunchCase{"LAUNCH:D:D:\\x.exe", "D:\\x.exe", "", true, false},
                    LaunchCase{"LAUNCH:I:I:\\y.exe", "I:\\y.exe", "", false, true},
                    LaunchCase{"LAUNCH:D:I:\\y.exe", "I:\\y.exe", "", true, false},
                    LaunchCase{"LAUNCH:D:I:D:\\y.exe", "D:\\y.exe", "", true, true},
                    LaunchCase{"LAUNCH:D:\\", "D:\\", "", false, false},
                    LaunchCase{"LAUNCH:I:\\\\server\\share\\app.exe", "\\\\server\\share\\app.exe", "", false,
                               true},
                    LaunchCase{"LAUNCH:d:\\x.exe", "d:\\x.exe", "", false, false},
                    LaunchCase{"LAUNCH:Documents.txt", "Documents.txt", "", false, false},
                    LaunchCase{"LAUNCH:Inkscape.exe --export", "Inkscape.exe", "--export", false, false},
                    LaunchCase{"LAUNCH:D:Inkscape.exe", "Inkscape.exe", "", true, false},
                    LaunchCase{"LAUNCH:I:D:x.exe", "D:x.exe", "", false, true}));

// An extension ends the file only before a blank or the end of the text.
INSTANTIATE_TEST_SUITE_P(
    Extensions, SplitLaunchTest,
    testing::Values(
        LaunchCase{"LAUNCH:http://www.example.com/page", "http://www.example.com/page", "", false, false},
        LaunchCase{"LAUNCH:http://example.com", "http://example.com", "", false, false},
        LaunchCase{"LAUNCH:C:\\My.Executables\\run.bat", "C:\\My.Executables\\run.bat", "", false, false},
        LaunchCase{"LAUNCH:C:\\My.Executables\\run.bat /q", "C:\\My.Executables\\run.bat", "/q", false,
                   false},
        LaunchCase{"LAUNCH:c:\\tools\\APP.Exe   -a  -b  ", "c:\\tools\\APP.Exe", "-a  -b", false, false},
        LaunchCase{"LAUNCH:C:\\example.com tools\\app.exe -x", "C:\\example.com tools\\app.exe", "-x", false,
                   false},
        LaunchCase{"LAUNCH:C:\\Program Files\\Media Player\\player.exe C:\\Music\\a.mp3",
                   "C:\\Program Files\\Media Player\\player.exe", "C:\\Music\\a.mp3", false, false},
        LaunchCase{"LAUNCH:  C:\\a.exe", "C:\\a.exe", "", false, false},
        LaunchCase{"LAUNCH:notes.txt -p", "notes.txt -p", "", false, false},
        LaunchCase{"LAUNCH:.exe", ".exe", "", false, false}));

TEST(SplitLaunch, StripsTheFolderOnRequest) {
    EXPECT_EQ(SplitLaunch("LAUNCH:I:C:\\Tools\\app.exe -x", LaunchFolder::Strip).file, "app.exe");
    EXPECT_EQ(SplitLaunch("LAUNCH:I:C:\\Tools\\app.exe -x", LaunchFolder::Strip).parameters, "-x");
    EXPECT_EQ(SplitLaunch("LAUNCH:notes.txt", LaunchFolder::Strip).file, "notes.txt");
    EXPECT_EQ(SplitLaunch("LAUNCH:D:\\", LaunchFolder::Strip).file, "");
}

TEST(SplitLaunch, ReadsLongElementsWhole) {
    const std::string file = "C:\\" + std::string(300, 'a') + ".exe";
    const std::string parameters = std::string(100, 'p');
    const LaunchElement launch = SplitLaunch("LAUNCH:D:" + file + " " + parameters);
    EXPECT_EQ(launch.file, file);
    EXPECT_EQ(launch.parameters, parameters);
    EXPECT_TRUE(launch.deactivate);
}

TEST(WriteLaunchElement, FormsOptionsFileAndParameters) {
    EXPECT_EQ(WriteLaunchElement({"C:\\Tools\\ed.exe", "", false, true}), "LAUNCH:I:C:\\Tools\\ed.exe");
    EXPECT_EQ(WriteLaunchElement({"C:\\Tools\\app.exe", "-v", true, true}),
              "LAUNCH:D:I:C:\\Tools\\app.exe -v");
    EXPECT_EQ(WriteLaunchElement({"notes.txt", "", false, false}), "LAUNCH:notes.txt");
    EXPECT_EQ(WriteLaunchElement({"x.exe", "-a ", true, false}), "LAUNCH:D:x.exe -a");
}

TEST(WriteLaunchElement, EmptyFileKeepsItsOptions) {
    EXPECT_EQ(WriteLaunchElement({"", "", false, true}), "LAUNCH:I:");
    EXPECT_EQ(WriteLaunchElement({"", "", false, false}), "LAUNCH:");
}

TEST(WriteLaunchElement, ReadsBackAsWritten) {
    const LaunchElement launches[] = {
        {"C:\\Tools\\app.exe", "-x", false, true},
        {"D:\\Media\\x.exe", "", false, false},
        {"D:\\Media\\x.exe", "--full", true, true},
        {"I:\\y.bat", "", false, true},
        {"Documents.txt", "", false, false},
        {"Inkscape.exe", "a b", true, false},
        {"\\\\nas\\apps\\tool.exe", "", true, true},
        {"http://www.example.com/page", "", false, true},
        {"", "", true, true},
    };
    for (const LaunchElement& launch : launches) {
        const std::string element = WriteLaunchElement(launch);
        const LaunchElement back = SplitLaunch(element);
        EXPECT_EQ(back.file, launch.file) << element;
        EXPECT_EQ(back.parameters, launch.parameters) << element;
        EXPECT_EQ(back.deactivate, launch.deactivate) << element;
        EXPECT_EQ(back.oneInstance, launch.oneInstance) << element;
    }
}

}  // namespace
