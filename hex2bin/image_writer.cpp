#include "hex2bin/image_writer.h"

#include <algorithm>
#include <vector>

namespace hex2bin {
namespace {

constexpr std::size_t kFillBlock = std::size_t{1} << 20;

// Writes gaps of fill bytes from one block, grown to the largest gap met up to 1 MiB.
class FillWriter {
public:
    FillWriter(zolvik::fileio::OutputFile &file, std::uint8_t fill) : file_(file), fill_(fill) {}

    void Write(std::uint64_t count)
    {
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(count, kFillBlock));
        if (block_.size() < wanted)
            block_.resize(wanted, fill_);
        while (count > 0) {
            const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, block_.size()));
            file_.Write(block_.data(), n);
            count -= n;
        }
    }

private:
    zolvik::fileio::OutputFile &file_;
    std::uint8_t fill_;
    std::vector<std::uint8_t> block_;
};

}  // namespace

void WriteImage(const BinaryImage &image, zolvik::fileio::OutputFile &file)
{
    FillWriter gaps(file, image.fill);
    std::uint64_t at = image.start;
    image.ForEachRun([&](const ByteRun &run) {
        gaps.Write(run.address - at);
        file.Write(run.bytes, run.count);
        at = run.End();
    });
    gaps.Write(image.start + image.length - at);
}

}  // namespace hex2bin
