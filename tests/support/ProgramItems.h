// Groups and macros as the command file holds them, for the tests that start
// Tovanix.exe with a command file of their own.
#pragma once

#include <string>

inline std::string Group(const std::string& id, const std::string& name, const std::string& ir = "",
                         const std::string& startMacro = "") {
    return "ID:" + id + "\r\nNAME:" + name + "\r\nIRCOMMAND:" + ir + "\r\nMACROID:" + startMacro +
           "\r\nDISABLED:0\r\n";
}

inline std::string Macro(const std::string& id, const std::string& name, const std::string& commands,
                         const std::string& group = "", const std::string& ir = "",
                         const std::string& caption = "") {
    return "ID:" + id + "\r\nNAME:" + name + "\r\nAPPID:" + group + "\r\nIRCOMMAND:" + ir +
           "\r\nCOMMANDS:" + commands + "\r\nDISABLED:0\r\nCURRENTWINDOW:" + (caption.empty() ? "1" : "0") +
           "\r\nTARGETFILE:\r\nTARGETCAPTION:" + caption +
           "\r\nLEAVEWINDOW:0\r\nDONTFOCUS:0\r\nOSD:0\r\nSELECT:0\r\nLOOP:0\r\nHIDDEN:0\r\n";
}

// A macro of the large command files that the figures and the fault test
// load: its number gives its ID, name and remote button.
inline std::string NumberedMacro(int number, const std::string& group) {
    const std::string id = std::to_string(number);
    return Macro("M" + id, "Macro " + id, "TYPE:hello,ENTER", group, "remote.button" + id);
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
