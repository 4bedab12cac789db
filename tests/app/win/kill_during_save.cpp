// Not a test of the normal run: Tovanix.exe with a command file of 10,000
// items is killed at random moments while it saves, many times over. After
// every kill the command file must be whole (10,000 items, the last one
// complete) and Tovanix must start from it again, and no temporary files
// may pile up beside it. Prints what it saw; exits 1 on the first fault.
//   kill_during_save.exe [rounds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "app/cmdfile/CommandFileReader.h"
#include "app/win/resource.h"
#include "tests/support/ProgramItems.h"
#include "tests/support/TovanixProgram.h"
#include "tests/support/WinTestSupport.h"

namespace {

constexpr int kItems = 10000;

// Why the command file is not whole; "" when it is.
std::string FileFault(const std::string& text) {
    const std::size_t items = ReadCommandFile(text).size();
    if (items != kItems) return "it holds " + std::to_string(items) + " items";
    const std::size_t lastLine = text.rfind("\r\n", text.size() - 3);
    const std::string last = lastLine == std::string::npos ? text : text.substr(lastLine + 2);
    if (last != "HIDDEN:0\r\n" && last != "HIDDEN:1\r\n") return "its last item is cut short";
    return "";
}

// Files beside the command file whose names begin with its own.
int FilesBesideTheCommandFile(const std::string& folder) {
    int count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "TOVANIX.CMD*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do count += std::string(found.cFileName) != "TOVANIX.CMD";
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

double Milliseconds(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
}

bool StartShown(TovanixProgram& tovanix) {
    return tovanix.Start() && WaitFor([&] { return IsWindowVisible(tovanix.MainWindow()) != FALSE; }, 60000);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
    TempFolder folder;
    std::string file = "ID:A1\r\nNAME:Big group\r\nIRCOMMAND:remote.group\r\nMACROID:\r\nDISABLED:0\r\n";
    for (int i = 1; i < kItems; ++i) file += NumberedMacro(i, i < kItems / 2 ? "A1" : "");

    // How long one save takes, to spread the kills over it.
    double saveMs = 0;
    {
        TovanixProgram tovanix(folder);
        tovanix.WriteCommandFile(file);
        if (!StartShown(tovanix)) {
            std::printf("Tovanix did not start\n");
            return 1;
        }
        tovanix.SelectNode(0);
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        tovanix.Command(IDM_DISABLE);
        saveMs = Milliseconds(start);
        tovanix.Close();
    }
    std::printf("one save of %d items takes %.0f ms; killing at random moments within %.0f ms\n", kItems,
                saveMs, saveMs * 1.5);

    std::mt19937 random(GetTickCount());
    std::uniform_int_distribution<int> moment(0, static_cast<int>(saveMs * 1.5));
    int stillOld = 0;
    for (int round = 1; round <= rounds; ++round) {
        TovanixProgram tovanix(folder.path());
        if (!StartShown(tovanix)) {
            std::printf("round %d: Tovanix did not start from the file the last kill left\n", round);
            return 1;
        }
        const std::string before = tovanix.CommandFile();
        tovanix.SelectNode(0);
        const int killAfter = moment(random);
        PostMessageA(tovanix.MainWindow(), WM_COMMAND, IDM_DISABLE, 0);
        Sleep(killAfter);
        tovanix.Kill();

        const std::string after = tovanix.CommandFile();
        const std::string fault = FileFault(after);
        const int beside = FilesBesideTheCommandFile(folder.path());
        if (after == before) ++stillOld;
        std::printf("round %d: killed after %d ms, %s, %d file(s) beside it\n", round, killAfter,
                    after == before ? "file as before" : "file saved anew", beside);
        if (!fault.empty() || beside > 1) {
            std::printf("round %d: the command file is not whole: %s\n", round,
                        fault.empty() ? "files pile up" : fault.c_str());
            return 1;
        }
    }
    std::printf(
        "%d rounds: the command file was whole every time (%d times as before the save, %d saved anew)\n",
        rounds, stillOld, rounds - stillOld);
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Morvale");
    return 0;
}
