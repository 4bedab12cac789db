#include "core/ScreenFit.h"

#include <algorithm>
#include <cmath>

int FitExtent(int stored, int areaExtent, int minimum) {
    return std::max(std::min(std::max(stored, minimum), areaExtent), 0);
}

int CentredStart(int areaStart, int areaExtent, int extent) {
    return areaStart + static_cast<int>(std::nearbyint((static_cast<double>(areaExtent) - extent) / 2.0));
}
