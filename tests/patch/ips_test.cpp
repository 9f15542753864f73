#include "patch/ips.h"
#include "patch/patcherror.h"
#include "patchbytes.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using test::bytesOf;

// Offset and length of every record, and whether it is a run.
struct Record {
    std::size_t offset;
    std::size_t length;
    bool run;
};

std::vector<Record> records(const PatchBytes& patch)
{
    std::vector<Record> list;
    std::size_t at = 5;
    while (!(patch[at] == 'E' && patch[at + 1] == 'O' && patch[at + 2] == 'F')) {
        const std::size_t offset = patch[at] << 16 | patch[at + 1] << 8 | patch[at + 2];
        std::size_t length = patch[at + 3] << 8 | patch[at + 4];
        const bool run = length == 0;
        if (run)
            length = patch[at + 5] << 8 | patch[at + 6];
        list.push_back({offset, length, run});
        at += run ? 8 : 5 + length;
    }
    return list;
}

TEST(IpsTest, AHandMadePatchWithARecordAndARunApplies)
{
    const PatchBytes patch = bytesOf("PATCH") + PatchBytes{0x00, 0x00, 0x02, 0x00, 0x03, 0xAA, 0xBB, 0xCC} +
                             PatchBytes{0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x04, 0x11} + bytesOf("EOF");
    const PatchBytes image(12, 0x00);
    EXPECT_EQ(applyIpsPatch(image, patch),
              (PatchBytes{0, 0, 0xAA, 0xBB, 0xCC, 0, 0, 0, 0x11, 0x11, 0x11, 0x11}));
    // Records past the end grow the image, zeros filling the gap; a size
    // after "EOF" cuts it.
    const PatchBytes grow = bytesOf("PATCH") + PatchBytes{0x00, 0x00, 0x10, 0x00, 0x01, 0x77} + bytesOf("EOF");
    PatchBytes grown(17, 0x00);
    grown[16] = 0x77;
    EXPECT_EQ(applyIpsPatch(image, grow), grown);
    EXPECT_EQ(applyIpsPatch(image, bytesOf("PATCHEOF") + PatchBytes{0, 0, 5}), PatchBytes(5, 0));
}

TEST(IpsTest, MadePatchesRoundTripAndKeepEveryRule)
{
    const auto pattern = [](std::size_t size) {
        PatchBytes bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
        return bytes;
    };
    const PatchBytes base = pattern(kIpsEofOffset + 0x40);
    struct Case {
        const char* name;
        std::function<PatchBytes(PatchBytes)> edit;
    };
    const Case cases[] = {
        {"nothing changed", [](PatchBytes b) { return b; }},
        {"one byte at the EOF offset",
         [](PatchBytes b) {
             b[kIpsEofOffset] ^= 0xFF;
             return b;
         }},
        {"a run starting at the EOF offset",
         [](PatchBytes b) {
             std::fill_n(b.begin() + kIpsEofOffset, 20, 0x42);
             return b;
         }},
        {"a stretch ending right before the EOF offset",
         [](PatchBytes b) {
             for (std::size_t i = kIpsEofOffset - 3; i < kIpsEofOffset; ++i)
                 b[i] ^= 0x55;
             b[kIpsEofOffset + 1] ^= 0x55;
             return b;
         }},
        {"200000 changed bytes in a row",
         [](PatchBytes b) {
             for (std::size_t i = 0x1000; i < 0x1000 + 200000; ++i)
                 b[i] ^= static_cast<std::uint8_t>(i | 1);
             return b;
         }},
        {"a run of 100000 bytes", [](PatchBytes b) {
             std::fill_n(b.begin() + 0x20, 100000, 0x00);
             return b;
         }},
        {"grown by 70000 bytes", [](PatchBytes b) {
             b.resize(b.size() + 70000, 0x00);
             b.back() = 0x01;
             return b;
         }},
        {"cut to half", [](PatchBytes b) {
             b.resize(b.size() / 2);
             b[10] ^= 1;
             return b;
         }},
    };
    for (const Case& c : cases) {
        const PatchBytes edited = c.edit(base);
        const PatchBytes patch = makeIpsPatch(base, edited);
        EXPECT_EQ(applyIpsPatch(base, patch), edited) << c.name;
        for (const Record& record : records(patch)) {
            EXPECT_NE(record.offset, kIpsEofOffset) << c.name;
            EXPECT_GE(record.length, 1u) << c.name;
            EXPECT_LE(record.length, kIpsMaxRecord) << c.name;
        }
    }
    EXPECT_EQ(makeIpsPatch(base, base), bytesOf("PATCHEOF"));
}

TEST(IpsTest, ImagesOver16MiBAreRefused)
{
    const PatchBytes small(16, 0);
    const PatchBytes big(kIpsMaxImageSize + 1, 0);
    EXPECT_THROW(makeIpsPatch(small, big), PatchError);
    EXPECT_THROW(makeIpsPatch(big, small), PatchError);
    EXPECT_NO_THROW(makeIpsPatch(small, PatchBytes(kIpsMaxImageSize, 1)));
}

TEST(IpsTest, MalformedPatchesAreRefusedWithTheReason)
{
    const PatchBytes image(32, 0);
    const PatchBytes record = {0x00, 0x00, 0x01, 0x00, 0x02, 0xAA, 0xBB};
    // Run records over one another that write more than four times the
    // largest image: refused before any is applied.
    PatchBytes overlapping = bytesOf("PATCH");
    for (int i = 0; i < 1025; ++i)
        overlapping = overlapping + PatchBytes{0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x11};
    const struct {
        PatchBytes patch;
        const char* reason;
    } cases[] = {
        {{}, "no IPS patch"},
        {bytesOf("PATCX") + bytesOf("EOF"), "no IPS patch"},
        {bytesOf("PATCH"), "ends inside a record's offset"},
        {bytesOf("PATCH") + record, "ends inside a record's offset"},
        {bytesOf("PATCH") + PatchBytes{0x00, 0x00, 0x01, 0x00}, "ends inside a record's size"},
        {bytesOf("PATCH") + PatchBytes{0x00, 0x00, 0x01, 0x00, 0x05, 0xAA} + bytesOf("EOF"),
         "5 bytes are announced and 4 follow"},
        {bytesOf("PATCH") + PatchBytes{0x00, 0x00, 0x01, 0x00, 0x00, 0x00}, "ends inside a run record"},
        {bytesOf("PATCH") + PatchBytes{0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x11} + bytesOf("EOF"),
         "has the length 0"},
        {bytesOf("PATCH") + record + bytesOf("EOF") + PatchBytes{0x00}, "goes on for 1 bytes"},
        {bytesOf("PATCH") + record + bytesOf("EOF") + PatchBytes{0x00, 0x00, 0x00, 0x10}, "goes on for 4 bytes"},
        {bytesOf("PATCH") + record + bytesOf("EOF") + PatchBytes{0x00, 0x00, 0x21}, "larger than the patched"},
        {overlapping + bytesOf("EOF"), "write 67173375 bytes, more than 67108864"},
    };
    for (const auto& c : cases) {
        try {
            applyIpsPatch(image, c.patch);
            ADD_FAILURE() << c.reason << ": applied";
        } catch (const PatchError& error) {
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace quorled
