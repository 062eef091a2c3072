#pragma once
// The limit of a text that holds at most a fixed number of characters.
#include <cstddef>

namespace zolvik {

// Whether a text of `length` characters stays within `capacity` when `removed` of them (at
// most `length`) are replaced by `added` new ones.
constexpr bool EditFits(std::size_t length, std::size_t removed, std::size_t added,
                        std::size_t capacity)
{
    return length - removed <= capacity && added <= capacity - (length - removed);
}

}  // namespace zolvik
