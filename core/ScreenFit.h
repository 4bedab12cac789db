// Windows that come back at a stored size and place fit the work area they
// open on: the stored values may come from another display, or be typed
// into the registry.
#pragma once

struct ScreenArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A stored width or height no larger than the area's and at least minimum;
// an area smaller than minimum wins.
int FitExtent(int stored, int areaExtent, int minimum);

// The start (left or top) that centres a window of that extent on the span
// of the area that begins at areaStart; halves go to the even neighbour.
int CentredStart(int areaStart, int areaExtent, int extent);
