#include "hex2bin/summary.h"

#include "hex2bin/hex_record.h"

namespace hex2bin {
namespace {

std::string Counted(std::uint64_t count, const char *one, const char *many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

std::string Range(std::uint64_t first, std::uint64_t end)
{
    return HexAddress(first) + '-' + HexAddress(end - 1);
}

}  // namespace

std::string DescribeData(const SparseImage &data, std::optional<std::uint32_t> start)
{
    std::string text;
    std::uint64_t total = 0;
    std::uint64_t ranges = 0;
    for (std::size_t i = 0; i < data.RunCount();) {
        // Runs are folded apart where their bytes lie apart, so neighbours are joined here.
        const std::uint64_t first = data.Run(i).address;
        std::uint64_t end = data.Run(i).End();
        for (++i; i < data.RunCount() && data.Run(i).address == end; ++i)
            end = data.Run(i).End();
        text += Range(first, end) + ' ' + Counted(end - first, "byte", "bytes") + '\n';
        total += end - first;
        ++ranges;
    }
    if (start)
        text += "start address " + HexAddress(*start) + '\n';
    return text + Counted(total, "byte", "bytes") + " in " + Counted(ranges, "range", "ranges") +
           '\n';
}

std::string DescribeWritten(const std::string &output, const BinaryImage &image,
                            std::optional<std::uint32_t> start)
{
    std::string text = output + ": ";
    if (image.length == 0)
        text += "no addresses, 0 bytes";
    else
        text += Range(image.start, image.start + image.length) + ", " +
                Counted(image.length, "byte", "bytes");
    if (start)
        text += ", start address " + HexAddress(*start);
    return text + '\n';
}

}  // namespace hex2bin
