// Helpers for the tests that run real Win32 code under Wine.
#pragma once

#include <windows.h>

#include <string>

// The folder of the running test program, ending in "\".
std::string TestProgramFolder();

// A new empty folder under %TEMP%, removed with its files on destruction.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder, ending in "\".
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& text);

// Runs a program with a command line, waits for it (at most timeoutMs) and
// returns its exit code, or -1 when it could not start or did not end.
int RunProgram(const std::string& program, const std::string& arguments, DWORD timeoutMs = 10000);

// Answers the message boxes that the calling thread shows while it lives:
// records the last one's caption and text and presses its default button.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    int count() const { return count_; }
    const std::string& caption() const { return caption_; }
    const std::string& text() const { return text_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_ = nullptr;
    int count_ = 0;
    std::string caption_;
    std::string text_;
};
