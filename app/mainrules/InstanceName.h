// One Tovanix per program folder: the name of the mutex that the copy
// running from a folder holds.
#pragma once

#include <string>
#include <string_view>

// folder: the program folder with its letters already upper-cased the way
// Windows compares file names. A final "\" and "/" for "\" make no
// difference. Session-wide ("Local\"), and without a "\" after that prefix,
// which a mutex name may not hold: the folder enters as a hash.
std::string InstanceMutexName(std::string_view folder);
