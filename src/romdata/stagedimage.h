#pragma once

// Writes staged over an iNES image without touching it, for a change that
// is checked before it is kept: the level-data region is copied once (16 KiB
// instead of the whole image) and the few bytes written outside it (the
// pointer tables) are kept aside. Reads see the image as the staged writes
// would leave it, through the same `read`/`contains` as a RomImage, so the
// directory and area decoders read it directly.

#include "bytes.h"
#include "imageerror.h"
#include "romimage.h"
#include "romlayout.h"
#include "shownname.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace quorled {

class StagedImage {
public:
    // The image must hold the whole level-data region.
    explicit StagedImage(const RomImage& base)
        : base_(base), region_(base.bytes().begin() + kLevelRegionStart, base.bytes().begin() + kLevelRegionEnd + 1)
    {
    }

    long size() const { return base_.size(); }
    bool contains(long offset) const { return base_.contains(offset); }

    std::uint8_t read(long offset) const
    {
        if (inRegion(offset))
            return region_[static_cast<std::size_t>(offset - kLevelRegionStart)];
        for (const auto& [at, value] : outside_)
            if (at == offset)
                return value;
        return base_.read(offset);
    }

    // As RomImage::write: the low eight bits; an offset outside the file is
    // refused with the image's own message.
    void write(long offset, int value)
    {
        if (!contains(offset))
            throw ImageError("A write to " + hexAddress(offset) + " lies outside the image " + shownName(base_.path()) +
                             " (" + std::to_string(size()) + " bytes).");
        const auto byte = static_cast<std::uint8_t>(value & 0xFF);
        if (inRegion(offset)) {
            region_[static_cast<std::size_t>(offset - kLevelRegionStart)] = byte;
            written_ = {std::min(written_.first, offset), std::max(written_.second, offset)};
            return;
        }
        for (auto& [at, kept] : outside_)
            if (at == offset) {
                kept = byte;
                return;
            }
        outside_.emplace_back(offset, byte);
    }

    // The last offset at which the staged bytes differ from the image, or -1.
    long lastDifference() const
    {
        long last = -1;
        for (const auto& [at, value] : outside_)
            if (value != base_.read(at))
                last = std::max(last, at);
        // A stretch at a time from the end, as most moves change bytes low
        // in the region.
        const std::uint8_t* base = base_.bytes().data() + kLevelRegionStart;
        constexpr std::size_t stretch = 512;
        const auto lowest = static_cast<std::size_t>(std::max(written_.first, kLevelRegionStart) - kLevelRegionStart);
        for (std::size_t end = static_cast<std::size_t>(written_.second + 1 - kLevelRegionStart); end > lowest;) {
            const std::size_t start = end > lowest + stretch ? end - stretch : lowest;
            if (std::memcmp(region_.data() + start, base + start, end - start) != 0)
                for (std::size_t o = end; o-- > start;)
                    if (region_[o] != base[o])
                        return std::max(last, kLevelRegionStart + static_cast<long>(o));
            end = start;
        }
        return last;
    }

    // Whether any byte first..last (inclusive) differs from the image.
    bool differIn(long first, long last) const
    {
        for (const auto& [at, value] : outside_)
            if (at >= first && at <= last && value != base_.read(at))
                return true;
        first = std::max(first, kLevelRegionStart);
        last = std::min(last, kLevelRegionEnd);
        if (first > last)
            return false;
        const auto from = static_cast<std::size_t>(first - kLevelRegionStart);
        return std::memcmp(region_.data() + from, base_.bytes().data() + first,
                           static_cast<std::size_t>(last - first + 1)) != 0;
    }

    // Writes the staged bytes into `image` (the image this view was made
    // from): every byte written outside the region, and the region's bytes
    // that differ.
    void commitTo(RomImage& image) const
    {
        for (const auto& [at, value] : outside_)
            image.write(at, value);
        for (long o = written_.first; o <= written_.second; ++o) {
            const std::uint8_t value = region_[static_cast<std::size_t>(o - kLevelRegionStart)];
            if (value != image.read(o))
                image.write(o, value);
        }
    }

private:
    static bool inRegion(long offset) { return offset >= kLevelRegionStart && offset <= kLevelRegionEnd; }

    const RomImage& base_;
    std::vector<std::uint8_t> region_;
    std::vector<std::pair<long, std::uint8_t>> outside_;
    // The first and last offset written inside the region (first > last
    // while none is).
    std::pair<long, long> written_{kLevelRegionEnd + 1, kLevelRegionStart - 1};
};

} // namespace quorled
