#include "romdata/heaptuning.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

// On the GNU C library both settings must take (a value past the library's
// ceiling, or a check made before its headers, leaves them unset).
TEST(HeapTuning, TheLibraryTakesTheSettings)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "The address sanitizer's allocator takes no heap settings.";
#elif defined(__GLIBC__)
    EXPECT_TRUE(keepHeapPages());
#else
    EXPECT_FALSE(keepHeapPages());
#endif
}

} // namespace
} // namespace quorled
