// The US keyboard layout (04090409) for printable ASCII characters, with the
// results that VkKeyScanA gives there; any other character has no key.
#pragma once

#include <cstdint>

#include "core/KeyboardLayout.h"

class UsKeyboardLayout final : public KeyboardLayout {
  public:
    int16_t ScanChar(char c) const override {
        constexpr int16_t kShift = 0x100;
        if (c >= 'a' && c <= 'z') return static_cast<int16_t>('A' + (c - 'a'));
        if (c >= 'A' && c <= 'Z') return static_cast<int16_t>(kShift | c);
        if (c >= '0' && c <= '9') return c;
        switch (c) {
            case ' ':
                return 0x20;
            case ')':
                return kShift | '0';
            case '!':
                return kShift | '1';
            case '@':
                return kShift | '2';
            case '#':
                return kShift | '3';
            case '$':
                return kShift | '4';
            case '%':
                return kShift | '5';
            case '^':
                return kShift | '6';
            case '&':
                return kShift | '7';
            case '*':
                return kShift | '8';
            case '(':
                return kShift | '9';
            case ';':
                return 0xBA;
            case ':':
                return kShift | 0xBA;
            case '=':
                return 0xBB;
            case '+':
                return kShift | 0xBB;
            case ',':
                return 0xBC;
            case '<':
                return kShift | 0xBC;
            case '-':
                return 0xBD;
            case '_':
                return kShift | 0xBD;
            case '.':
                return 0xBE;
            case '>':
                return kShift | 0xBE;
            case '/':
                return 0xBF;
            case '?':
                return kShift | 0xBF;
            case '`':
                return 0xC0;
            case '~':
                return kShift | 0xC0;
            case '[':
                return 0xDB;
            case '{':
                return kShift | 0xDB;
            case '\\':
                return 0xDC;
            case '|':
                return kShift | 0xDC;
            case ']':
                return 0xDD;
            case '}':
                return kShift | 0xDD;
            case '\'':
                return 0xDE;
            case '"':
                return kShift | 0xDE;
            default:
                return -1;
        }
    }
};
