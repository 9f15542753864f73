#include "romdata/heaptuning.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorled {
namespace {

// On the GNU C library the heap settings must take (a value past the
// library's ceiling, or a check made before its headers, leaves them unset).
// Whether the system takes the offer of large pages depends on the machine
// and on how far the heap has grown, so only the heap's work after it is
// checked.
TEST(HeapTuning, TheLibraryTakesTheSettings)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "The address sanitizer's allocator takes no heap settings.";
#elif defined(__GLIBC__)
    EXPECT_TRUE(keepHeapPages());
    offerLargeHeapPages();
    // The heap still serves blocks large and small.
    std::vector<std::vector<int>> blocks;
    for (std::size_t size = 1; size <= (std::size_t{1} << 22); size *= 16)
        blocks.emplace_back(size, 7);
    for (const auto& block : blocks)
        EXPECT_EQ(block.back(), 7);
#else
    EXPECT_FALSE(keepHeapPages());
#endif
}

} // namespace
} // namespace quorled
