#include <gtest/gtest.h>

#include "tools/text_capacity.h"

using namespace zolvik;

TEST(TextCapacity, AnEditFitsWhenTheTextStaysWithinTheCapacity)
{
    struct Case {
        std::size_t length, removed, added, capacity;
        bool fits;
    };
    const Case cases[] = {
        {0, 0, 65536, 65536, true},  // an empty text filled exactly
        {0, 0, 65537, 65536, false},
        {65535, 0, 1, 65536, true},    // the last character
        {65536, 0, 1, 65536, false},   // a full text takes nothing more
        {65536, 0, 0, 65536, true},    // a key that types nothing
        {65536, 10, 10, 65536, true},  // a selection replaced by as much
        {65536, 10, 11, 65536, false},
        {65536, 65536, 65536, 65536, true},  // the whole text replaced
        {70000, 0, 0, 65536, false},         // already over: nothing fits
        {70000, 5000, 0, 65536, true},
        {10, 0, static_cast<std::size_t>(-1), 65536, false},  // no wrap-around
    };
    for (const Case &c : cases)
        EXPECT_EQ(EditFits(c.length, c.removed, c.added, c.capacity), c.fits)
            << c.length << " - " << c.removed << " + " << c.added;
}
