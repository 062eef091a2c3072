#include "hex2bin/sparse_image.h"

#include <algorithm>
#include <cstring>
#include <limits>

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
        if (last.End() == address && last.offset + last.count == bytes_.size() &&
            last.count <= std::numeric_limits<std::uint32_t>::max() - count) {
            bytes_.insert(bytes_.end(), bytes, bytes + count);
            last.count += static_cast<std::uint32_t>(count);
            return;
        }
    }
    runs_.push_back(Chunk{bytes_.size(), static_cast<std::uint32_t>(address),
                          static_cast<std::uint32_t>(count)});
    bytes_.insert(bytes_.end(), bytes, bytes + count);

    if (Held() > foldAt_) {
        Fold();
        Compact();
        foldAt_ = std::max(foldAt_, 2 * Held());
    }
}

void SparseImage::Fold()
{
    // Offsets grow in the order of writing, so they keep equal addresses in that order.
    std::sort(runs_.begin(), runs_.end(), [](const Chunk &a, const Chunk &b) {
        return a.address != b.address ? a.address < b.address : a.offset < b.offset;
    });

    // Every chunk starts at or after the chunks before it, so only the tail of the folded chunks
    // can overlap the next one. Its overlapping part is compared with what the tail holds, and
    // only the part beyond the tail's end is kept. The folded chunks are written over the sorted
    // ones, never ahead of the one being read.
    std::size_t folded = 0;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        const Chunk chunk = runs_[i];
        const std::uint64_t chunkEnd = chunk.End();
        std::uint64_t covered = chunk.address;  // bytes of chunk below this were compared
        if (folded > 0) {
            const std::uint64_t foldedEnd = runs_[folded - 1].End();
            // Folded chunks neither overlap nor fall out of order, so their ends ascend too.
            auto held =
                std::partition_point(runs_.begin(), runs_.begin() + folded,
                                     [&](const Chunk &c) { return c.End() <= chunk.address; });
            const bool settled = conflict_ && *conflict_ < chunk.address;
            for (; !settled && held != runs_.begin() + folded && held->address < chunkEnd; ++held) {
                const std::uint64_t from = std::max<std::uint64_t>(held->address, chunk.address);
                const std::uint64_t to = std::min(held->End(), chunkEnd);
                const std::uint8_t *a = bytes_.data() + held->offset + (from - held->address);
                const std::uint8_t *b = bytes_.data() + chunk.offset + (from - chunk.address);
                const auto n = static_cast<std::size_t>(to - from);
                if (std::memcmp(a, b, n) != 0) {
                    std::size_t k = 0;
                    while (a[k] == b[k])
                        ++k;
                    if (!conflict_ || from + k < *conflict_)
                        conflict_ = from + k;
                }
            }
            covered = std::max(covered, foldedEnd);
        }
        if (covered >= chunkEnd)
            continue;
        const auto skip = static_cast<std::uint32_t>(covered - chunk.address);
        const Chunk rest{chunk.offset + skip, static_cast<std::uint32_t>(covered),
                         chunk.count - skip};
        if (folded > 0) {
            Chunk &last = runs_[folded - 1];
            if (last.End() == rest.address && last.offset + last.count == rest.offset) {
                last.count += rest.count;
                continue;
            }
        }
        runs_[folded++] = rest;
    }
    runs_.resize(folded);
}

void SparseImage::Compact()
{
    std::size_t live = 0;
    for (const Chunk &chunk : runs_)
        live += chunk.count;
    if (live == bytes_.size())
        return;
    // In the order of their bytes, each chunk's bytes move down or stay.
    std::sort(runs_.begin(), runs_.end(),
              [](const Chunk &a, const Chunk &b) { return a.offset < b.offset; });
    std::size_t at = 0;
    for (Chunk &chunk : runs_) {
        std::memmove(bytes_.data() + at, bytes_.data() + chunk.offset, chunk.count);
        chunk.offset = at;
        at += chunk.count;
    }
    bytes_.resize(at);
    std::sort(runs_.begin(), runs_.end(),
              [](const Chunk &a, const Chunk &b) { return a.address < b.address; });
}

std::optional<std::uint64_t> SparseImage::Seal()
{
    Fold();
    return conflict_;
}

ByteRun SparseImage::Run(std::size_t index) const
{
    const Chunk &chunk = runs_[index];
    return ByteRun{chunk.address, bytes_.data() + chunk.offset, chunk.count};
}

std::vector<ByteRun> SparseImage::Runs() const
{
    std::vector<ByteRun> runs;
    runs.reserve(runs_.size());
    for (std::size_t i = 0; i < runs_.size(); ++i)
        runs.push_back(Run(i));
    return runs;
}

}  // namespace hex2bin
