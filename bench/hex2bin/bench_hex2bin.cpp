// Conversion speed of the core on a 16 MiB image held in memory, in the usual 16-byte records.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "hex2bin/convert.h"
#include "hex2bin/intel_hex_writer.h"

namespace {

std::string Record(unsigned type, unsigned offset, const std::uint8_t *data, unsigned count)
{
    char text[2 * 260 + 4];
    unsigned sum = count + (offset >> 8) + (offset & 0xFF) + type;
    int n = std::snprintf(text, sizeof text, ":%02X%04X%02X", count, offset, type);
    for (unsigned i = 0; i < count; ++i) {
        n += std::snprintf(text + n, sizeof text - n, "%02X", data[i]);
        sum += data[i];
    }
    std::snprintf(text + n, sizeof text - n, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
    return text;
}

const std::string &SixteenMiBText()
{
    static const std::string text = [] {
        std::mt19937 random(7);
        std::string hex;
        std::uint8_t data[16];
        for (std::uint32_t address = 0; address < (16u << 20); address += 16) {
            if ((address & 0xFFFF) == 0) {
                const std::uint8_t upper[2] = {static_cast<std::uint8_t>(address >> 24),
                                               static_cast<std::uint8_t>(address >> 16)};
                hex += Record(0x04, 0, upper, 2);
            }
            for (auto &b : data)
                b = static_cast<std::uint8_t>(random());
            hex += Record(0x00, address & 0xFFFF, data, 16);
        }
        return hex + ":00000001FF\n";
    }();
    return text;
}

void BM_ConvertHex16MiB(benchmark::State &state)
{
    const std::string &text = SixteenMiBText();
    for (auto _ : state) {
        const hex2bin::Conversion conversion = hex2bin::ConvertHex(text);
        benchmark::DoNotOptimize(conversion.image().length);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ConvertHex16MiB)->Unit(benchmark::kMillisecond);

void BM_IntelHexText16MiB(benchmark::State &state)
{
    std::vector<std::uint8_t> bytes(16u << 20);
    std::mt19937 random(7);
    for (auto &b : bytes)
        b = static_cast<std::uint8_t>(random());
    for (auto _ : state) {
        const std::string text = hex2bin::IntelHexText(bytes, 0x08000000);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_IntelHexText16MiB)->Unit(benchmark::kMillisecond);

}  // namespace
