#include "romdata/stagedimage.h"

#include "romdata/imageerror.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace quorled {
namespace {

// Staged writes must read, compare and commit exactly as the same writes
// made on a copy of the image, inside the region, outside it, rewritten
// and written back to the byte already there.
TEST(StagedImage, ReadsComparesAndCommitsAsWritesOnACopy)
{
    using Writes = std::vector<std::pair<long, int>>;
    const Writes cases[] = {
        {},
        {{0x101C9, 0x12}},
        {{0x1400F, 0x34}, {0x101C9, 0x56}},
        {{0x9D2C, 0x80}, {0x9D2C, 0x81}, {0x11000, 0x1FF}},
        {{0x12000, 0xFF}, {0x12001, 0x00}},           // the first leaves the byte as it was
        {{0x0010, 0x00}, {0x13FFF, 0x00}, {0x101C8, 0x7}}, // either side of the region
        // Either side of a page boundary, and a change pages below an
        // unchanging rewrite.
        {{0x102C8, 0x01}, {0x102C9, 0x02}, {0x11000, 0x03}, {0x11A00, 0xFF}},
    };
    for (const Writes& writes : cases) {
        test::TestImage bytes;
        bytes.put(0x12001, {0x44});
        const RomImage base = bytes.image();
        RomImage copy = base;
        StagedImage staged(base);
        for (const auto& [offset, value] : writes) {
            copy.write(offset, value);
            staged.write(offset, value);
        }
        long last = -1;
        for (long o = 0; o < base.size(); ++o) {
            ASSERT_EQ(staged.read(o), copy.read(o)) << std::hex << o;
            if (copy.read(o) != base.read(o))
                last = o;
        }
        EXPECT_EQ(staged.lastDifference(), last);
        const auto differ = [&](long first, long last) {
            for (long o = first; o <= last; ++o)
                if (copy.read(o) != base.read(o))
                    return true;
            return false;
        };
        for (const auto& write : writes)
            for (const auto& [first, last] : {std::pair{write.first - 3, write.first + 3},
                                              std::pair{write.first, write.first}, std::pair{write.first + 1, write.first + 2},
                                              std::pair{write.first - 700, write.first + 700}})
                EXPECT_EQ(staged.differIn(first, last), differ(first, last)) << std::hex << first << ".." << last;
        RomImage committed = base;
        staged.commitTo(committed);
        EXPECT_EQ(committed.bytes(), copy.bytes());
        EXPECT_EQ(base.bytes(), bytes.bytes()); // the image itself was never written
    }
    const RomImage image = test::TestImage().image();
    StagedImage staged(image);
    EXPECT_THROW(staged.write(image.size(), 0), ImageError);
}

} // namespace
} // namespace quorled
