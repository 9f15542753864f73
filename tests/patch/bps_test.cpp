#include "patch/bps.h"
#include "patch/patcherror.h"
#include "patchbytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorled {
namespace {

using test::bytesOf;

void put32(PatchBytes& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A patch from its body (header, sizes, metadata, actions) with the three
// checksums after it; `targetCrc` replaces the target's when given.
PatchBytes sealed(PatchBytes body, const PatchBytes& source, const PatchBytes& target,
                  std::optional<std::uint32_t> targetCrc = {})
{
    put32(body, crc32Of(source, source.size()));
    put32(body, targetCrc.value_or(crc32Of(target, target.size())));
    put32(body, crc32Of(body, body.size()));
    return body;
}

// One action byte: numbers below 128 are one byte with the top bit set.
std::uint8_t action(int kind, int length) { return static_cast<std::uint8_t>(0x80 | ((length - 1) << 2) | kind); }

const PatchBytes kSource = bytesOf("ABCDEFGH");
const PatchBytes kTarget = bytesOf("ABxyzFGHGHGH");

// Each action once: read "AB" from the source, "xyz" from the patch, copy
// "FGH" from source offset 5, then four bytes from target offset 6, the last
// two of them written by this same copy.
PatchBytes handMadeBody()
{
    return bytesOf("BPS1") + PatchBytes{0x88, 0x8C, 0x82} + bytesOf("hi") +
           PatchBytes{action(0, 2), action(1, 3)} + bytesOf("xyz") +
           PatchBytes{action(2, 3), 0x80 | (5 << 1), action(3, 4), 0x80 | (6 << 1)};
}

TEST(BpsTest, ChecksumIsZlibsCrc32)
{
    EXPECT_EQ(crc32Of(bytesOf("123456789"), 9), 0xCBF43926u);
    EXPECT_EQ(crc32Of({}, 0), 0u);
}

TEST(BpsTest, AHandMadePatchWithEveryActionApplies)
{
    EXPECT_EQ(applyBpsPatch(kSource, sealed(handMadeBody(), kSource, kTarget)), kTarget);
}

TEST(BpsTest, NumbersUseTheFormatsVariableLengthCode)
{
    // Sizes 128 and 0, then 16385 bytes of metadata: 0x00 0x80, 0x80, 0x01 0xFF.
    const PatchBytes patch = makeBpsPatch(PatchBytes(128, 0), {}, std::string(16385, 'm'));
    const PatchBytes expected = bytesOf("BPS1") + PatchBytes{0x00, 0x80, 0x80, 0x01, 0xFF};
    EXPECT_EQ(PatchBytes(patch.begin(), patch.begin() + 9), expected);
    EXPECT_EQ(patch.size(), 4u + 5u + 16385u + 12u);
    EXPECT_EQ(applyBpsPatch(PatchBytes(128, 0), patch), PatchBytes{});
}

TEST(BpsTest, MadePatchesRoundTrip)
{
    PatchBytes base(0x9000);
    for (std::size_t i = 0; i < base.size(); ++i)
        base[i] = static_cast<std::uint8_t>(i * 13 + (i >> 9));
    const struct {
        const char* name;
        std::function<PatchBytes(PatchBytes)> edit;
    } cases[] = {
        {"nothing", [](PatchBytes b) { return b; }},
        {"a few bytes", [](PatchBytes b) { b[0] ^= 1; b[100] ^= 2; b.back() ^= 3; return b; }},
        {"a run", [](PatchBytes b) { std::fill_n(b.begin() + 50, 3000, 0xEE); return b; }},
        {"a block moved", [](PatchBytes b) {
             std::copy_n(b.begin() + 0x4000, 0x800, b.begin() + 0x100);
             return b;
         }},
        {"grown", [](PatchBytes b) { b.resize(b.size() + 5000, 0x5A); b.push_back(1); return b; }},
        {"cut", [](PatchBytes b) { b.resize(77); return b; }},
        {"emptied", [](PatchBytes) { return PatchBytes{}; }},
    };
    for (const auto& c : cases) {
        const PatchBytes edited = c.edit(base);
        const PatchBytes patch = makeBpsPatch(base, edited);
        EXPECT_EQ(applyBpsPatch(base, patch), edited) << c.name;
        EXPECT_LT(patch.size(), 3000u + (edited.size() > base.size() ? edited.size() - base.size() : 0)) << c.name;
    }
    EXPECT_EQ(applyBpsPatch({}, makeBpsPatch({}, base)), base);
}

TEST(BpsTest, MadePatchesKeepTheirExactBytes)
{
    // Changed bytes, each followed by a block from elsewhere in the source:
    // few places and many (the source is searched in two ways, by passes
    // over it and by its table), pinned by size and checksum.
    PatchBytes base(0x20000);
    std::uint32_t state = 99;
    for (std::uint8_t& b : base)
        b = static_cast<std::uint8_t>((state = state * 1664525u + 1013904223u) >> 24);
    const struct {
        int changes;
        std::size_t size;
        std::uint32_t crc; // of the patch without its own checksum
    } cases[] = {{1, 34u, 0x77F49809u}, {3, 57u, 0x7E067454u}, {4, 67u, 0x946EF196u}, {5, 77u, 0x8FA6687Fu},
                 {60, 564u, 0x8644FFC5u}};
    for (const auto& c : cases) {
        PatchBytes edited = base;
        for (int i = 0; i < c.changes; ++i) {
            const std::size_t at = (static_cast<std::size_t>(i) * 7919u * 13u + 1000u) % base.size();
            edited[at] ^= 0xA5;
            std::copy_n(base.begin() + static_cast<long>((at * 3) % (base.size() - 64)), 40,
                        edited.begin() + static_cast<long>(std::min(at + 1, base.size() - 40)));
        }
        const PatchBytes patch = makeBpsPatch(base, edited);
        EXPECT_EQ(patch.size(), c.size) << c.changes;
        EXPECT_EQ(crc32Of(patch, patch.size() - 4), c.crc) << c.changes;
        EXPECT_EQ(applyBpsPatch(base, patch), edited) << c.changes;
    }
}

TEST(BpsTest, WrongSourcesAndDamagedPatchesAreRefusedWithTheReason)
{
    const PatchBytes good = sealed(handMadeBody(), kSource, kTarget);
    auto withBody = [](std::vector<std::uint8_t> actions, const PatchBytes& target) {
        PatchBytes body = bytesOf("BPS1") + PatchBytes{0x88, static_cast<std::uint8_t>(0x80 | target.size()), 0x80};
        return sealed(body + actions, kSource, target);
    };
    PatchBytes flipped = good;
    flipped[8] ^= 0x20;
    const PatchBytes four = bytesOf("ABCD");
    const struct {
        PatchBytes source;
        PatchBytes patch;
        const char* reason;
    } cases[] = {
        {kSource, bytesOf("BPS2") + PatchBytes(20, 0), "no BPS patch"},
        {kSource, bytesOf("BPS1") + PatchBytes(10, 0), "too short"},
        {kSource, flipped, "its checksum is"},
        {bytesOf("ABCDEFGHI"), good, "made for an image of 8 bytes, and this one has 9 bytes"},
        {bytesOf("ABCDEFGX"), good, "made for another image"},
        {kSource, sealed(handMadeBody(), kSource, kTarget, 0x12345678), "the patched image's checksum"},
        {kSource, withBody({action(0, 2)}, four), "make 2 of the 4 bytes"},
        {kSource, withBody({action(1, 5), 'a', 'b', 'c', 'd', 'e'}, four), "writes past the end"},
        {kSource, withBody({action(1, 3), 'a', 'b'}, bytesOf("abc")), "ends inside a target read"},
        {kSource, withBody({action(2, 2), 0x80 | 3}, bytesOf("AB")), "reaches before the start"},
        {kSource, withBody({action(2, 2), 0x80 | (7 << 1)}, bytesOf("AB")), "source copy reaches past the end"},
        {kSource, withBody({action(3, 2), 0x80}, bytesOf("AB")), "reads bytes not yet written"},
        {kSource, withBody({action(2, 1)}, bytesOf("A")), "ends inside a source copy"},
        {kSource, withBody({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, four), "number too large"},
        {kSource, sealed(bytesOf("BPS1") + PatchBytes{0x88, 0x84, 0xFF}, kSource, four), "metadata"},
        {kSource, sealed(bytesOf("BPS1") + PatchBytes{0x88, 0x00, 0x00, 0x00, 0x88, 0x80}, kSource, {}),
         "more than the 16 MiB"},
    };
    for (const auto& c : cases) {
        try {
            applyBpsPatch(c.source, c.patch);
            ADD_FAILURE() << c.reason << ": applied";
        } catch (const PatchError& error) {
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << c.reason << ": " << error.what();
        }
    }
}

} // namespace
} // namespace quorled
