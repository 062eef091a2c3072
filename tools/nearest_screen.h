#pragma once
// Which monitor a window belongs on when its stored place is on none of them.
#include <cstdint>
#include <span>

namespace zolvik {

// A rectangle of the desktop: its top-left corner and its size in pixels.
struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// The index of the screen nearest to `window` by the shortest distance between the two
// rectangles (0 when they overlap or touch), the first of equals; -1 when there is no screen.
int NearestScreen(const ScreenRect &window, std::span<const ScreenRect> screens);

}  // namespace zolvik
