#include "tools/nearest_screen.h"

#include <algorithm>

namespace zolvik {

namespace {

// The gap between the spans [aStart, aStart + aLength) and [bStart, bStart + bLength).
std::int64_t SpanGap(std::int64_t aStart, std::int64_t aLength, std::int64_t bStart,
                     std::int64_t bLength)
{
    return std::max<std::int64_t>({0, bStart - (aStart + aLength), aStart - (bStart + bLength)});
}

std::int64_t SquaredGap(const ScreenRect &a, const ScreenRect &b)
{
    const std::int64_t dx = SpanGap(a.left, a.width, b.left, b.width);
    const std::int64_t dy = SpanGap(a.top, a.height, b.top, b.height);
    return dx * dx + dy * dy;
}

}  // namespace

int NearestScreen(const ScreenRect &window, std::span<const ScreenRect> screens)
{
    int nearest = -1;
    std::int64_t nearestGap = 0;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const std::int64_t gap = SquaredGap(window, screens[i]);
        if (nearest < 0 || gap < nearestGap) {
            nearest = static_cast<int>(i);
            nearestGap = gap;
        }
    }
    return nearest;
}

}  // namespace zolvik
