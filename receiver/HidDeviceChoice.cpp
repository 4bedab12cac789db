#include "receiver/HidDeviceChoice.h"

#include <cctype>
#include <cstdio>

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::vector<std::string> StoredNames(const std::string& stored) {
    std::vector<std::string> names;
    std::size_t begin = 0;
    while (begin <= stored.size()) {
        std::size_t end = stored.find('|', begin);
        if (end == std::string::npos) end = stored.size();
        if (end > begin) names.push_back(stored.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

std::set<std::string> ChosenKeyboards(const std::string& stored) {
    std::set<std::string> chosen;
    for (const std::string& name : StoredNames(stored)) chosen.insert(Upper(name));
    return chosen;
}

std::string StoredKeyboards(const std::vector<std::string>& deviceNames) {
    std::string stored;
    for (const std::string& name : deviceNames) stored += (stored.empty() ? "" : "|") + name;
    return stored;
}

std::string KeyboardsAfterChoice(const std::string& stored, const std::vector<std::string>& present,
                                 const std::vector<std::string>& ticked) {
    const std::set<std::string> presentNames = ChosenKeyboards(StoredKeyboards(present));
    std::vector<std::string> chosen;
    for (const std::string& name : StoredNames(stored))
        if (!IsChosenKeyboard(presentNames, name)) chosen.push_back(name);
    chosen.insert(chosen.end(), ticked.begin(), ticked.end());
    return StoredKeyboards(chosen);
}

bool IsChosenKeyboard(const std::set<std::string>& chosen, const std::string& deviceName) {
    return chosen.count(Upper(deviceName)) > 0;
}

std::string DeviceLabel(const std::string& product, const std::string& deviceName, unsigned vendor,
                        unsigned productId) {
    char ids[40];
    std::snprintf(ids, sizeof ids, " (VID %04X, PID %04X)", vendor & 0xFFFF, productId & 0xFFFF);
    return (product.empty() ? deviceName : product) + ids;
}

std::string ReceivingText(bool anyDevice) {
    return anyDevice ? "Tovanix is receiving the buttons of Windows remotes (HID)."
                     : "Tovanix finds no remote (HID) on this computer and will receive from one as soon "
                       "as it is plugged in.";
}

std::string DeviceAddedText(const std::string& label) {
    return "A remote (HID) was plugged in: " + label + ".";
}

std::string DeviceRemovedText(const std::string& label) {
    return "A remote (HID) was unplugged: " + label + ".";
}
