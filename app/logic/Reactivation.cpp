#include "app/logic/Reactivation.h"

#include <cstdint>

bool ReactivationDue(int idleSeconds, int reactivateMinutes) {
    return static_cast<int64_t>(idleSeconds) >= static_cast<int64_t>(reactivateMinutes) * 60;
}
