// The floor of tools/press-benchmark: the least a Wine program can do to turn
// lircd's broadcast into a key. It connects to lircd's TCP port, finds the
// target window once and brings it to the front once, then for every line
// ("<code> <repeat> <button> <remote>") sends the key named by the button's
// last letter (KEY_A -> 'A') with one SendInput call. Nothing else.
//     floor_client.exe <port> "<window title>"
#include <windows.h>
#include <winsock2.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// The key of a button "KEY_<letter>", or 0.
WORD KeyOf(const char* line) {
    char button[64] = "";
    if (std::sscanf(line, "%*s %*s %63s", button) != 1) return 0;
    const size_t length = std::strlen(button);
    if (length != 5 || std::strncmp(button, "KEY_", 4) != 0) return 0;
    return static_cast<WORD>(button[4]);
}

void SendKey(WORD key) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

HWND FindTarget(const char* title) {
    for (int tries = 0; tries < 100; ++tries) {
        if (HWND window = FindWindowA(nullptr, title)) return window;
        Sleep(50);
    }
    return nullptr;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    HWND target = FindTarget(argv[2]);
    if (!target) return 3;
    SetForegroundWindow(target);

    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return 4;
    SOCKET lircd = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(std::atoi(argv[1])));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(lircd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return 5;
    std::printf("connected\n");
    std::fflush(stdout);

    char buffer[4096];
    size_t filled = 0;
    for (;;) {
        const int received = recv(lircd, buffer + filled, static_cast<int>(sizeof buffer - 1 - filled), 0);
        if (received <= 0) break;
        filled += static_cast<size_t>(received);
        buffer[filled] = '\0';
        char* line = buffer;
        while (char* end = std::strchr(line, '\n')) {
            *end = '\0';
            if (const WORD key = KeyOf(line)) SendKey(key);
            line = end + 1;
        }
        filled = static_cast<size_t>(buffer + filled - line);
        std::memmove(buffer, line, filled);
        if (filled == sizeof buffer - 1) filled = 0;  // a line longer than any broadcast
    }
    closesocket(lircd);
    return 0;
}
