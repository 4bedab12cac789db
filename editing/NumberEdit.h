// Number edits with an up-down: what they show after the user typed.
#pragma once

#include <cstdint>
#include <string>

// True when the edit must show the kept number again: the typed text is a
// whole number other than the one kept (outside its range, say). Text that
// is no number yet stays, so that the user can finish typing.
bool ShowsAnotherNumber(const std::string& typed, int32_t kept);
