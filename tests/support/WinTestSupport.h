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
// The text on the clipboard, empty when there is none.
std::string ClipboardText();
void WriteWholeFile(const std::string& path, const std::string& text);

// Runs a program with a command line, waits for it (at most timeoutMs) and
// returns its exit code, or -1 when it could not start or did not end.
int RunProgram(const std::string& program, const std::string& arguments, DWORD timeoutMs = 10000);

// While it lives, .html files open with openCommand (a command line with "%1"
// for the file), or with no program at all when it is empty; the previous
// association comes back. The shell reads the machine's classes, which are
// the test prefix's own.
class HtmlAssociation {
  public:
    explicit HtmlAssociation(const std::string& openCommand);
    ~HtmlAssociation();
    HtmlAssociation(const HtmlAssociation&) = delete;
    HtmlAssociation& operator=(const HtmlAssociation&) = delete;

  private:
    std::string previousType_;
};

// Stands in for the web browser while it lives: .html files open with
// program (arg_recorder.exe or a copy), which writes its arguments to a file.
class RecordingBrowser {
  public:
    explicit RecordingBrowser(const std::string& program = TestProgramFolder() + "arg_recorder.exe");
    ~RecordingBrowser();
    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;

    // The arguments it was started with, one a line; waits up to five
    // seconds for it to run, and is empty when it did not.
    std::string Arguments() const;

  private:
    TempFolder folder_;
    std::string record_;
    HtmlAssociation association_;
};

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
