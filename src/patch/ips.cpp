#include "ips.h"

#include "patcherror.h"

#include <algorithm>
#include <optional>
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
    // Two passes over the records: the first checks the whole patch and
    // counts the bytes its records write, so that a patch of millions of
    // overlapping runs is refused before any of that work is done.
    struct Record {
        std::size_t offset;
        std::size_t size;
        const std::uint8_t* data; // none for a run record
        std::uint8_t fill;
    };
    const auto forEachRecord = [&patch](const auto& use) {
        Reader reader(patch);
        reader.take(5, "the header");
        while (!reader.atFooter()) {
            Record record{reader.number(3, "a record's offset"), reader.number(2, "a record's size"), nullptr, 0};
            if (record.size == 0) {
                record.size = reader.number(2, "a run record");
                record.fill = *reader.take(1, "a run record");
                if (record.size == 0)
                    throw PatchError("its run record at " + hex(record.offset) + " has the length 0");
            } else {
                record.data = reader.take(record.size, "a record");
            }
            use(record);
        }
        reader.take(3, "the end marker");
        return reader;
    };
    std::size_t written = 0;
    std::size_t size = image.size();
    Reader end = forEachRecord([&](const Record& record) {
        written += record.size;
        size = std::max(size, record.offset + record.size);
    });
    if (written > kIpsMostWritten)
        throw PatchError("its records write " + std::to_string(written) + " bytes, more than " +
                         std::to_string(kIpsMostWritten) + " (four times the largest image), which no patch of "
                         "an image needs");
    std::optional<std::size_t> cut;
    if (end.left() == 3) {
        cut = end.number(3, "the size after the end marker");
        if (*cut > size)
            throw PatchError("the size after its end marker, " + std::to_string(*cut) +
                             " bytes, is larger than the patched image (" + std::to_string(size) + " bytes)");
    } else if (end.left() != 0) {
        throw PatchError("it goes on for " + std::to_string(end.left()) + " bytes after its end marker \"EOF\"");
    }
    // Writing past the end grows the image, with zeros in any gap.
    PatchBytes result = image;
    result.resize(size, 0);
    forEachRecord([&](const Record& record) {
        const auto at = result.begin() + static_cast<std::ptrdiff_t>(record.offset);
        if (record.data)
            std::copy(record.data, record.data + record.size, at);
        else
            std::fill_n(at, record.size, record.fill);
    });
    if (cut)
        result.resize(*cut);
    return result;
}

} // namespace quorled
