#include <gtest/gtest.h>

#include <vector>

#include "tools/nearest_screen.h"

using namespace zolvik;

TEST(NearestScreen, ThePlaceClosestToTheStoredWindow)
{
    // Primary, one to its right, one to its left and lower.
    const std::vector<ScreenRect> screens = {
        {0, 0, 1920, 1080}, {1920, 0, 1280, 1024}, {-1600, 200, 1600, 900}};
    struct Case {
        ScreenRect window;
        int screen;
    };
    const Case cases[] = {
        {{5000, 100, 917, 791}, 1},    // far right
        {{-4000, 300, 917, 791}, 2},   // far left
        {{500, -2000, 917, 791}, 0},   // above the primary
        {{2500, 1300, 917, 791}, 1},   // below the right one
        {{-1000, 1300, 917, 791}, 2},  // below the left one, nearer to it than to the primary
        {{1500, 100, 917, 791}, 0},    // overlapping the primary and the right one
        {{2000, 100, 917, 791}, 1},    // on the right one
        {{1915, -50, 10, 10}, 0},      // as far above the primary as above the right one
        {{-1610, 1100, 10, 10}, 2},    // touching the left one's corner
        {{3210, 1034, 10, 10}, 1},     // 10 right of and 10 below the right one's corner
    };
    for (const Case &c : cases)
        EXPECT_EQ(NearestScreen(c.window, screens), c.screen)
            << c.window.left << "," << c.window.top;
    EXPECT_EQ(NearestScreen({0, 0, 10, 10}, {}), -1);
}
