#include "hex2bin/sparse_image.h"

#include <algorithm>
#include <cstring>

namespace hex2bin {

void SparseImage::Write(std::uint64_t address, const std::uint8_t *bytes, std::size_t count)
{
    if (count == 0)
        return;
    if (runs_.empty()) {
        lowest_ = address;
        end_ = address + count;
    } else {
        lowest_ = std::min(lowest_, address);
        end_ = std::max(end_, address + count);
    }
    // bytes_ only ever grows at its end, so the last chunk can be extended in place.
    if (!runs_.empty()) {
        Chunk &last = runs_.back();
        if (last.address + last.count == address && last.offset + last.count == bytes_.size()) {
            bytes_.insert(bytes_.end(), bytes, bytes + count);
            last.count += count;
            return;
        }
    }
    runs_.push_back(Chunk{address, bytes_.size(), count});
    bytes_.insert(bytes_.end(), bytes, bytes + count);
}

std::optional<std::uint64_t> SparseImage::Seal()
{
    std::stable_sort(runs_.begin(), runs_.end(),
                     [](const Chunk &a, const Chunk &b) { return a.address < b.address; });

    // Every chunk starts at or after the chunks before it, so only the tail of the folded list can
    // overlap the next chunk. Its overlapping part is compared with what the tail holds, and only
    // the part beyond the tail's end is kept.
    std::optional<std::uint64_t> conflict;
    std::vector<Chunk> folded;
    folded.reserve(runs_.size());
    for (const Chunk &chunk : runs_) {
        const std::uint64_t chunkEnd = chunk.address + chunk.count;
        std::uint64_t covered = chunk.address;  // bytes of chunk below this were compared
        if (!folded.empty()) {
            const std::uint64_t foldedEnd = folded.back().address + folded.back().count;
            // Folded chunks neither overlap nor fall out of order, so their ends ascend too.
            auto held = std::partition_point(folded.begin(), folded.end(), [&](const Chunk &c) {
                return c.address + c.count <= chunk.address;
            });
            const bool settled = conflict && *conflict < chunk.address;
            for (; !settled && held != folded.end() && held->address < chunkEnd; ++held) {
                const std::uint64_t from = std::max(held->address, chunk.address);
                const std::uint64_t to = std::min(held->address + held->count, chunkEnd);
                const std::uint8_t *a = bytes_.data() + held->offset + (from - held->address);
                const std::uint8_t *b = bytes_.data() + chunk.offset + (from - chunk.address);
                const auto n = static_cast<std::size_t>(to - from);
                if (std::memcmp(a, b, n) != 0) {
                    std::size_t k = 0;
                    while (a[k] == b[k])
                        ++k;
                    if (!conflict || from + k < *conflict)
                        conflict = from + k;
                }
            }
            covered = std::max(covered, foldedEnd);
        }
        if (covered >= chunkEnd)
            continue;
        const std::uint64_t skip = covered - chunk.address;
        Chunk rest{covered, chunk.offset + static_cast<std::size_t>(skip),
                   chunk.count - static_cast<std::size_t>(skip)};
        if (!folded.empty()) {
            Chunk &last = folded.back();
            if (last.address + last.count == rest.address && last.offset + last.count == rest.offset) {
                last.count += rest.count;
                continue;
            }
        }
        folded.push_back(rest);
    }
    runs_ = std::move(folded);
    return conflict;
}

std::vector<ByteRun> SparseImage::Runs() const
{
    std::vector<ByteRun> runs;
    runs.reserve(runs_.size());
    for (const Chunk &chunk : runs_)
        runs.push_back(ByteRun{chunk.address, bytes_.data() + chunk.offset, chunk.count});
    return runs;
}

}  // namespace hex2bin
