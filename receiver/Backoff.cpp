#include "receiver/Backoff.h"

#include <algorithm>

std::chrono::milliseconds Backoff::Next() {
    const std::chrono::milliseconds wait = next_;
    next_ = std::min(next_ * 2, kLongest);
    return wait;
}
