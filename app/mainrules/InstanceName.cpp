#include "app/mainrules/InstanceName.h"

#include <cstdint>
#include <cstdio>

std::string InstanceMutexName(std::string_view folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.remove_suffix(1);
    // FNV-1a, 64 bits: a path of any length in a name of fixed length.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : folder) {
        hash ^= static_cast<unsigned char>(c == '/' ? '\\' : c);
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("Local\\Tovanix-") + hex;
}
