#include "bps.h"

#include "patcherror.h"

#include <algorithm>
#include <cstring>
#include <vector>
#include <zlib.h>

namespace quorled {

namespace {

constexpr char kHeader[] = "BPS1";
enum Action : std::uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };
// Matches shorter than this are written as target reads.
constexpr std::size_t kMinCopy = 8;

void putNumber(PatchBytes& out, std::uint64_t value)
{
    for (;;) {
        const std::uint8_t low = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            out.push_back(0x80 | low);
            return;
        }
        out.push_back(low);
        --value;
    }
}

void put32(PatchBytes& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putAction(PatchBytes& out, Action action, std::size_t length)
{
    putNumber(out, (static_cast<std::uint64_t>(length - 1) << 2) | action);
}

// A copy's offset relative to where the last copy of its kind ended.
void putRelative(PatchBytes& out, std::size_t& last, std::size_t to)
{
    const bool back = to < last;
    const std::uint64_t distance = back ? last - to : to - last;
    putNumber(out, distance << 1 | (back ? 1 : 0));
}

class Writer {
public:
    Writer(const PatchBytes& source, const PatchBytes& target, PatchBytes& out)
        : source_(source), target_(target), out_(out)
    {
        // The first place of eight-byte sequences of the source, in a table
        // of fixed size indexed by a hash of the sequence (a later sequence
        // of the same slot takes it over): a few bytes per source byte, and
        // no allocation per entry, even for the largest images.
        if (source.size() < kMinCopy)
            return;
        std::size_t slots = 1024;
        while (slots < source.size() && slots < kMostSlots)
            slots <<= 1;
        mask_ = slots - 1;
        sourceIndex_.assign(slots, kNoPlace);
        for (std::size_t i = source.size() - kMinCopy + 1; i-- > 0;)
            sourceIndex_[slotOf(key(source, i))] = static_cast<std::uint32_t>(i);
    }

    void run()
    {
        std::size_t at = 0;
        while (at < target_.size()) {
            const std::size_t same = sameAsSource(at);
            if (same >= 1 && (same >= kMinCopy || pending_ == 0 || at + same == target_.size())) {
                flush(at);
                putAction(out_, SourceRead, same);
                at += same;
                continue;
            }
            if (const std::size_t repeat = repeatLength(at); repeat >= kMinCopy) {
                // A run of one byte: copy the target from one byte back.
                pending_ += 1;
                flush(at + 1);
                putAction(out_, TargetCopy, repeat - 1);
                putRelative(out_, targetCopyAt_, at);
                targetCopyAt_ = at + repeat - 1;
                at += repeat;
                continue;
            }
            if (const auto [from, length] = sourceMatch(at); length >= kMinCopy) {
                flush(at);
                putAction(out_, SourceCopy, length);
                putRelative(out_, sourceCopyAt_, from);
                sourceCopyAt_ = from + length;
                at += length;
                continue;
            }
            ++pending_;
            ++at;
        }
        flush(at);
    }

private:
    static std::uint64_t key(const PatchBytes& bytes, std::size_t at)
    {
        static_assert(kMinCopy == sizeof(std::uint64_t));
        std::uint64_t value = 0;
        std::memcpy(&value, bytes.data() + at, sizeof value);
        return value;
    }

    std::size_t sameAsSource(std::size_t at) const
    {
        std::size_t n = 0;
        while (at + n < target_.size() && at + n < source_.size() && target_[at + n] == source_[at + n])
            ++n;
        return n;
    }

    std::size_t repeatLength(std::size_t at) const
    {
        std::size_t n = 1;
        while (at + n < target_.size() && target_[at + n] == target_[at])
            ++n;
        return n;
    }

    std::pair<std::size_t, std::size_t> sourceMatch(std::size_t at) const
    {
        if (at + kMinCopy > target_.size())
            return {0, 0};
        if (sourceIndex_.empty())
            return {0, 0};
        const std::uint32_t place = sourceIndex_[slotOf(key(target_, at))];
        if (place == kNoPlace)
            return {0, 0};
        const std::size_t from = place;
        std::size_t n = 0;
        while (from + n < source_.size() && at + n < target_.size() && source_[from + n] == target_[at + n])
            ++n;
        return {from, n};
    }

    // Writes the target bytes gathered before `end` as one target read.
    void flush(std::size_t end)
    {
        if (pending_ == 0)
            return;
        putAction(out_, TargetRead, pending_);
        out_.insert(out_.end(), target_.begin() + static_cast<std::ptrdiff_t>(end - pending_),
                    target_.begin() + static_cast<std::ptrdiff_t>(end));
        pending_ = 0;
    }

    const PatchBytes& source_;
    const PatchBytes& target_;
    PatchBytes& out_;
    static constexpr std::uint32_t kNoPlace = 0xFFFFFFFFu;
    static constexpr std::size_t kMostSlots = std::size_t(1) << 23;

    std::size_t slotOf(std::uint64_t sequence) const
    {
        return static_cast<std::size_t>((sequence * 0x9E3779B97F4A7C15u) >> 40) & mask_;
    }

    std::vector<std::uint32_t> sourceIndex_;
    std::size_t mask_ = 0;
    std::size_t pending_ = 0;
    std::size_t sourceCopyAt_ = 0;
    std::size_t targetCopyAt_ = 0;
};

class Reader {
public:
    Reader(const PatchBytes& bytes, std::size_t end) : bytes_(bytes), end_(end) {}
    bool done() const { return at_ >= end_; }
    std::size_t at() const { return at_; }

    std::uint64_t number(const char* what)
    {
        std::uint64_t value = 0;
        std::uint64_t shift = 1;
        for (;;) {
            if (at_ >= end_)
                throw PatchError(std::string("it ends inside ") + what);
            const std::uint8_t byte = bytes_[at_++];
            value += (byte & 0x7F) * shift;
            if (byte & 0x80)
                return value;
            // Nothing in a patch of a 16 MiB image needs more than 56 bits.
            if (shift >= (std::uint64_t(1) << 49))
                throw PatchError(std::string("it holds a number too large for ") + what);
            shift <<= 7;
            value += shift;
        }
    }

    const std::uint8_t* take(std::size_t count, const char* what)
    {
        if (end_ - at_ < count)
            throw PatchError(std::string("it ends inside ") + what);
        const std::uint8_t* data = bytes_.data() + at_;
        at_ += count;
        return data;
    }

private:
    const PatchBytes& bytes_;
    std::size_t end_;
    std::size_t at_ = 0;
};

std::uint32_t read32(const PatchBytes& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

std::string hex32(std::uint32_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = digits[value & 0xF];
    return text;
}

// A relative copy offset applied to `position`, checked against `limit`.
std::size_t moved(std::size_t position, std::uint64_t coded, std::size_t limit, const char* what)
{
    const std::uint64_t distance = coded >> 1;
    if (coded & 1) {
        if (distance > position)
            throw PatchError(std::string("a ") + what + " reaches before the start of its data");
        return position - static_cast<std::size_t>(distance);
    }
    if (distance > limit - position)
        throw PatchError(std::string("a ") + what + " reaches past the end of its data");
    return position + static_cast<std::size_t>(distance);
}

} // namespace

std::uint32_t crc32Of(const PatchBytes& bytes, std::size_t count)
{
    uLong crc = ::crc32(0L, Z_NULL, 0);
    std::size_t done = 0;
    while (done < count) {
        const uInt piece = static_cast<uInt>(std::min<std::size_t>(count - done, 1u << 30));
        crc = ::crc32(crc, bytes.data() + done, piece);
        done += piece;
    }
    return static_cast<std::uint32_t>(crc);
}

bool looksLikeBpsPatch(const PatchBytes& patch)
{
    return patch.size() >= 4 && std::equal(kHeader, kHeader + 4, patch.begin());
}

PatchBytes makeBpsPatch(const PatchBytes& source, const PatchBytes& target, const std::string& metadata)
{
    if (source.size() > kBpsMaxImageSize || target.size() > kBpsMaxImageSize)
        throw PatchError("a patch holds images of up to 16 MiB (16777216 bytes)");
    PatchBytes out(kHeader, kHeader + 4);
    putNumber(out, source.size());
    putNumber(out, target.size());
    putNumber(out, metadata.size());
    out.insert(out.end(), metadata.begin(), metadata.end());
    Writer(source, target, out).run();
    put32(out, crc32Of(source, source.size()));
    put32(out, crc32Of(target, target.size()));
    put32(out, crc32Of(out, out.size()));
    return out;
}

PatchBytes applyBpsPatch(const PatchBytes& source, const PatchBytes& patch)
{
    if (!looksLikeBpsPatch(patch))
        throw PatchError("it is no BPS patch (it does not start with \"BPS1\")");
    if (patch.size() < 4 + 3 + 12)
        throw PatchError("it is too short for a BPS patch");
    const std::size_t end = patch.size() - 12;
    const std::uint32_t sourceCrc = read32(patch, end);
    const std::uint32_t targetCrc = read32(patch, end + 4);
    const std::uint32_t patchCrc = read32(patch, end + 8);
    if (crc32Of(patch, end + 8) != patchCrc)
        throw PatchError("it is damaged: its checksum is " + hex32(crc32Of(patch, end + 8)) + " and should be " +
                         hex32(patchCrc));

    Reader reader(patch, end);
    reader.take(4, "the header");
    const std::uint64_t sourceSize = reader.number("the source size");
    const std::uint64_t targetSize = reader.number("the target size");
    const std::uint64_t metadataSize = reader.number("the metadata size");
    if (metadataSize > end)
        throw PatchError("its metadata is longer than the patch");
    reader.take(static_cast<std::size_t>(metadataSize), "the metadata");
    if (targetSize > kBpsMaxImageSize)
        throw PatchError("it makes an image of " + std::to_string(targetSize) +
                         " bytes, more than the 16 MiB an image may have");
    if (sourceSize != source.size())
        throw PatchError("it was made for an image of " + std::to_string(sourceSize) + " bytes, and this one has " +
                         std::to_string(source.size()) + " bytes");
    if (crc32Of(source, source.size()) != sourceCrc)
        throw PatchError("it was made for another image: the image's checksum is " +
                         hex32(crc32Of(source, source.size())) + ", the patch's original has " + hex32(sourceCrc));

    PatchBytes target(static_cast<std::size_t>(targetSize));
    std::size_t out = 0;
    std::size_t sourceCopyAt = 0;
    std::size_t targetCopyAt = 0;
    while (!reader.done()) {
        const std::uint64_t data = reader.number("an action");
        const std::uint64_t length64 = (data >> 2) + 1;
        if (length64 > target.size() - out)
            throw PatchError("an action writes past the end of the image it makes");
        const std::size_t length = static_cast<std::size_t>(length64);
        switch (data & 3) {
        case SourceRead:
            if (out + length > source.size())
                throw PatchError("a source read reaches past the end of the original");
            std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(out), length,
                        target.begin() + static_cast<std::ptrdiff_t>(out));
            break;
        case TargetRead: {
            const std::uint8_t* bytes = reader.take(length, "a target read");
            std::copy_n(bytes, length, target.begin() + static_cast<std::ptrdiff_t>(out));
            break;
        }
        case SourceCopy:
            sourceCopyAt = moved(sourceCopyAt, reader.number("a source copy"), source.size(), "source copy");
            if (length > source.size() - sourceCopyAt)
                throw PatchError("a source copy reaches past the end of the original");
            std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(sourceCopyAt), length,
                        target.begin() + static_cast<std::ptrdiff_t>(out));
            sourceCopyAt += length;
            break;
        case TargetCopy:
            targetCopyAt = moved(targetCopyAt, reader.number("a target copy"), target.size(), "target copy");
            if (targetCopyAt >= out)
                throw PatchError("a target copy reads bytes not yet written");
            // Byte by byte: the copy may read what it has just written.
            for (std::size_t i = 0; i < length; ++i)
                target[out + i] = target[targetCopyAt++];
            break;
        }
        out += length;
    }
    if (out != target.size())
        throw PatchError("its actions make " + std::to_string(out) + " of the " + std::to_string(target.size()) +
                         " bytes it announces");
    if (crc32Of(target, target.size()) != targetCrc)
        throw PatchError("the patched image's checksum is " + hex32(crc32Of(target, target.size())) +
                         " and should be " + hex32(targetCrc));
    return target;
}

} // namespace quorled
