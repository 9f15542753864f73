#include "ips.h"

#include "patcherror.h"

#include <algorithm>
#include <string>

namespace quorled {

namespace {

constexpr char kHeader[] = "PATCH";
constexpr char kFooter[] = "EOF";
// A run of at least this many equal bytes is cheaper as a run record (8
// bytes) than inside a plain one.
constexpr std::size_t kMinRun = 9;

std::string hex(std::size_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return "0x" + text;
}

void put24(PatchBytes& out, std::size_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void put16(PatchBytes& out, std::size_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

// How many bytes from `at` (below `end`, at most `limit`) equal the one at `at`.
std::size_t runLength(const PatchBytes& bytes, std::size_t at, std::size_t end, std::size_t limit)
{
    std::size_t n = 0;
    while (at + n < end && n < limit && bytes[at + n] == bytes[at])
        ++n;
    return n;
}

// Records that write edited[start, end).
void writeRecords(PatchBytes& out, const PatchBytes& edited, std::size_t start, std::size_t end)
{
    std::size_t at = start;
    while (at < end) {
        const std::size_t run = runLength(edited, at, end, kIpsMaxRecord);
        if (run >= kMinRun && at != kIpsEofOffset) {
            put24(out, at);
            put16(out, 0);
            put16(out, run);
            out.push_back(edited[at]);
            at += run;
            continue;
        }
        // A plain record; one that would start at the offset reading as
        // "EOF" starts a byte earlier and writes that byte unchanged.
        const std::size_t from = at == kIpsEofOffset ? at - 1 : at;
        std::size_t to = at + 1;
        while (to < end && to - from < kIpsMaxRecord &&
               !(to != kIpsEofOffset && runLength(edited, to, end, kMinRun) >= kMinRun))
            ++to;
        put24(out, from);
        put16(out, to - from);
        out.insert(out.end(), edited.begin() + static_cast<std::ptrdiff_t>(from),
                   edited.begin() + static_cast<std::ptrdiff_t>(to));
        at = to;
    }
}

class Reader {
public:
    explicit Reader(const PatchBytes& bytes) : bytes_(bytes) {}
    std::size_t left() const { return bytes_.size() - at_; }
    std::size_t at() const { return at_; }
    std::size_t number(std::size_t width, const char* what)
    {
        if (left() < width)
            throw PatchError("it ends inside " + std::string(what) + " at " + hex(at_) +
                             " without its end marker \"EOF\"");
        std::size_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value = value << 8 | bytes_[at_++];
        return value;
    }
    const std::uint8_t* take(std::size_t count, const char* what)
    {
        if (left() < count)
            throw PatchError("it ends inside " + std::string(what) + " at " + hex(at_) + ": " +
                             std::to_string(count) + " bytes are announced and " + std::to_string(left()) +
                             " follow");
        const std::uint8_t* data = bytes_.data() + at_;
        at_ += count;
        return data;
    }
    bool atFooter() const
    {
        return left() >= 3 && std::equal(kFooter, kFooter + 3, bytes_.begin() + static_cast<std::ptrdiff_t>(at_));
    }

private:
    const PatchBytes& bytes_;
    std::size_t at_ = 0;
};

} // namespace

bool looksLikeIpsPatch(const PatchBytes& patch)
{
    return patch.size() >= 5 && std::equal(kHeader, kHeader + 5, patch.begin());
}

PatchBytes makeIpsPatch(const PatchBytes& original, const PatchBytes& edited)
{
    if (original.size() > kIpsMaxImageSize || edited.size() > kIpsMaxImageSize)
        throw PatchError("an IPS patch holds images of up to 16 MiB (16777216 bytes)");
    PatchBytes out(kHeader, kHeader + 5);
    const std::size_t common = std::min(original.size(), edited.size());
    std::size_t at = 0;
    while (at < edited.size()) {
        if (at < common && original[at] == edited[at]) {
            ++at;
            continue;
        }
        // A changed stretch; short unchanged gaps inside it cost less than
        // a new record's five bytes.
        std::size_t end = at + 1;
        for (;;) {
            while (end < edited.size() && (end >= common || original[end] != edited[end]))
                ++end;
            std::size_t gap = end;
            while (gap < common && gap - end < 6 && original[gap] == edited[gap])
                ++gap;
            if (gap - end >= 6 || gap >= edited.size())
                break;
            end = gap;
        }
        writeRecords(out, edited, at, end);
        at = end;
    }
    out.insert(out.end(), kFooter, kFooter + 3);
    if (edited.size() < original.size())
        put24(out, edited.size());
    return out;
}

PatchBytes applyIpsPatch(const PatchBytes& image, const PatchBytes& patch)
{
    if (!looksLikeIpsPatch(patch))
        throw PatchError("it is no IPS patch (it does not start with \"PATCH\")");
    Reader reader(patch);
    reader.take(5, "the header");
    PatchBytes result = image;
    while (!reader.atFooter()) {
        const std::size_t offset = reader.number(3, "a record's offset");
        std::size_t size = reader.number(2, "a record's size");
        const std::uint8_t* data = nullptr;
        std::uint8_t fill = 0;
        if (size == 0) {
            size = reader.number(2, "a run record");
            fill = *reader.take(1, "a run record");
            if (size == 0)
                throw PatchError("its run record at " + hex(offset) + " has the length 0");
        } else {
            data = reader.take(size, "a record");
        }
        // Writing past the end grows the image, with zeros in any gap.
        if (offset + size > result.size())
            result.resize(offset + size, 0);
        if (data)
            std::copy(data, data + size, result.begin() + static_cast<std::ptrdiff_t>(offset));
        else
            std::fill_n(result.begin() + static_cast<std::ptrdiff_t>(offset), size, fill);
    }
    reader.take(3, "the end marker");
    if (reader.left() == 3) {
        const std::size_t size = reader.number(3, "the size after the end marker");
        if (size > result.size())
            throw PatchError("the size after its end marker, " + std::to_string(size) +
                             " bytes, is larger than the patched image (" + std::to_string(result.size()) +
                             " bytes)");
        result.resize(size);
    } else if (reader.left() != 0) {
        throw PatchError("it goes on for " + std::to_string(reader.left()) + " bytes after its end marker \"EOF\"");
    }
    return result;
}

} // namespace quorled
