// Compares every element of the tables zolvik_embed made with the file they were made from.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "firmware16.h"    // cpp, 16 bits, little endian
#include "firmware16be.h"  // cpp, 16 bits, big endian
#include "firmware32be.h"  // c-stdint, 32 bits, big endian
#include "firmware8.h"     // c-stdint, 8 bits

namespace {

std::vector<unsigned char> FileBytes()
{
    std::ifstream file(EMBEDDED_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The element `index` of `width` bytes, assembled from the file's bytes.
std::uint32_t Element(const std::vector<unsigned char> &bytes, std::size_t index, int width,
                      bool bigEndian)
{
    std::uint32_t value = 0;
    for (int k = 0; k < width; ++k) {
        const int shift = 8 * (bigEndian ? width - 1 - k : k);
        value |= static_cast<std::uint32_t>(bytes[index * width + k]) << shift;
    }
    return value;
}

template <typename Elements>
int Check(const char *name, const Elements &table, std::size_t count,
          const std::vector<unsigned char> &bytes, int width, bool bigEndian)
{
    int faults = 0;
    if (count != bytes.size() / width) {
        std::printf("%s: %zu elements, the file makes %zu\n", name, count, bytes.size() / width);
        return 1;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t expected = Element(bytes, i, width, bigEndian);
        if (table[i] != expected) {
            std::printf("%s[%zu] = 0x%X, the file gives 0x%X\n", name, i,
                        static_cast<unsigned>(table[i]), static_cast<unsigned>(expected));
            ++faults;
        }
    }
    return faults;
}

}  // namespace

int main()
{
    const std::vector<unsigned char> bytes = FileBytes();
    if (bytes.empty()) {
        std::printf("cannot read %s\n", EMBEDDED_FILE);
        return 1;
    }
    int faults = Check("firmware8", firmware8, firmware8_len, bytes, 1, false);
    faults += Check("firmware16", firmware16, firmware16.size(), bytes, 2, false);
    faults += Check("firmware16be", firmware16be, firmware16be.size(), bytes, 2, true);
    faults += Check("firmware32be", firmware32be, sizeof firmware32be / sizeof firmware32be[0],
                    bytes, 4, true);
    if (faults == 0)
        std::printf("%zu bytes embedded four ways, every element matches\n", bytes.size());
    return faults == 0 ? 0 : 1;
}
