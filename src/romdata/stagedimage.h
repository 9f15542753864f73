#pragma once

// Writes staged over an iNES image without touching it, for a change that
// is checked before it is kept: the level-data region is copied a page of
// 256 bytes at a time, and only the pages written to (a move touches a
// few), and the few bytes written outside it (the pointer tables) are kept
// aside. Reads see the image as the staged writes would leave it, through
// the same `read`/`contains` as a RomImage, so the directory and area
// decoders read it directly.

#include "bytes.h"
#include "imageerror.h"
#include "romimage.h"
#include "romlayout.h"
#include "shownname.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quorled {

class StagedImage {
public:
    // The image must hold the whole level-data region.
    explicit StagedImage(const RomImage& base) : base_(base) {}

    long size() const { return base_.size(); }
    bool contains(long offset) const { return base_.contains(offset); }

    std::uint8_t read(long offset) const
    {
        if (inRegion(offset)) {
            const auto i = static_cast<std::size_t>(offset - kLevelRegionStart);
            const std::uint8_t* page = pages_[i / kPage].get();
            return page ? page[i % kPage] : base_.bytes()[static_cast<std::size_t>(offset)];
        }
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
            const auto i = static_cast<std::size_t>(offset - kLevelRegionStart);
            pageFor(i / kPage)[i % kPage] = byte;
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
        // A page at a time from the end, as most moves change bytes low in
        // the region.
        for (long o = written_.second; o >= written_.first && o > last;) {
            const auto i = static_cast<std::size_t>(o - kLevelRegionStart);
            const std::size_t page = i / kPage;
            const long pageFirst = std::max(written_.first, kLevelRegionStart + static_cast<long>(page * kPage));
            if (const std::uint8_t* bytes = pages_[page].get()) {
                const std::uint8_t* base = base_.bytes().data() + kLevelRegionStart + page * kPage;
                for (long at = o; at >= pageFirst; --at) {
                    const std::size_t k = static_cast<std::size_t>(at - kLevelRegionStart) % kPage;
                    if (bytes[k] != base[k])
                        return std::max(last, at);
                }
            }
            o = pageFirst - 1;
        }
        return last;
    }

    // Whether any byte first..last (inclusive) differs from the image.
    bool differIn(long first, long last) const
    {
        for (const auto& [at, value] : outside_)
            if (at >= first && at <= last && value != base_.read(at))
                return true;
        first = std::max(first, written_.first);
        last = std::min(last, written_.second);
        while (first <= last) {
            const auto i = static_cast<std::size_t>(first - kLevelRegionStart);
            const std::size_t page = i / kPage;
            const std::size_t from = i % kPage;
            const std::size_t count = std::min(kPage - from, static_cast<std::size_t>(last - first + 1));
            if (const std::uint8_t* bytes = pages_[page].get())
                if (std::memcmp(bytes + from, base_.bytes().data() + first, count) != 0)
                    return true;
            first += static_cast<long>(count);
        }
        return false;
    }

    // Writes the staged bytes into `image` (the image this view was made
    // from): every byte written outside the region, and the region's bytes
    // that differ.
    void commitTo(RomImage& image) const
    {
        for (const auto& [at, value] : outside_)
            image.write(at, value);
        for (long o = written_.first; o <= written_.second; ++o) {
            const std::uint8_t value = read(o);
            if (value != image.read(o))
                image.write(o, value);
        }
    }

private:
    static constexpr std::size_t kPage = 256;
    static constexpr std::size_t kPages = (kLevelRegionEnd + 1 - kLevelRegionStart + kPage - 1) / kPage;

    static bool inRegion(long offset) { return offset >= kLevelRegionStart && offset <= kLevelRegionEnd; }

    // The copy of a page of the region, made on its first write.
    std::uint8_t* pageFor(std::size_t page)
    {
        if (!pages_[page]) {
            pages_[page] = std::make_unique_for_overwrite<std::uint8_t[]>(kPage);
            const long start = kLevelRegionStart + static_cast<long>(page * kPage);
            const long count = std::min(static_cast<long>(kPage), kLevelRegionEnd + 1 - start);
            std::memcpy(pages_[page].get(), base_.bytes().data() + start, static_cast<std::size_t>(count));
        }
        return pages_[page].get();
    }

    const RomImage& base_;
    std::array<std::unique_ptr<std::uint8_t[]>, kPages> pages_{};
    std::vector<std::pair<long, std::uint8_t>> outside_;
    // The first and last offset written inside the region (first > last
    // while none is).
    std::pair<long, long> written_{kLevelRegionEnd + 1, kLevelRegionStart - 1};
};

} // namespace quorled
