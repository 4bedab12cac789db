// Every program and library that the downloads ship carries the version
// resource with the project's version, and every program the program icon,
// as Explorer shows them.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/support/WinTestSupport.h"

namespace {

bool HasExtension(const std::string& name, const char* extension) {
    return name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, extension) == 0;
}

std::string PayloadFolder() { return TestProgramFolder() + "..\\package\\work\\payload\\"; }

// The payload's programs and libraries, subfolders included, relative to it.
std::vector<std::string> Binaries(const std::string& relative = "") {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((PayloadFolder() + relative + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        const std::string name = relative + found.cFileName;
        if (found.cFileName[0] == '.') continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            for (const std::string& inner : Binaries(name + "\\")) files.push_back(inner);
            continue;
        }
        if (HasExtension(name, ".exe") || HasExtension(name, ".dll")) files.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

std::string FileName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

// The version resource's text of that name in its first language.
std::string VersionText(const std::vector<char>& info, const char* name) {
    struct Translation {
        WORD language;
        WORD codePage;
    }* translations = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &size) ||
        size < sizeof *translations)
        return "";
    char path[128];
    wsprintfA(path, "\\StringFileInfo\\%04x%04x\\%s", translations->language, translations->codePage, name);
    char* text = nullptr;
    if (!VerQueryValueA(info.data(), path, reinterpret_cast<void**>(&text), &size) || !text) return "";
    return text;
}

TEST(Payload, EveryBinaryCarriesTheVersionResourceAndEveryProgramTheIcon) {
    const std::vector<std::string> binaries = Binaries();
    ASSERT_GE(binaries.size(), 11u) << "the payload is missing";
    for (const std::string& binary : binaries) {
        SCOPED_TRACE(binary);
        const std::string path = PayloadFolder() + binary;
        DWORD handle = 0;
        std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &handle));
        ASSERT_FALSE(info.empty()) << "no version resource";
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT size = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
        const std::string fixedVersion = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                         std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                         std::to_string(HIWORD(fixed->dwFileVersionLS));
        EXPECT_EQ(fixedVersion, TOVANIX_VERSION);
        EXPECT_EQ(VersionText(info, "FileVersion"), TOVANIX_VERSION);
        EXPECT_EQ(VersionText(info, "ProductVersion"), TOVANIX_VERSION);
        EXPECT_EQ(VersionText(info, "CompanyName"), "Tovanix");
        EXPECT_EQ(VersionText(info, "ProductName"), "Tovanix");
        EXPECT_EQ(lstrcmpiA(VersionText(info, "OriginalFilename").c_str(), FileName(binary).c_str()), 0);
        EXPECT_EQ(VersionText(info, "FileDescription").rfind("Tovanix ", 0), 0u);
        const bool program = HasExtension(binary, ".exe");
        EXPECT_EQ(fixed->dwFileType, program ? static_cast<DWORD>(VFT_APP) : static_cast<DWORD>(VFT_DLL));
        if (program) {
            EXPECT_GE(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0), 1u) << "no icon";
        }
    }
}

// README.txt is for the user of the download: it points to the manual and
// names no file that the download lacks.
TEST(Payload, TheReadmePointsToTheManualAndNamesOnlyShippedFiles) {
    const std::string readme = ReadWholeFile(PayloadFolder() + "README.txt");
    EXPECT_NE(readme.find("Tovanix.html"), std::string::npos);
    const std::regex fileName(R"([\w/\\-]+\.(html|md|txt|exe|dll|cmd))", std::regex::icase);
    for (std::sregex_iterator match(readme.begin(), readme.end(), fileName), end; match != end; ++match)
        EXPECT_NE(GetFileAttributesA((PayloadFolder() + match->str()).c_str()), INVALID_FILE_ATTRIBUTES)
            << match->str();
}

}  // namespace
